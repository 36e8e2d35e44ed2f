// The user's place in the page: the scroll position and the selection, read from one
// page and put back in another with the same content (a save reloads the page from the
// file it wrote). A point is kept as the path of its element from the body (elements
// only, so that text the editor split into several nodes and the file holds as one
// still matches) and the number of characters before it in that element.
(function () {
  'use strict';
  const T = window.__tsly;

  function pathOf(el) {
    const path = [];
    for (; el && el !== document.body; el = el.parentElement) {
      if (!el.parentElement) return null; // not in the body
      path.unshift(Array.prototype.indexOf.call(el.parentElement.children, el));
    }
    return el === document.body ? path : null;
  }

  // The element at path, or the deepest one found when the page differs further down.
  function elementAt(path) {
    let el = document.body;
    for (let i = 0; el && i < path.length; i++) {
      const next = el.children[path[i]];
      if (!next) break;
      el = next;
    }
    return el;
  }

  function textBefore(el, container, offset) {
    const r = document.createRange();
    r.selectNodeContents(el);
    r.setEnd(container, offset);
    return r.toString().length;
  }

  function pointOf(container, offset) {
    const el = T.elementOf(container);
    const path = pathOf(el);
    return path ? { path: path, chars: textBefore(el, container, offset) } : null;
  }

  // The point chars characters into the element at path: inside its text where it has
  // text, else at its start.
  function pointAt(point) {
    const el = elementAt(point.path || []);
    if (!el) return null;
    const walker = document.createTreeWalker(el, NodeFilter.SHOW_TEXT);
    let left = Math.max(0, point.chars | 0);
    let last = null;
    for (let n = walker.nextNode(); n; n = walker.nextNode()) {
      if (left <= n.data.length) return { node: n, offset: left };
      left -= n.data.length;
      last = n;
    }
    return last ? { node: last, offset: last.data.length } : { node: el, offset: 0 };
  }

  T.place = function () {
    const place = { x: window.scrollX, y: window.scrollY };
    const control = T.selectedElement();
    if (control) {
      place.control = pathOf(control);
      return place;
    }
    const r = T.range();
    if (r) {
      place.start = pointOf(r.startContainer, r.startOffset);
      place.end = r.collapsed ? place.start : pointOf(r.endContainer, r.endOffset);
    }
    return place;
  };

  T.restorePlace = function (place) {
    if (!place || !document.body) return false;
    if (place.control) {
      const el = elementAt(place.control);
      if (el && el !== document.body) T.selectElement(el);
    } else if (place.start && place.end) {
      const start = pointAt(place.start);
      const end = pointAt(place.end);
      if (start && end) {
        const r = document.createRange();
        r.setStart(start.node, start.offset);
        r.setEnd(end.node, end.offset);
        const sel = getSelection();
        sel.removeAllRanges();
        sel.addRange(r);
      }
    }
    window.scrollTo(Number(place.x) || 0, Number(place.y) || 0);
    T.displayChanged();
    return true;
  };
})();
