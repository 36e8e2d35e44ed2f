// Tab and Shift+Tab stay in the page: in a table's cell they go from cell to cell, in a
// list item they nest and un-nest it (as Indent and Outdent do); elsewhere Tab types a tab
// and Shift+Tab does nothing. The engine would give Shift+Tab's focus to the window
// around the page, and what the user typed next would be lost.
(function () {
  'use strict';
  const T = window.__tsly;

  function onKeyDown(e) {
    if (e.key !== 'Tab' || e.ctrlKey || e.altKey || e.metaKey || e.isComposing) return;
    const back = e.shiftKey;
    const el = T.focusElement();
    const near = el && el.closest('li, td, th');
    if (near && T.inBody(near)) {
      if (near.tagName === 'LI') {
        e.preventDefault();
        T.step(function () { document.execCommand(back ? 'outdent' : 'indent'); });
        return;
      }
      if (T.cellTab(back)) {
        e.preventDefault();
        return;
      }
    }
    if (back) e.preventDefault();
  }

  T.attachHooks.push(function (listen) { listen(window, 'keydown', onKeyDown, true); });
})();
