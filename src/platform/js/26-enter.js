// Where Enter and typing go around the elements a split must never copy: a marquee, a
// positioned box (a text box), an inline frame, a form, a table, an effect's mark. The
// engine's Enter copies the block the caret is in with every attribute, and it counts a
// marquee or a box as that block; the caret it shows after such an element at the end of
// the page is inside the element, so what is typed there lands in it.
// - Enter inside such an element makes a line break in it; at the very end of its content
//   it goes to a new ordinary block after the element.
// - The caret can stand after such an element (Ctrl+End, Ctrl+Down at the end, a click
//   below the page's end): the first key typed there makes a new ordinary block for it,
//   so a page merely looked at stays as it was.
// - In Formatted text Enter ends a line inside the block; on an empty last line it leaves
//   the block for an ordinary one.
// Each of these changes is part of the key's own undo step.
(function () {
  'use strict';
  const T = window.__tsly;

  const WHOLE_TAGS = new Set(['MARQUEE', 'IFRAME', 'FORM', 'TABLE', 'LAYER', 'ILAYER']);
  // The marks the clock effect leaves in the page for its script.
  const EFFECT_IDS = new Set(['spnClock', 'lyrClock']);
  // Shown on their own, without text.
  const MEDIA = 'img, hr, input, select, textarea, button, object, embed, iframe, video, audio,' +
                ' table, svg, canvas, marquee';
  const SILENT = new Set(['BR', 'SCRIPT', 'STYLE', 'NOSCRIPT', 'TEMPLATE', 'META', 'LINK']);
  // Blocks that hold lines of their own: a new line after an element inside them stays in
  // them.
  const HOLDERS = new Set(['TD', 'TH', 'LI', 'DD', 'DT', 'BLOCKQUOTE', 'CAPTION']);
  const BLOCKS = new Set(['ADDRESS', 'BLOCKQUOTE', 'CENTER', 'DIV', 'DL', 'FIELDSET', 'FORM', 'H1',
                          'H2', 'H3', 'H4', 'H5', 'H6', 'HR', 'OL', 'P', 'PRE', 'TABLE', 'UL']);
  const BLANK = /^[ \t\n\r\f]*$/;

  function isWhole(el) {
    if (!el || el.nodeType !== Node.ELEMENT_NODE || el === document.body || !T.inBody(el)) {
      return false;
    }
    if (WHOLE_TAGS.has(el.tagName) || EFFECT_IDS.has(el.id)) return true;
    const position = getComputedStyle(el).position;
    return position === 'absolute' || position === 'fixed';
  }

  // Whether node shows something: text other than blanks, a picture, a field, a table, a
  // box.
  function shows(node) {
    if (node.nodeType === Node.TEXT_NODE) return !BLANK.test(node.data);
    if (node.nodeType !== Node.ELEMENT_NODE || SILENT.has(node.tagName)) return false;
    return isWhole(node) || node.matches(MEDIA) || !BLANK.test(node.textContent) ||
           !!node.querySelector(MEDIA);
  }

  function lastShown(parent) {
    for (let n = parent.lastChild; n; n = n.previousSibling) if (shows(n)) return n;
    return null;
  }

  function shownAfter(node) {
    for (let n = node.nextSibling; n; n = n.nextSibling) if (shows(n)) return true;
    return false;
  }

  // Whether anything shows between the point and the end of root.
  function shownFrom(container, offset, root) {
    let node;
    if (container.nodeType === Node.TEXT_NODE) {
      if (!BLANK.test(container.data.slice(offset))) return true;
      node = container;
    } else if (offset < container.childNodes.length) {
      if (shows(container.childNodes[offset])) return true;
      node = container.childNodes[offset];
    } else {
      node = container;
    }
    for (; node && node !== root; node = node.parentNode) {
      if (shownAfter(node)) return true;
    }
    return false;
  }

  function indexOf(node) { return Array.prototype.indexOf.call(node.parentNode.childNodes, node); }

  function caretAt(container, offset) {
    const sel = getSelection();
    sel.removeAllRanges();
    const r = document.createRange();
    r.setStart(container, offset);
    r.collapse(true);
    sel.addRange(r);
    T.control = null;
  }

  // ---- the caret after an element -------------------------------------------------------

  // The element a collapsed caret stands right after, with nothing shown after it in its
  // parent, when a split must not copy that element (the engine would type into it).
  function wholeBefore(container, offset) {
    let node;
    let parent = container;
    if (container.nodeType === Node.TEXT_NODE) {
      if (!BLANK.test(container.data.slice(0, offset))) return null;
      node = container.previousSibling;
      parent = container.parentNode;
    } else {
      node = container.childNodes[offset - 1] || null;
    }
    if (!parent || shownFrom(container, offset, parent)) return null;
    while (node && !shows(node)) node = node.previousSibling;
    // Through the ends of ordinary elements down to what the line ends in.
    while (node && node.nodeType === Node.ELEMENT_NODE && !isWhole(node)) node = lastShown(node);
    return node && isWhole(node) ? node : null;
  }

  // Whether el holds lines of its own besides the one of child.
  function holdsLines(el, child) {
    if (el === document.body || HOLDERS.has(el.tagName) || isWhole(el)) return true;
    for (let c = el.firstElementChild; c; c = c.nextElementSibling) {
      if (c !== child && BLOCKS.has(c.tagName)) return true;
    }
    return false;
  }

  function newBlock() {
    const block = document.createElement(T.options.div ? 'div' : 'p');
    block.appendChild(document.createElement('br'));
    return block;
  }

  // Starts a new line after el: a new ordinary block after the block el ends, or, where
  // more of that block's line follows el, a line break after el.
  function lineAfter(el) {
    let x = el;
    while (x.parentNode && !holdsLines(x.parentNode, x) && !shownAfter(x)) x = x.parentNode;
    const parent = x.parentNode;
    if (!holdsLines(parent, x) && shownAfter(x)) {
      const br = document.createElement('br');
      parent.insertBefore(br, x.nextSibling);
      caretAt(parent, indexOf(br) + 1);
      return;
    }
    const block = newBlock();
    parent.insertBefore(block, x.nextSibling);
    caretAt(block, 0);
  }

  // The outermost element of the kind the page ends in, where the caret at the page's end
  // would be inside it; null when the page ends in ordinary text.
  function wholeAtEnd() {
    for (let node = document.body; node;) {
      const last = lastShown(node);
      if (!last || last.nodeType !== Node.ELEMENT_NODE) return null;
      if (isWhole(last)) return last;
      node = last;
    }
    return null;
  }

  function standAfter(el) {
    caretAt(el.parentNode, indexOf(el) + 1);
    T.displayChanged();
  }

  function collapsedRange() {
    const r = T.range();
    return r && r.collapsed && !T.selectedElement() ? r : null;
  }

  // Ctrl+End, and Ctrl+Down where the caret is at the page's end already.
  function onKeyDown(e) {
    if (!e.ctrlKey || e.shiftKey || e.altKey || e.metaKey || e.isComposing) return;
    if (e.key !== 'End' && e.key !== 'ArrowDown') return;
    const el = wholeAtEnd();
    if (!el) return;
    if (e.key === 'ArrowDown') {
      const r = collapsedRange();
      if (!r) return;
      const atItsEnd = el.contains(r.startContainer) &&
                       !shownFrom(r.startContainer, r.startOffset, el);
      if (!atItsEnd && wholeBefore(r.startContainer, r.startOffset) !== el) return;
    }
    e.preventDefault();
    standAfter(el);
    window.scrollTo(window.scrollX, document.documentElement.scrollHeight);
  }

  // A click in the page below its end.
  function onMouseDown(e) {
    if (e.button !== 0 || e.shiftKey || e.ctrlKey || e.altKey || e.metaKey) return;
    if (e.target !== document.body && e.target !== document.documentElement) return;
    const el = wholeAtEnd();
    if (!el) return;
    let top = el;
    while (top.parentNode !== document.body) top = top.parentNode;
    const bottom = Math.max(el.getBoundingClientRect().bottom, top.getBoundingClientRect().bottom);
    if (e.clientY <= bottom) return;
    e.preventDefault();
    if (document.activeElement !== document.body) document.body.focus({ preventScroll: true });
    standAfter(el);
  }

  // ---- Enter ----------------------------------------------------------------------------

  // The elements from the caret's up to the block it is in: what the engine's Enter copies.
  function splitChain(node) {
    const chain = [];
    for (let el = T.elementOf(node); el && el !== document.body && T.inBody(el);
         el = el.parentElement) {
      chain.push(el);
      if (isWhole(el) || getComputedStyle(el).display !== 'inline') break;
    }
    return chain;
  }

  // The text of el before (or after) the point.
  function textAround(el, container, offset, after) {
    const r = document.createRange();
    r.selectNodeContents(el);
    if (after) r.setStart(container, offset);
    else r.setEnd(container, offset);
    return r.toString();
  }

  // The point chars characters into the text of el.
  function pointIn(el, chars) {
    const walker = document.createTreeWalker(el, NodeFilter.SHOW_TEXT);
    for (let n = walker.nextNode(); n; n = walker.nextNode()) {
      if (chars <= n.data.length) return { node: n, offset: chars };
      chars -= n.data.length;
    }
    return { node: el, offset: el.childNodes.length };
  }

  function lineBreak() { document.execCommand('insertLineBreak'); }

  function isFormatted(el) { return el.tagName === 'PRE' || el.tagName === 'LISTING'; }

  // Enter in Formatted text: a line end, or out of the block from an empty last line.
  function enterInFormatted(pre, r) {
    const before = textAround(pre, r.startContainer, r.startOffset, false);
    const after = textAround(pre, r.startContainer, r.startOffset, true);
    const lastLine = /^\n?$/.test(after) && !pre.querySelector(MEDIA);
    if (!lastLine || (before && before[before.length - 1] !== '\n')) {
      lineBreak();
      return;
    }
    const block = newBlock();
    if (!before) {
      pre.parentNode.replaceChild(block, pre);
    } else {
      const empty = document.createRange();
      const start = pointIn(pre, before.length - 1);
      empty.setStart(start.node, start.offset);
      empty.setEnd(pre, pre.childNodes.length);
      empty.deleteContents();
      pre.parentNode.insertBefore(block, pre.nextSibling);
    }
    caretAt(block, 0);
  }

  // Does what Enter does where the engine's split would copy what it must not; false
  // where the engine's own Enter is right.
  function enter() {
    let r = T.range();
    if (!r || T.selectedElement()) return false;
    if (!r.collapsed) {
      // The selection goes first, as the engine's Enter would take it, when what is left
      // is a place of ours.
      const around = splitChain(r.startContainer).concat(splitChain(r.endContainer));
      if (!around.some(function (el) { return isWhole(el) || isFormatted(el); })) return false;
      document.execCommand('delete');
      r = collapsedRange();
      if (!r) return true;
    }
    const after = wholeBefore(r.startContainer, r.startOffset);
    if (after) {
      lineAfter(after);
      return true;
    }
    const chain = splitChain(r.startContainer);
    const whole = chain.filter(isWhole).pop();
    if (whole) {
      if (shownFrom(r.startContainer, r.startOffset, whole)) lineBreak();
      else lineAfter(whole);
      return true;
    }
    const block = chain[chain.length - 1];
    if (block && isFormatted(block)) {
      enterInFormatted(block, r);
      return true;
    }
    return false;
  }

  function onBeforeInput(e) {
    if (e.isComposing) return;
    if (e.inputType === 'insertParagraph' || e.inputType === 'insertLineBreak') {
      // A line break never copies an element; it needs a line only after one.
      const handled = e.inputType === 'insertParagraph' ? enter() : typeAfterWhole();
      if (handled) e.preventDefault();
    } else if (e.inputType === 'insertText') {
      typeAfterWhole();
    }
  }

  // A key typed where the caret stands after such an element: a new block takes it.
  function typeAfterWhole() {
    const r = collapsedRange();
    if (!r) return false;
    const el = wholeBefore(r.startContainer, r.startOffset);
    // The engine types after an inline frame, which holds no text of the page.
    if (!el || el.tagName === 'IFRAME') return false;
    lineAfter(el);
    return true;
  }

  T.attachHooks.push(function (listen) {
    // Before the other listeners of the page's keys and input: they see where the key
    // really goes.
    listen(window, 'beforeinput', onBeforeInput, true);
    listen(window, 'keydown', onKeyDown, true);
    listen(window, 'mousedown', onMouseDown, false);
  });
})();
