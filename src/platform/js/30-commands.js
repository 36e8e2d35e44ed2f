// The editing commands, by their published identifiers (DECMD). Each has a status() that
// answers one of DECMDF (not supported, disabled, enabled, latched or ninched: mixed) for
// the current selection, and an exec(option, argument). Commands run inside one undo
// step unless marked plain; those marked query only read, and cause no display update.
// The clipboard, the find, font and hyperlink dialogs and the
// parameter objects are the host's; it calls the commands here with what they gave.
(function () {
  'use strict';
  const T = window.__tsly;
  const C = T.commands;

  function enabledIf(test) { return test ? DECMDF.ENABLED : DECMDF.DISABLED; }

  // ---- the host's calls ---------------------------------------------------------------

  // A command's status; a command not in the table is not supported.
  T.status = function (id) {
    const c = T.commands[id];
    if (!c) return DECMDF.NOTSUPPORTED;
    return c.status ? c.status() : DECMDF.ENABLED;
  };

  T.statuses = function (ids) {
    return ids.map(function (id) {
      try { return T.status(id); } catch (e) { return DECMDF.NOTSUPPORTED; }
    });
  };

  T.exec = function (id, option, argument) {
    const c = T.commands[id];
    if (!c || !c.exec) throw new Error('Command ' + id + ' is not supported');
    if (c.status && c.status() < DECMDF.ENABLED && !c.always) {
      throw new Error('Command ' + id + ' is disabled');
    }
    const r = c.plain ? c.exec(option, argument) : T.step(function () { return c.exec(option, argument); });
    // A command that only reads (marked query) changes no display: the host's display
    // update runs such commands and must not cause another.
    if (!c.query) T.displayChanged();
    return r === undefined ? null : r;
  };

  // ---- the selection as the commands see it ----------------------------------------

  function inBody(node) {
    const b = document.body;
    return !!(b && node && (node === b || b.contains(node)));
  }
  T.inBody = inBody;

  // The selection's range when it lies in the page's body, else null.
  function range() {
    const sel = getSelection();
    if (!sel.rangeCount || !document.body) return null;
    const r = sel.getRangeAt(0);
    return inBody(r.commonAncestorContainer) ? r : null;
  }
  T.range = range;

  function elementOf(node) {
    if (!node) return null;
    return node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement;
  }
  T.elementOf = elementOf;

  // The node a range boundary points at: the child after it inside an element, or the
  // text node itself.
  function boundaryNode(container, offset) {
    if (container.nodeType === Node.ELEMENT_NODE && offset < container.childNodes.length) {
      return container.childNodes[offset];
    }
    return container;
  }
  T.boundaryNode = boundaryNode;

  // The element the caret is in, the selected element, or the element the selection
  // starts in.
  function focusElement() {
    const el = T.selectedElement();
    if (el) return el;
    const r = range();
    if (!r) return null;
    return elementOf(r.collapsed ? r.startContainer : boundaryNode(r.startContainer, r.startOffset));
  }
  T.focusElement = focusElement;

  // Gives visit(node), in order, each text node the selection shows with a part that
  // is not only blanks, until visit returns false. Scripts and styles hold no text. The
  // walk starts at the selection's first node and stops past its end: a selection over
  // two lines of a large page does not walk the whole page.
  function eachSelectedText(r, visit) {
    const hasText = function (node) {
      let s = node.data;
      if (node === r.endContainer) s = s.slice(0, r.endOffset);
      if (node === r.startContainer) s = s.slice(r.startOffset);
      return /\S/.test(s);
    };
    const visible = function (node) {
      const p = node.parentElement;
      return p && !p.closest('script, style, noscript, title');
    };
    const root = r.commonAncestorContainer;
    if (root.nodeType === Node.TEXT_NODE) {
      if (hasText(root) && visible(root)) visit(root);
      return;
    }
    const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
    const first = boundaryNode(r.startContainer, r.startOffset);
    let n = first;
    if (first.nodeType !== Node.TEXT_NODE || !root.contains(first)) {
      walker.currentNode = root.contains(first) ? first : root;
      n = walker.nextNode();
    } else {
      walker.currentNode = first;
    }
    for (; n; n = walker.nextNode()) {
      if (r.comparePoint(n, 0) > 0) break; // past the selection's end
      if (!r.intersectsNode(n) || !hasText(n) || !visible(n)) continue;
      if (visit(n) === false) break;
    }
  }

  // The distinct values read() gives for the selected text, at most two (two means
  // mixed); null when there is no text context. A caret asks the engine, which knows
  // the style the next typed character gets.
  function textValues(read, caretValue) {
    const r = range();
    if (!r) return null;
    const el = T.selectedElement();
    if (r.collapsed && !el) return [caretValue()];
    const values = [];
    const seen = new Map();
    eachSelectedText(r, function (node) {
      const p = node.parentElement;
      let v = seen.get(p);
      if (v === undefined) {
        v = read(p);
        seen.set(p, v);
      }
      if (values.indexOf(v) < 0) values.push(v);
      return values.length < 2;
    });
    return values;
  }

  function valuesStatus(values) {
    if (!values || !values.length) return DECMDF.DISABLED;
    return values.length > 1 ? DECMDF.NINCHED : DECMDF.ENABLED;
  }

  // ---- fonts ----------------------------------------------------------------------

  // The first family of a font-family value, without its quotes.
  function firstFamily(value) {
    let s = String(value || '').split(',')[0].trim();
    if (s.length > 1 && (s[0] === '"' || s[0] === "'") && s[s.length - 1] === s[0]) {
      s = s.slice(1, -1);
    }
    return s;
  }
  T.firstFamily = firstFamily;

  // The HTML font sizes 1..7 in pixels; a pixel size gets the nearest, and text too
  // small to see has none (0).
  const SIZE_PX = [10, 13, 16, 18, 24, 32, 48];
  function htmlSize(px) {
    if (!(px >= 1)) return 0;
    let best = 1, distance = Infinity;
    SIZE_PX.forEach(function (p, i) {
      const d = Math.abs(p - px);
      if (d < distance) { distance = d; best = i + 1; }
    });
    return best;
  }
  T.htmlSize = htmlSize;

  function fontNames() {
    return textValues(function (el) { return firstFamily(getComputedStyle(el).fontFamily); },
                      function () { return firstFamily(document.queryCommandValue('fontName')); });
  }

  function fontSizes() {
    return textValues(function (el) { return htmlSize(parseFloat(getComputedStyle(el).fontSize)); },
                      function () {
                        const el = focusElement();
                        if (el && !(parseFloat(getComputedStyle(el).fontSize) >= 1)) return 0;
                        const v = parseInt(document.queryCommandValue('fontSize'), 10);
                        return isNaN(v) ? 0 : v;
                      });
  }

  function single(values, none) {
    return values && values.length === 1 ? values[0] : none;
  }

  C[DECMD.GETFONTNAME] = {
    plain: true,
    query: true,
    status: function () { return valuesStatus(fontNames()); },
    exec: function () { return single(fontNames(), ''); },
  };
  C[DECMD.GETFONTSIZE] = {
    plain: true,
    query: true,
    status: function () { return valuesStatus(fontSizes()); },
    exec: function () { return single(fontSizes(), 0); },
  };

  // ---- the engine's own commands ----------------------------------------------------

  function engineEnabled(name) {
    if (!range()) return false;
    try { return document.queryCommandEnabled(name); } catch (e) { return false; }
  }

  function engineCommand(name, latches, value) {
    return {
      status: function () {
        if (!engineEnabled(name)) return DECMDF.DISABLED;
        if (latches) {
          try { if (document.queryCommandState(name)) return DECMDF.LATCHED; } catch (e) { }
        }
        return DECMDF.ENABLED;
      },
      exec: function (option, argument) {
        return document.execCommand(name, false, value ? value(argument) : null);
      },
    };
  }

  C[DECMD.BOLD] = engineCommand('bold', true);
  C[DECMD.ITALIC] = engineCommand('italic', true);
  C[DECMD.UNDERLINE] = engineCommand('underline', true);
  C[DECMD.ORDERLIST] = engineCommand('insertOrderedList', true);
  C[DECMD.UNORDERLIST] = engineCommand('insertUnorderedList', true);
  C[DECMD.JUSTIFYLEFT] = engineCommand('justifyLeft', true);
  C[DECMD.JUSTIFYCENTER] = engineCommand('justifyCenter', true);
  C[DECMD.JUSTIFYRIGHT] = engineCommand('justifyRight', true);
  C[DECMD.INDENT] = engineCommand('indent', false);

  // Outdent has something to do only inside an indented block or a list.
  C[DECMD.OUTDENT] = engineCommand('outdent', false);
  C[DECMD.OUTDENT].status = function () {
    if (!engineEnabled('outdent')) return DECMDF.DISABLED;
    const el = focusElement();
    return enabledIf(el && el.closest('blockquote, li, ul, ol') &&
                     inBody(el.closest('blockquote, li, ul, ol')));
  };

  function textArgument(argument) {
    const s = argument === null || argument === undefined ? '' : String(argument);
    if (!s) throw new Error('Invalid argument');
    return s;
  }

  C[DECMD.SETFORECOLOR] = engineCommand('foreColor', false, textArgument);
  C[DECMD.SETFONTNAME] = engineCommand('fontName', false, textArgument);
  C[DECMD.SETFONTSIZE] = engineCommand('fontSize', false, function (argument) {
    const n = parseInt(argument, 10);
    if (!(n >= 1 && n <= 7)) throw new Error('Invalid argument');
    return String(n);
  });

  // ---- block formats ------------------------------------------------------------------

  const BLOCK_FORMATS = [
    ['Normal', 'div'], ['Formatted', 'pre'], ['Address', 'address'],
    ['Heading 1', 'h1'], ['Heading 2', 'h2'], ['Heading 3', 'h3'],
    ['Heading 4', 'h4'], ['Heading 5', 'h5'], ['Heading 6', 'h6'],
    ['Numbered List', 'ol'], ['Bulleted List', 'ul'], ['Paragraph', 'p'],
  ];
  const NAME_OF_TAG = {};
  BLOCK_FORMATS.forEach(function (f) { NAME_OF_TAG[f[1].toUpperCase()] = f[0]; });

  // The name of the format of the block the caret is in: its nearest block of a known
  // format, a list item by its list; anything else is "Normal".
  function blockFormat() {
    for (let el = focusElement(); el && el !== document.body; el = el.parentElement) {
      if (el.tagName === 'LI') {
        const list = el.parentElement;
        return list && list.tagName === 'OL' ? 'Numbered List' : 'Bulleted List';
      }
      if (el.tagName === 'DIV' || el.tagName === 'P' || el.tagName === 'PRE' ||
          el.tagName === 'ADDRESS' || /^H[1-6]$/.test(el.tagName)) {
        return NAME_OF_TAG[el.tagName];
      }
      if (el.tagName === 'TD' || el.tagName === 'TH' || el.tagName === 'BLOCKQUOTE') break;
    }
    return 'Normal';
  }

  function blockContext() { return !!range() && !T.selectedElement(); }

  C[DECMD.GETBLOCKFMTNAMES] = {
    plain: true,
    query: true,
    exec: function () { return BLOCK_FORMATS.map(function (f) { return f[0]; }); },
  };
  C[DECMD.GETBLOCKFMT] = {
    plain: true,
    query: true,
    status: function () { return enabledIf(blockContext()); },
    exec: function () { return blockFormat(); },
  };
  C[DECMD.SETBLOCKFMT] = {
    status: function () { return enabledIf(blockContext()); },
    exec: function (option, name) {
      const format = BLOCK_FORMATS.filter(function (f) { return f[0] === String(name); })[0];
      if (!format) throw new Error('Unknown block format ' + name);
      const current = blockFormat();
      if (current === format[0]) return true;
      // A list item leaves its list before it takes another format.
      if (current === 'Numbered List') document.execCommand('insertOrderedList');
      if (current === 'Bulleted List') document.execCommand('insertUnorderedList');
      if (format[1] === 'ol') return document.execCommand('insertOrderedList');
      if (format[1] === 'ul') return document.execCommand('insertUnorderedList');
      return document.execCommand('formatBlock', false, format[1]);
    },
  };

  // ---- font dialog: applies what differs from the selection's font ----------------------

  T.fontState = function () {
    const state = function (name) {
      try { return document.queryCommandState(name); } catch (e) { return false; }
    };
    return {
      name: single(fontNames(), ''),
      size: single(fontSizes(), 0),
      bold: state('bold'),
      italic: state('italic'),
      underline: state('underline'),
      strike: state('strikeThrough'),
    };
  };

  C[DECMD.FONT] = {
    status: function () { return enabledIf(engineEnabled('fontName')); },
    exec: function (option, choice) {
      if (!choice || typeof choice !== 'object') throw new Error('Invalid argument');
      const now = T.fontState();
      if (choice.name && choice.name !== now.name) document.execCommand('fontName', false, String(choice.name));
      const size = parseInt(choice.size, 10);
      if (size >= 1 && size <= 7 && size !== now.size) document.execCommand('fontSize', false, String(size));
      [['bold', 'bold'], ['italic', 'italic'], ['underline', 'underline'],
       ['strike', 'strikeThrough']].forEach(function (p) {
        if (p[0] in choice && !!choice[p[0]] !== now[p[0]]) document.execCommand(p[1]);
      });
      return true;
    },
  };

  // ---- hyperlink ----------------------------------------------------------------------

  function linkOf(el) {
    const a = el && el.closest('a[href]');
    return a && inBody(a) ? a : null;
  }

  // The address of the link the selection is in, or "".
  T.linkAddress = function () {
    const a = linkOf(focusElement());
    return a ? a.getAttribute('href') : '';
  };

  function escapeText(s) {
    return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  }

  C[DECMD.HYPERLINK] = {
    status: function () { return enabledIf(!!range()); },
    exec: function (option, argument) {
      const address = textArgument(argument);
      const el = T.selectedElement();
      if (el) {
        // A selected element becomes the link's content, or its link gets the address.
        const a = linkOf(el);
        if (a) {
          a.setAttribute('href', address);
        } else {
          const link = document.createElement('a');
          link.setAttribute('href', address);
          el.parentNode.insertBefore(link, el);
          link.appendChild(el);
        }
        T.selectElement(el);
        return true;
      }
      const r = range();
      if (r.collapsed) {
        const a = linkOf(elementOf(r.startContainer));
        if (a) { a.setAttribute('href', address); return true; }
        const link = document.createElement('a');
        link.setAttribute('href', address);
        link.textContent = address;
        T.insertMarkup(r, link.outerHTML);
        return true;
      }
      return document.execCommand('createLink', false, address);
    },
  };

  // ---- clipboard: the host puts the content on the real clipboard -------------------------

  const INLINE_WRAPPERS = ['A', 'B', 'STRONG', 'I', 'EM', 'U', 'S', 'STRIKE', 'FONT', 'SPAN',
                           'SUB', 'SUP', 'BIG', 'SMALL', 'CODE', 'TT'];

  // The selection as markup and text; text inside one formatted run keeps its format.
  function selectionContent() {
    const el = T.selectedElement();
    if (el) return { html: el.outerHTML, text: el.innerText || '' };
    const r = range();
    if (!r || r.collapsed) return null;
    let node = r.cloneContents();
    for (let p = elementOf(r.commonAncestorContainer); p && p !== document.body &&
         INLINE_WRAPPERS.indexOf(p.tagName) >= 0; p = p.parentElement) {
      const wrapper = p.cloneNode(false);
      wrapper.appendChild(node);
      node = wrapper;
    }
    const box = document.createElement('div');
    box.appendChild(node);
    return { html: box.innerHTML, text: getSelection().toString() };
  }

  function hasSelection() {
    if (T.selectedElement()) return true;
    const r = range();
    return !!r && !r.collapsed;
  }

  C[DECMD.COPY] = {
    plain: true,
    query: true,
    status: function () { return enabledIf(hasSelection()); },
    exec: function () { return selectionContent(); },
  };
  C[DECMD.CUT] = {
    status: function () { return enabledIf(hasSelection()); },
    exec: function () {
      const content = selectionContent();
      const el = T.selectedElement();
      if (el) {
        const r = document.createRange();
        r.selectNode(el);
        T.insertMarkup(r, '');
      } else if (!document.execCommand('delete')) {
        range().deleteContents();
      }
      return content;
    },
  };
  // Paste: 35-paste.js.

  // ---- find: the engine's own search, which selects what it finds ------------------------

  // Selects the next match of text after the selection (before it, searching up),
  // going round the page's end; false, with the selection as it was, when there is none.
  T.find = function (text, matchCase, backward) {
    const before = range();
    const keep = before ? before.cloneRange() : null;
    let found = false;
    try {
      found = window.find(String(text), !!matchCase, !!backward, true, false, false, false);
    } catch (e) {
      found = false;
    }
    const sel = getSelection();
    if (!found || !range()) {
      if (keep) {
        sel.removeAllRanges();
        sel.addRange(keep);
      }
      return false;
    }
    T.control = null;
    T.displayChanged();
    return true;
  };

  C[DECMD.FINDTEXT] = { plain: true, status: function () { return DECMDF.ENABLED; } };

  // ---- undo, redo, select all ------------------------------------------------------------

  C[DECMD.UNDO] = {
    plain: true,
    status: function () { return enabledIf(T.undo.canUndo()); },
    exec: function () { return T.undo.undo(); },
  };
  C[DECMD.REDO] = {
    plain: true,
    status: function () { return enabledIf(T.undo.canRedo()); },
    exec: function () { return T.undo.redo(); },
  };
  C[DECMD.SELECTALL] = {
    plain: true,
    status: function () { return enabledIf(!!document.body); },
    exec: function () {
      T.control = null;
      const r = document.createRange();
      r.selectNodeContents(document.body);
      const sel = getSelection();
      sel.removeAllRanges();
      sel.addRange(r);
      return true;
    },
  };

  // ---- the display's state ---------------------------------------------------------------

  // What the host's toolbar, font boxes and status bar show, in one answer: the statuses
  // of the formatting commands and of the three reading ones, the values those read
  // where their status gives one, the selection's type and whether it is in a table.
  const DISPLAY_COMMANDS = [
    DECMD.BOLD, DECMD.ITALIC, DECMD.UNDERLINE, DECMD.ORDERLIST, DECMD.UNORDERLIST, DECMD.OUTDENT,
    DECMD.INDENT, DECMD.JUSTIFYLEFT, DECMD.JUSTIFYCENTER, DECMD.JUSTIFYRIGHT, DECMD.SETFORECOLOR,
  ];
  T.displayState = function () {
    const statuses = {};
    DISPLAY_COMMANDS.forEach(function (id) {
      try { statuses[id] = T.status(id); } catch (e) { statuses[id] = DECMDF.NOTSUPPORTED; }
    });
    const names = fontNames();
    const sizes = fontSizes();
    statuses[DECMD.GETFONTNAME] = valuesStatus(names);
    statuses[DECMD.GETFONTSIZE] = valuesStatus(sizes);
    statuses[DECMD.GETBLOCKFMT] = C[DECMD.GETBLOCKFMT].status();
    return {
      statuses: statuses,
      fontName: statuses[DECMD.GETFONTNAME] === DECMDF.ENABLED ? single(names, '') : '',
      fontSize: statuses[DECMD.GETFONTSIZE] === DECMDF.ENABLED ? single(sizes, 0) : 0,
      blockFormat: statuses[DECMD.GETBLOCKFMT] >= DECMDF.ENABLED ? blockFormat() : '',
      selectionType: T.selectionType(),
      inTable: !!(T.inTable && T.inTable()),
    };
  };
})();
