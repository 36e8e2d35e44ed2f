// Marquees stand still while a page is edited. The engine scrolls <marquee> text even
// with page scripts off; a marquee stopped before its first frame keeps its text where
// the layout puts it, at its start and in view, and stays so until it is moved or
// changed, when it is stopped again. Only the element's animation is touched, never the
// markup.
(function () {
  'use strict';
  const T = window.__tsly;
  if (!T || T.marquees) return;

  function stop(m) {
    try { if (typeof m.stop === 'function') m.stop(); } catch (e) { /* not a live marquee */ }
  }

  function stopWithin(node) {
    if (!node || node.nodeType !== Node.ELEMENT_NODE) return;
    if (node.localName === 'marquee') stop(node);
    Array.prototype.forEach.call(node.getElementsByTagName('marquee'), stop);
  }

  // Changes reach the observer before the engine draws the next frame, which is when a
  // new marquee would start to move.
  const observer = new MutationObserver(function (records) {
    records.forEach(function (r) {
      if (r.type === 'childList') r.addedNodes.forEach(stopWithin);
      else if (r.target.localName === 'marquee') stop(r.target);
    });
  });

  T.marquees = {
    stopAll: function () { stopWithin(document.documentElement); return true; },
    watch: function () {
      observer.disconnect();
      observer.observe(document, { subtree: true, childList: true, attributes: true });
    },
  };

  // From the document's creation, so a page being loaded is watched while it is parsed.
  T.marquees.watch();

  // A write replaces the page's content; what it wrote is stopped at once.
  const attach = T.attach;
  T.attach = function () {
    const result = attach.apply(T, arguments);
    T.marquees.watch();
    T.marquees.stopAll();
    return result;
  };
})();
