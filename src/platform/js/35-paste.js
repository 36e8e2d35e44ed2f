// Edit > Paste: what the clipboard holds goes in at the selection as part of the page.
// - HTML another program put on the clipboard is foreign: its scripts, its on...
//   handler attributes and its script addresses stay out, as they would run for every
//   visitor of the saved page; its text, structure, links, pictures and formatting go
//   in. HTML this program copied goes in as it was copied.
// - Blocks split the block they land in, as Enter there would: a heading or a table
//   inside a paragraph is no valid page, and the saved file would reopen as another.
// - Plain text: paragraphs (between blank lines) become blocks of the kind the caret is
//   in, line ends line breaks, and a tab the tab that typing one gives.
// - A pasted element whose id the page already has loses it.
// The engine's own paste (Shift+Insert) comes here too, through the host, which knows
// whether the clipboard's HTML is ours.
(function () {
  'use strict';
  const T = window.__tsly;
  const C = T.commands;
  const NBSP = '\u00a0';
  const NAMING = ['id', 'name'];

  // Elements that make a block of their own: the parser closes an open paragraph at
  // each of them.
  const BLOCK_TAGS = new Set([
    'ADDRESS', 'ARTICLE', 'ASIDE', 'BLOCKQUOTE', 'CENTER', 'DETAILS', 'DIALOG', 'DIR', 'DIV',
    'DL', 'DD', 'DT', 'FIELDSET', 'FIGCAPTION', 'FIGURE', 'FOOTER', 'FORM', 'H1', 'H2', 'H3',
    'H4', 'H5', 'H6', 'HEADER', 'HGROUP', 'HR', 'LI', 'LISTING', 'MAIN', 'MENU', 'NAV', 'OL',
    'P', 'PLAINTEXT', 'PRE', 'SECTION', 'SUMMARY', 'TABLE', 'CAPTION', 'TBODY', 'THEAD',
    'TFOOT', 'TR', 'TD', 'TH', 'UL', 'XMP',
  ]);
  const BLOCK_SELECTOR = Array.from(BLOCK_TAGS).join(',').toLowerCase();
  // Where the caret's own line ends without being a block that a paste splits.
  const CELLS = new Set(['TD', 'TH', 'CAPTION', 'LI', 'BLOCKQUOTE', 'DD', 'DT']);
  // The blocks a paste splits: for HTML, those that cannot hold a block; for text, also
  // a list item (each paragraph an item).
  const SPLIT_FOR_HTML = new Set(['P', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'PRE', 'ADDRESS', 'DIV']);
  const SPLIT_FOR_TEXT = new Set(['P', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'ADDRESS', 'DIV', 'LI']);
  const MEDIA = 'img, hr, input, select, textarea, button, object, embed, iframe, video, audio,' +
                ' table, svg, canvas, marquee';
  // Formatting the caret's text has, carried onto the new lines of pasted text.
  const FORMATS = new Set(['B', 'STRONG', 'I', 'EM', 'U', 'S', 'STRIKE', 'FONT', 'SPAN', 'SUB',
                           'SUP', 'BIG', 'SMALL', 'CODE', 'TT']);

  function isBlock(node) {
    return node.nodeType === Node.ELEMENT_NODE &&
           (BLOCK_TAGS.has(node.tagName) || !!node.querySelector(BLOCK_SELECTOR));
  }

  // Whether node (an element or a fragment) shows anything: text or a picture, a line,
  // a field, a table.
  function hasContent(node) {
    return /[^\s\u00a0]/.test(node.textContent) || !!node.querySelector(MEDIA);
  }

  function rangeHasContent(r) { return hasContent(r.cloneContents()); }

  // The block of the caret's line when it is one that kinds lists (a positioned box is
  // never split), else null.
  function blockAround(node, kinds) {
    for (let el = T.elementOf(node); el && el !== document.body; el = el.parentElement) {
      if (BLOCK_TAGS.has(el.tagName) || CELLS.has(el.tagName)) {
        if (!kinds.has(el.tagName)) return null;
        return el.tagName !== 'DIV' || getComputedStyle(el).position === 'static' ? el : null;
      }
    }
    return null;
  }

  function dropNames(el) {
    NAMING.forEach(function (attr) { el.removeAttribute(attr); });
    return el;
  }

  function fragmentOf(nodes) {
    const f = document.createDocumentFragment();
    nodes.forEach(function (n) { f.appendChild(n); });
    return f;
  }

  // ---- foreign HTML ----------------------------------------------------------------------

  // Addresses that run script when followed; browsers ignore tabs and line ends inside
  // them and blanks and control characters before them.
  function scriptAddress(value) {
    return /^(?:javascript|vbscript):/i.test(
      value.replace(/[\t\n\r]/g, '').replace(/^[\u0000-\u0020]+/, ''));
  }

  // Takes scripts, handler attributes, script addresses and embedded documents (which
  // may hold scripts of their own) out of root, template contents included.
  function clean(root) {
    const roots = [root];
    while (roots.length) {
      const r = roots.pop();
      r.querySelectorAll('script').forEach(function (s) { s.remove(); });
      const all = r.querySelectorAll('*');
      for (let i = 0; i < all.length; i++) {
        const el = all[i];
        for (let j = el.attributes.length - 1; j >= 0; j--) {
          const a = el.attributes[j];
          if (/^on/i.test(a.name) || a.name.toLowerCase() === 'srcdoc' || scriptAddress(a.value)) {
            el.removeAttributeNode(a);
          }
        }
        if (el.localName === 'template' && el.content) roots.push(el.content);
      }
    }
  }

  // The copied part of what another program put on the clipboard: the part between its
  // fragment marks when it has them, else its body; parsed apart from the page, where
  // nothing of it loads or runs, and cleaned before it comes into the page.
  function foreignFragment(html) {
    const doc = new DOMParser().parseFromString(html, 'text/html');
    let start = null, end = null;
    const walker = doc.createTreeWalker(doc, NodeFilter.SHOW_COMMENT);
    for (let c = walker.nextNode(); c; c = walker.nextNode()) {
      const mark = c.data.trim();
      if (mark === 'StartFragment' && !start) start = c;
      else if (mark === 'EndFragment' && start) end = c;
    }
    let fragment;
    if (start && end) {
      const r = doc.createRange();
      r.setStartAfter(start);
      r.setEndBefore(end);
      fragment = r.cloneContents();
    } else {
      fragment = doc.createDocumentFragment();
      while (doc.body && doc.body.firstChild) fragment.appendChild(doc.body.firstChild);
    }
    clean(fragment);
    return document.adoptNode(fragment);
  }

  // ---- plain text ------------------------------------------------------------------------

  // What typing Tab puts in.
  function tab() {
    const s = document.createElement('span');
    s.setAttribute('style', 'white-space:pre');
    s.textContent = '\t';
    return s;
  }

  // A paragraph of text as inline nodes: line ends as line breaks, tabs as tabs, blanks
  // the page would fold into one (a run, one at a line's start or end) kept.
  function inlineText(text) {
    const out = [];
    text.split('\n').forEach(function (line, i) {
      if (i) out.push(document.createElement('br'));
      const kept = line.replace(/ {2,}/g, function (run) { return ' ' + NBSP.repeat(run.length - 1); })
                       .replace(/^ /, NBSP).replace(/ $/, NBSP);
      kept.split('\t').forEach(function (piece, j) {
        if (j) out.push(tab());
        if (piece) out.push(document.createTextNode(piece));
      });
    });
    return out;
  }

  function paragraphsOf(text) {
    const paragraphs = text.split(/\n(?:[ \t]*\n)+/);
    if (paragraphs.length > 1 && !paragraphs[0]) paragraphs.shift();
    if (paragraphs.length > 1 && !paragraphs[paragraphs.length - 1]) paragraphs.pop();
    return paragraphs;
  }

  // ---- putting it in ---------------------------------------------------------------------

  function caretAt(container, offset) {
    const r = document.createRange();
    r.setStart(container, offset);
    r.collapse(true);
    const sel = getSelection();
    sel.removeAllRanges();
    sel.addRange(r);
  }

  function caretAfter(node) {
    if (node.nodeType === Node.ELEMENT_NODE && isBlock(node)) {
      // At the end of the block's own text, not between two blocks.
      const r = document.createRange();
      r.selectNodeContents(node);
      caretAt(r.endContainer, r.endOffset);
    } else {
      caretAt(node.parentNode, Array.prototype.indexOf.call(node.parentNode.childNodes, node) + 1);
    }
  }

  // Puts lead (inline nodes), middle (blocks) and trail (inline nodes) in at mark, a
  // node standing where the selection was, inside block. Lead ends the line before the
  // mark and trail starts the one after it; block splits between them as Enter would,
  // the second part without the names of the first. A part left with nothing to show is
  // not kept; an empty block gives its place to the middle.
  function putSplitting(mark, block, lead, middle, trail) {
    mark.parentNode.insertBefore(fragmentOf(lead), mark);
    mark.parentNode.insertBefore(fragmentOf(trail), mark.nextSibling);
    const left = document.createRange();
    left.setStart(block, 0);
    left.setEndBefore(mark);
    const right = document.createRange();
    right.setStartAfter(mark);
    right.setEnd(block, block.childNodes.length);
    const leftHas = rangeHasContent(left);
    const rightHas = rangeHasContent(right);
    const lastMiddle = middle[middle.length - 1];
    const parent = block.parentNode;
    let second = null;
    if (!leftHas) {
      parent.insertBefore(fragmentOf(middle), block);
      if (!rightHas && !block.hasAttribute('id') && !block.querySelector(':not(br)')) {
        block.remove();
        block = null;
      }
    } else {
      if (rightHas) {
        const wrappers = [];
        for (let el = mark.parentNode; el !== block; el = el.parentNode) wrappers.push(el);
        const tail = right.extractContents();
        // The formatting around the mark came along as copies: they do not name again.
        let copy = tail.firstChild;
        for (let i = wrappers.length - 1; i >= 0 && copy; i--, copy = copy.firstChild) {
          if (copy.nodeType === Node.ELEMENT_NODE) dropNames(copy);
        }
        second = dropNames(block.cloneNode(false));
        second.appendChild(tail);
      } else {
        right.deleteContents();
      }
      parent.insertBefore(fragmentOf(middle.concat(second ? [second] : [])), block.nextSibling);
    }
    const lastTrail = trail[trail.length - 1];
    if (lastTrail && lastTrail.parentNode) caretAfter(lastTrail);
    else if (second) caretAt(second, 0);
    else if (lastMiddle) caretAfter(lastMiddle);
    else if (block) caretAt(block, block.childNodes.length);
    mark.remove();
  }

  function putInline(range, nodes) {
    const last = nodes[nodes.length - 1];
    range.insertNode(fragmentOf(nodes));
    if (last && last.parentNode) caretAfter(last);
  }

  // Ids of the page stay with the elements that have them.
  function dropTakenIds(root) {
    const seen = new Set();
    root.querySelectorAll('[id]').forEach(function (el) {
      const id = el.getAttribute('id');
      if (!id) return;
      if (seen.has(id) || document.getElementById(id)) el.removeAttribute('id');
      else seen.add(id);
    });
  }

  function pasteNodes(range, fragment) {
    const nodes = Array.from(fragment.childNodes);
    const first = nodes.findIndex(isBlock);
    const block = first < 0 ? null : blockAround(range.startContainer, SPLIT_FOR_HTML);
    if (!block) {
      putInline(range, nodes);
      return;
    }
    let last = nodes.length - 1;
    while (!isBlock(nodes[last])) last--;
    const shows = function (n) { return n.nodeType !== Node.TEXT_NODE || /[^\s]/.test(n.data); };
    const mark = document.createTextNode('');
    range.insertNode(mark);
    putSplitting(mark, block, nodes.slice(0, first).filter(shows), nodes.slice(first, last + 1),
                 nodes.slice(last + 1).filter(shows));
  }

  function pasteText(range, text) {
    const pre = T.elementOf(range.startContainer).closest('pre, listing, xmp');
    if (pre && T.inBody(pre)) {
      // Formatted text keeps every blank, tab and line end as it is.
      putInline(range, [document.createTextNode(text)]);
      return;
    }
    const paragraphs = paragraphsOf(text);
    if (paragraphs.length === 1) {
      putInline(range, inlineText(paragraphs[0]));
      return;
    }
    const block = blockAround(range.startContainer, SPLIT_FOR_TEXT);
    if (!block) {
      // No block to split: each paragraph a block of the page's own kind for new lines.
      putInline(range, paragraphs.map(function (p) {
        const b = document.createElement(T.options.div ? 'div' : 'p');
        inlineText(p).forEach(function (n) { b.appendChild(n); });
        return b;
      }));
      return;
    }
    const mark = document.createTextNode('');
    range.insertNode(mark);
    // Each paragraph between the first and the last is a line of its own, of the block's
    // kind and with the caret's formatting.
    const formats = [];
    for (let el = mark.parentNode; el !== block; el = el.parentNode) {
      if (FORMATS.has(el.tagName)) formats.unshift(el);
    }
    const middle = paragraphs.slice(1, -1).map(function (p) {
      const line = dropNames(block.cloneNode(false));
      let inner = line;
      formats.forEach(function (f) { inner = inner.appendChild(dropNames(f.cloneNode(false))); });
      inlineText(p).forEach(function (n) { inner.appendChild(n); });
      return line;
    });
    putSplitting(mark, block, inlineText(paragraphs[0]), middle,
                 inlineText(paragraphs[paragraphs.length - 1]));
  }

  // Pastes content ({ html, text, foreign }, or markup of ours as a string); false, with
  // the page and the selection as they were, when it holds nothing to show.
  T.paste = function (content) {
    if (typeof content === 'string') content = { html: content, foreign: false };
    content = content || {};
    const range = T.insertionRange();
    let fragment = null;
    if (content.html) {
      fragment = content.foreign ? foreignFragment(String(content.html))
                                 : range.createContextualFragment(String(content.html));
      if (!hasContent(fragment)) fragment = null;
    }
    const text = content.text ? String(content.text).replace(/\r\n?/g, '\n') : '';
    if (!fragment && !text) return false;
    range.deleteContents();
    T.control = null;
    if (fragment) {
      dropTakenIds(fragment);
      pasteNodes(range, fragment);
    } else {
      pasteText(range, text);
    }
    return true;
  };

  C[DECMD.PASTE] = { // the host answers its status from the clipboard
    status: function () { return document.body ? DECMDF.ENABLED : DECMDF.DISABLED; },
    exec: function (option, content) { return T.paste(content); },
  };

  // The engine's own paste goes the way of ours: the host reads the clipboard and knows
  // whether its HTML is ours.
  T.attachHooks.push(function (listen) {
    listen(document, 'paste', function (e) {
      e.preventDefault();
      const data = e.clipboardData;
      T.notify(HOST_EVENT.PASTE, {
        html: data ? data.getData('text/html') : '',
        text: data ? data.getData('text/plain') : '',
      });
    }, true);
  });
})();
