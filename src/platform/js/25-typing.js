// What typing does beyond the engine's own editing, each in the undo step of the key
// that caused it:
// - Enter splits a block (and the inline elements around the caret) by copying it with
//   its attributes; an id or a name must not end up naming two elements of the page.
(function () {
  'use strict';
  const T = window.__tsly;
  const NBSP = '\u00a0';
  const NAMING = ['id', 'name'];

  // ---- Enter: one element keeps the name, the others of the split lose it --------------

  // The ids and names of the elements around the selection that a split may copy: each
  // with the element that has it and every element of the page that has it now.
  function namesAround(range) {
    const found = [];
    const seen = {};
    [range.startContainer, range.endContainer].forEach(function (node) {
      for (let el = T.elementOf(node); el && el !== document.body; el = el.parentElement) {
        NAMING.forEach(function (attr) {
          const value = el.getAttribute(attr);
          if (value === null || seen[attr + '=' + value]) return;
          seen[attr + '=' + value] = true;
          found.push({ attr: attr, value: value, source: el, holders: carrying(attr, value) });
        });
      }
    });
    return found;
  }

  // The elements that have attr with value, in the page's order.
  function carrying(attr, value) {
    return Array.from(document.querySelectorAll('[' + attr + '="' + CSS.escape(value) + '"]'));
  }

  function hasContent(el) {
    return /\S/.test(el.textContent) ||
           !!el.querySelector('img, hr, input, select, textarea, button, object, embed, iframe,' +
                              ' video, audio, table');
  }

  let split = null; // the names around the selection when Enter was pressed

  function beforeSplit(e) {
    split = null;
    if (e.inputType !== 'insertParagraph' && e.inputType !== 'insertLineBreak') return;
    const r = T.range();
    if (r) split = namesAround(r);
  }

  // The parts of a split element that carry its name: the name stays where the named
  // content starts (the first part that holds any), and the others lose it. Other
  // elements that had the same name before (a page may repeat one) are left alone.
  function afterSplit() {
    const names = split;
    split = null;
    if (!names || !names.length) return;
    T.undo.amend(function () {
      names.forEach(function (n) {
        const parts = carrying(n.attr, n.value).filter(function (el) {
          return el === n.source || n.holders.indexOf(el) < 0;
        });
        if (parts.length < 2) return;
        const keep = parts.filter(hasContent)[0] || parts[0];
        parts.forEach(function (el) { if (el !== keep) el.removeAttribute(n.attr); });
      });
    });
  }

  T.attachHooks.push(function (listen) {
    split = null;
    listen(document, 'beforeinput', beforeSplit);
    listen(document, 'input', function (e) {
      if (e.inputType === 'insertParagraph' || e.inputType === 'insertLineBreak') afterSplit();
    });
  });
})();
