// Marquees stand still while a page is edited. The engine scrolls <marquee> text even
// with page scripts off, and once a marquee has started it can only be paused where it
// is, often out of its own box. So every marquee is kept from starting: its text stays
// where the layout puts it, at its start and in view. Only the marquee's animation is
// touched, never the markup.
//
// - While a page loads, a style sheet of ours (not serialised) lets a marquee measure as
//   an inline box of no set size, which the engine does not animate; the load's end
//   takes the sheet away and stops any marquee still waiting to start. Watching every
//   element of a page as it is parsed would make a large page load much slower.
// - A write, a paste or an undo puts marquees in within one call of ours; they are
//   stopped before the engine draws the next frame, which is when they would start.
(function () {
  'use strict';
  const T = window.__tsly;
  if (!T || T.marquees) return;

  function stop(m) {
    try { if (typeof m.stop === 'function') m.stop(); } catch (e) { /* not a live marquee */ }
  }

  // A marquee, or the marquees inside an element put in whole.
  function stopWithin(node) {
    if (node.nodeType !== Node.ELEMENT_NODE) return;
    if (node.localName === 'marquee') stop(node);
    else if (node.firstElementChild) {
      const found = node.querySelectorAll('marquee');
      for (let i = 0; i < found.length; i++) stop(found[i]);
    }
  }

  const observer = new MutationObserver(function (records) {
    for (let i = 0; i < records.length; i++) {
      const r = records[i];
      if (r.type === 'childList') {
        const added = r.addedNodes;
        for (let j = 0; j < added.length; j++) stopWithin(added[j]);
      } else if (r.target.localName === 'marquee') {
        stop(r.target);
      }
    }
  });

  // The attributes a marquee's movement depends on.
  const MOVEMENT = ['behavior', 'direction', 'loop', 'scrollamount', 'scrolldelay', 'truespeed',
                    'width', 'height'];

  const hold = new CSSStyleSheet();
  hold.replaceSync('marquee { display: inline !important; width: auto !important;' +
                   ' height: auto !important; }');

  T.marquees = {
    stopAll: function () {
      if (document.documentElement) stopWithin(document.documentElement);
      return true;
    },
    hold: function () {
      const sheets = Array.from(document.adoptedStyleSheets || []);
      if (sheets.indexOf(hold) < 0) document.adoptedStyleSheets = sheets.concat([hold]);
    },
    release: function () {
      document.adoptedStyleSheets =
        Array.from(document.adoptedStyleSheets || []).filter(function (s) { return s !== hold; });
    },
  };

  // From the document's creation: the page being loaded.
  T.marquees.hold();

  const attach = T.attach;
  T.attach = function () {
    const result = attach.apply(T, arguments);
    T.marquees.release();
    T.marquees.stopAll();
    observer.disconnect();
    observer.observe(document, { subtree: true, childList: true, attributeFilter: MOVEMENT });
    return result;
  };

  // A write parses the whole page within the call and attaches at its end, which stops
  // what it wrote; the watch is off meanwhile.
  const write = T.write;
  T.write = function () {
    observer.disconnect();
    return write.apply(T, arguments);
  };
})();
