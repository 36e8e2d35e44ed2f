// What typing does beyond the engine's own editing, each in the undo step of the key
// that caused it:
// - Enter splits a block (and the inline elements around the caret) by copying it with
//   its attributes; an id or a name must not end up naming two elements of the page, and
//   the new part of the block keeps only its formatting (its element, class, style,
//   alignment and direction): a title, a language, a handler stay with the part that
//   keeps the block's name.
// - A block or table cell whose only content is the placeholder space (&nbsp;, which
//   keeps an empty line or cell open) loses the placeholder to the first typed text
//   instead of keeping it as a blank before or after it.
(function () {
  'use strict';
  const T = window.__tsly;
  const NBSP = '\u00a0';
  const NAMING = ['id', 'name'];
  const FORMATTING = new Set(['class', 'style', 'align', 'dir']);

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

  // The block the engine's Enter splits: the nearest element around node laid out as
  // more than a run of text.
  function splitBlock(node) {
    for (let el = T.elementOf(node); el && el !== document.body && T.inBody(el);
         el = el.parentElement) {
      if (getComputedStyle(el).display !== 'inline') return el;
    }
    return null;
  }

  // When Enter was pressed: the names around the selection, and the block with the
  // elements beside it.
  let split = null;

  function beforeSplit(e) {
    split = null;
    if (e.defaultPrevented) return;
    if (e.inputType !== 'insertParagraph' && e.inputType !== 'insertLineBreak') return;
    const r = T.range();
    if (!r) return;
    const block = splitBlock(r.startContainer);
    split = {
      names: namesAround(r),
      block: block,
      before: block && block.previousElementSibling,
      after: block && block.nextElementSibling,
    };
  }

  // The block and its copy beside it, in the page's order; one element when the split
  // made none.
  function partsOf(s) {
    const b = s.block;
    if (!b || !b.parentNode || !document.contains(b)) return [];
    const parts = [b];
    const before = b.previousElementSibling;
    const after = b.nextElementSibling;
    if (before && before !== s.before && before.tagName === b.tagName) parts.unshift(before);
    if (after && after !== s.after && after.tagName === b.tagName) parts.push(after);
    return parts;
  }

  // The parts other than the one that keeps the block's name keep only its formatting.
  function formattingOnly(parts) {
    if (parts.length < 2) return;
    const keep = parts.filter(hasContent)[0] || parts[0];
    parts.forEach(function (el) {
      if (el === keep) return;
      Array.from(el.attributes).forEach(function (a) {
        if (!FORMATTING.has(a.name.toLowerCase())) el.removeAttribute(a.name);
      });
    });
  }

  // The parts of a split element that carry its name: the name stays where the named
  // content starts (the first part that holds any), and the others lose it. Other
  // elements that had the same name before (a page may repeat one) are left alone.
  function afterSplit() {
    const s = split;
    split = null;
    if (!s) return;
    const names = s.names;
    const parts = partsOf(s);
    if (!names.length && parts.length < 2) return;
    T.undo.amend(function () {
      formattingOnly(parts);
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

  // ---- the placeholder space ------------------------------------------------------------

  const INLINE = ['A', 'B', 'STRONG', 'I', 'EM', 'U', 'S', 'STRIKE', 'FONT', 'SPAN', 'SUB',
                  'SUP', 'BIG', 'SMALL', 'CODE', 'TT'];

  // The block the node is in: the nearest element laid out as more than a run of text.
  function blockOf(node) {
    for (let el = T.elementOf(node); el && T.inBody(el); el = el.parentElement) {
      if (el === document.body || getComputedStyle(el).display !== 'inline') return el;
    }
    return null;
  }

  // The placeholder's text node when the block holds nothing else (text formatting
  // around it allowed), else null.
  function placeholderIn(block) {
    if (!block || block.textContent !== NBSP) return null;
    const all = block.getElementsByTagName('*');
    for (let i = 0; i < all.length; i++) {
      if (INLINE.indexOf(all[i].tagName) < 0) return null;
    }
    const walker = document.createTreeWalker(block, NodeFilter.SHOW_TEXT);
    return walker.nextNode();
  }

  let placeholder = null; // { node, after } when the typing goes into a placeholder

  function beforeTyping(e) {
    placeholder = null;
    if (e.defaultPrevented || e.inputType !== 'insertText') return;
    if (!e.data || !/\S/.test(e.data)) return;
    const r = T.range();
    if (!r || !r.collapsed || T.selectedElement()) return;
    const node = placeholderIn(blockOf(r.startContainer));
    if (!node) return;
    // Where the caret is against the placeholder: the typed text goes on that side.
    placeholder = { node: node, after: r.comparePoint(node, 1) <= 0 };
  }

  function afterTyping() {
    const p = placeholder;
    placeholder = null;
    if (!p || !p.node.parentNode || !document.contains(p.node)) return;
    const data = p.node.data;
    T.undo.amend(function () {
      if (data === NBSP) {
        // The typed text went into an element of its own (a format chosen for it).
        p.node.remove();
      } else if (p.after && (data[0] === NBSP || data[0] === ' ')) {
        p.node.deleteData(0, 1);
      } else if (!p.after && (data[data.length - 1] === NBSP || data[data.length - 1] === ' ')) {
        p.node.deleteData(data.length - 1, 1);
      }
    });
  }

  T.attachHooks.push(function (listen) {
    split = null;
    placeholder = null;
    listen(document, 'beforeinput', function (e) {
      beforeSplit(e);
      beforeTyping(e);
    });
    listen(document, 'input', function (e) {
      if (e.inputType === 'insertParagraph' || e.inputType === 'insertLineBreak') afterSplit();
      else if (e.inputType === 'insertText') afterTyping();
    });
  });
})();
