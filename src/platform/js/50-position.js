// Positioned elements: absolute positioning and back, the stacking order, the lock, and
// dragging with the mouse. They act on the selected element ("Control" selection).
//
// Stacking: the positioned elements of one stacking context form two layers, above the
// text (z-index 0 or more; none counts as 0) and below it (negative). The order commands
// move an element within its layer, or to the other layer, and number the layer again:
// 1, 2, ... above the text, ..., -2, -1 below it.
(function () {
  'use strict';
  const T = window.__tsly;
  const C = T.commands;
  const GRID = 10;          // pixels, when Snap To Grid is on
  const DRAG_THRESHOLD = 3; // pixels the mouse moves before a click becomes a drag
  const LOCK = 'data-design-lock';

  function positioned() {
    const el = T.selectedElement();
    return el && T.isPositioned(el) ? el : null;
  }

  function isLocked(el) { return el.getAttribute(LOCK) === 'true'; }

  function zIndex(el) {
    const z = parseInt(getComputedStyle(el).zIndex, 10);
    return isNaN(z) ? 0 : z;
  }

  // Drops the style attribute once nothing is left in it.
  function tidyStyle(el) {
    if (el.hasAttribute('style') && !el.getAttribute('style').trim()) el.removeAttribute('style');
  }

  // ---- absolute and back ------------------------------------------------------------------

  function makeAbsolute(el) {
    const before = el.getBoundingClientRect();
    el.style.position = 'absolute';
    el.style.left = '0px';
    el.style.top = '0px';
    const origin = el.getBoundingClientRect();
    el.style.left = Math.round(before.left - origin.left) + 'px';
    el.style.top = Math.round(before.top - origin.top) + 'px';
  }

  function makeStatic(el) {
    ['position', 'left', 'top', 'z-index'].forEach(function (p) { el.style.removeProperty(p); });
    // A style sheet of the page may position it too.
    if (T.isPositioned(el)) el.style.position = 'static';
    el.removeAttribute(LOCK);
    tidyStyle(el);
  }

  C[DECMD.MAKE_ABSOLUTE] = { // 2-D, or back to 1-D when it is already
    status: function () {
      const el = T.selectedElement();
      if (!el) return DECMDF.DISABLED;
      return T.isPositioned(el) ? DECMDF.LATCHED : DECMDF.ENABLED;
    },
    exec: function () {
      const el = T.selectedElement();
      if (T.isPositioned(el)) makeStatic(el);
      else makeAbsolute(el);
      T.selectElement(el);
      return true;
    },
  };

  C[DECMD.LOCK_ELEMENT] = {
    status: function () {
      const el = positioned();
      if (!el) return DECMDF.DISABLED;
      return isLocked(el) ? DECMDF.LATCHED : DECMDF.ENABLED;
    },
    exec: function () {
      const el = positioned();
      if (isLocked(el)) el.removeAttribute(LOCK);
      else el.setAttribute(LOCK, 'true');
      return true;
    },
  };

  // ---- stacking order ------------------------------------------------------------------------

  function stackingContext(el) {
    for (let p = el.parentElement; p && p !== document.body; p = p.parentElement) {
      const cs = getComputedStyle(p);
      if (cs.position !== 'static' && cs.zIndex !== 'auto') return p;
    }
    return document.body;
  }

  // The layers of el's stacking context, each in stacking order (back to front).
  function layers(el) {
    const context = stackingContext(el);
    const above = [], below = [];
    Array.prototype.forEach.call(context.querySelectorAll('*'), function (e) {
      if (!T.isPositioned(e) || stackingContext(e) !== context) return;
      (zIndex(e) < 0 ? below : above).push(e);
    });
    const order = function (a, b) { return zIndex(a) - zIndex(b); }; // stable: document order
    above.sort(order);
    below.sort(order);
    return { above: above, below: below };
  }

  function renumber(l) {
    const set = function (e, z) { if (e.style.zIndex !== String(z)) e.style.zIndex = String(z); };
    l.above.forEach(function (e, i) { set(e, i + 1); });
    l.below.forEach(function (e, i) { set(e, i - l.below.length); });
  }

  function restack(move) {
    return function () {
      const el = positioned();
      const l = layers(el);
      move(el, l, l.above.indexOf(el) >= 0 ? l.above : l.below);
      renumber(l);
      return true;
    };
  }

  function take(list, el) { list.splice(list.indexOf(el), 1); }

  function whenPositioned(test) {
    return function () {
      const el = positioned();
      return el && (!test || test(el)) ? DECMDF.ENABLED : DECMDF.DISABLED;
    };
  }

  C[DECMD.BRING_TO_FRONT] = {
    status: whenPositioned(),
    exec: restack(function (el, l, layer) { take(layer, el); layer.push(el); }),
  };
  C[DECMD.SEND_TO_BACK] = {
    status: whenPositioned(),
    exec: restack(function (el, l, layer) { take(layer, el); layer.unshift(el); }),
  };
  C[DECMD.BRING_FORWARD] = {
    status: whenPositioned(),
    exec: restack(function (el, l, layer) {
      const i = layer.indexOf(el);
      if (i < layer.length - 1) layer.splice(i, 2, layer[i + 1], el);
    }),
  };
  C[DECMD.SEND_BACKWARD] = {
    status: whenPositioned(),
    exec: restack(function (el, l, layer) {
      const i = layer.indexOf(el);
      if (i > 0) layer.splice(i - 1, 2, el, layer[i - 1]);
    }),
  };
  C[DECMD.BRING_ABOVE_TEXT] = { // to the back of the layer above the text
    status: whenPositioned(function (el) { return zIndex(el) < 0; }),
    exec: restack(function (el, l) { take(l.below, el); l.above.unshift(el); }),
  };
  C[DECMD.SEND_BELOW_TEXT] = { // to the front of the layer below the text
    status: whenPositioned(function (el) { return zIndex(el) >= 0; }),
    exec: restack(function (el, l) { take(l.above, el); l.below.push(el); }),
  };

  // ---- dragging ---------------------------------------------------------------------------------

  let drag = null;

  function snap(v) { return T.options.snap ? Math.round(v / GRID) * GRID : Math.round(v); }

  function onMove(e) {
    if (!drag) return;
    const dx = e.clientX - drag.x, dy = e.clientY - drag.y;
    if (!drag.moving) {
      if (Math.abs(dx) < DRAG_THRESHOLD && Math.abs(dy) < DRAG_THRESHOLD) return;
      drag.moving = true;
      T.undo.begin(); // the whole drag is one step
    }
    e.preventDefault();
    drag.el.style.left = snap(drag.left + dx) + 'px';
    drag.el.style.top = snap(drag.top + dy) + 'px';
  }

  function endDrag() {
    if (!drag) return;
    const d = drag;
    drag = null;
    document.removeEventListener('mousemove', onMove, true);
    document.removeEventListener('mouseup', endDrag, true);
    window.removeEventListener('blur', endDrag);
    if (d.moving) {
      T.undo.end();
      if (document.contains(d.el)) T.selectElement(d.el);
      T.displayChanged();
    }
  }
  T.endDrag = endDrag;

  // Called by the selection's mouse handling when a press selects an element.
  T.onControlMouseDown = function (e, el) {
    endDrag();
    if (e.button !== 0 || !T.isPositioned(el) || isLocked(el)) return;
    const cs = getComputedStyle(el);
    drag = {
      el: el, x: e.clientX, y: e.clientY, moving: false,
      left: parseFloat(cs.left) || 0, top: parseFloat(cs.top) || 0,
    };
    document.addEventListener('mousemove', onMove, true);
    document.addEventListener('mouseup', endDrag, true);
    window.addEventListener('blur', endDrag);
  };
})();
