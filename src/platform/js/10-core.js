// The editing surface's own script. It runs in the application's world, apart from
// the page's scripts (which never run while a page is edited), and shares the DOM.
// Nothing here may leave a trace in the page's DOM: the border and detail displays are
// adopted style sheets, which are not serialised.
// Timers (setTimeout, setInterval, requestAnimationFrame) never fire in a page whose
// scripts are off, this world included: defer work with microtasks (Promise.then).
(function () {
  'use strict';
  if (window.__tsly) return;

  // Editing starts with the document: a large page that became editable only after
  // its load would be styled and laid out a second time before the first keystroke.
  try { document.designMode = 'on'; } catch (e) { /* set again when the page is attached */ }

  const T = {
    bridge: null,
    control: null,          // the element of a "Control" selection
    options: { borders: false, details: false, snap: false, div: true },
    commands: {},           // id -> { status(), exec(option, argument) }
    sheets: {},
    pendingDisplay: false,
    displaySerial: 0,
    session: Math.random().toString(36).slice(2),
  };
  window.__tsly = T;

  // ---- the changed flag and the host's copy of the page -------------------------
  // The host keeps a copy of the page as of its latest change, read when the page is
  // quiet. Every change sets the changed flag, so the flag tells the host: once, until
  // the host next reads the page (or the page is replaced), however many changes come.
  let dirty = false;
  let changeSent = false;
  Object.defineProperty(T, 'dirty', {
    enumerable: true,
    get: function () { return dirty; },
    set: function (on) {
      dirty = !!on;
      if (dirty && !changeSent) {
        changeSent = true;
        T.notify(HOST_EVENT.CHANGED);
      }
    },
  });
  // The flag as a write or a load leaves it: no change of the user's.
  function setDirtyQuietly(on) {
    dirty = !!on;
    changeSent = false;
  }

  // ---- events to the host ------------------------------------------------------

  // Events wait for the web channel, which comes up a moment after the page.
  const unsent = [];
  T.notify = function (type, data) {
    if (T.bridge) T.bridge.notify(type, data || {});
    else unsent.push([type, data || {}]);
  };

  // Many DOM events make one DisplayChanged. It carries the state the host's display
  // shows, so that the host never waits on the page to show it.
  let shownAt = null; // where the selection was when the display's state was last read
  T.displayChanged = function () {
    if (T.pendingDisplay) return;
    T.pendingDisplay = true;
    T.displaySerial++;
    Promise.resolve().then(function () {
      T.pendingDisplay = false;
      shownAt = selectionMark();
      T.notify(HOST_EVENT.DISPLAY, { state: T.currentDisplay() });
      if (T.options.details) T.comments.refresh();
    });
  };

  function selectionMark() {
    const s = getSelection();
    return [s.anchorNode, s.anchorOffset, s.focusNode, s.focusOffset, T.control];
  }

  // A key released or the engine's report of a selection change: the display changes
  // only when the selection has moved since its state was last read. Every change to the
  // page and every command reports itself; a typed key would otherwise read the whole
  // state three times.
  T.selectionMoved = function () {
    const now = selectionMark();
    if (!shownAt || now.some(function (v, i) { return v !== shownAt[i]; })) T.displayChanged();
  };

  // The display's state now, marked with this page's session and the number of the last
  // display change, so that the host keeps the newest and drops a late older one.
  T.currentDisplay = function () {
    let state = null;
    try {
      state = T.displayState ? T.displayState() : null;
    } catch (e) {
      state = null;
    }
    if (state) {
      state.session = T.session;
      state.serial = T.displaySerial;
    }
    return state;
  };

  if (typeof QWebChannel !== 'undefined' && typeof qt !== 'undefined') {
    new QWebChannel(qt.webChannelTransport, function (channel) {
      T.bridge = channel.objects.bridge;
      unsent.splice(0).forEach(function (e) { T.notify(e[0], e[1]); });
    });
  }

  // ---- set-up after every load or write ----------------------------------------

  // The editing aids show on the screen only: a printed page is the page itself.
  const styles = {
    // Tables and positioned boxes whose borders are invisible get a dotted outline.
    borders:
      '@media screen {' +
      'table:not([border]), table[border="0"], table[border=""],' +
      'table:not([border]) > * > tr > td, table:not([border]) > * > tr > th,' +
      'table[border="0"] > * > tr > td, table[border="0"] > * > tr > th,' +
      'table[border=""] > * > tr > td, table[border=""] > * > tr > th' +
      '{ outline: 1px dotted #808080 !important; outline-offset: -1px; }' +
      'div[style*="absolute" i]:not([style*="border" i]),' +
      'span[style*="absolute" i]:not([style*="border" i])' +
      '{ outline: 1px dotted #808080 !important; } }',
    // Anchors, scripts and comments become visible marks.
    details:
      '@media screen {' +
      'a[name]::before { content: "\\2693"; font: bold 10px sans-serif; color: #a00000;' +
      ' border: 1px solid #a00000; background: #fff0f0; padding: 0 2px; margin-right: 2px; }' +
      'body script, body noscript, body style { display: inline-block !important;' +
      ' font-size: 0 !important; width: auto !important; height: auto !important;' +
      ' vertical-align: middle; }' +
      'body script::before { content: "SCRIPT"; }' +
      'body noscript::before { content: "NOSCRIPT"; }' +
      'body style::before { content: "STYLE"; }' +
      'body script::before, body noscript::before, body style::before {' +
      ' font: bold 9px sans-serif; color: #604000; background: #fff8c0;' +
      ' border: 1px solid #a08000; padding: 0 2px; } }',
  };

  function sheet(name) {
    if (!T.sheets[name]) {
      const s = new CSSStyleSheet();
      s.replaceSync(styles[name]);
      T.sheets[name] = s;
    }
    return T.sheets[name];
  }

  T.applyView = function () {
    const ours = Object.keys(styles).map(sheet);
    const others = Array.from(document.adoptedStyleSheets || []).filter(function (s) {
      return ours.indexOf(s) < 0;
    });
    const wanted = [];
    if (T.options.borders) wanted.push(sheet('borders'));
    if (T.options.details) wanted.push(sheet('details'));
    document.adoptedStyleSheets = others.concat(wanted);
    if (T.comments) T.comments.refresh();
  };

  T.setOptions = function (options) {
    Object.assign(T.options, options || {});
    T.applyView();
    try {
      document.execCommand('defaultParagraphSeparator', false, T.options.div ? 'div' : 'p');
    } catch (e) { /* not supported: keep the engine's */ }
    return true;
  };

  const listeners = [];
  function listen(target, type, fn, capture) {
    target.addEventListener(type, fn, !!capture);
    listeners.push([target, type, fn, !!capture]);
  }
  // What other parts of the editing script listen to on every page: each hook gets
  // listen(target, type, fn, capture), whose listeners go with the page.
  T.attachHooks = [];

  // keepUndo: the page was rewritten as one undoable change (see T.write).
  T.attach = function (options, keepUndo) {
    listeners.splice(0).forEach(function (l) { l[0].removeEventListener(l[1], l[2], l[3]); });
    Object.assign(T.options, options || {});
    document.designMode = 'on';
    try { document.execCommand('styleWithCSS', false, false); } catch (e) { }
    T.setOptions({});
    T.control = null;
    listen(document, 'selectionchange', onSelectionChange);
    listen(document, 'mousedown', onMouseDown, true);
    listen(document, 'input', T.displayChanged);
    listen(document, 'keyup', T.selectionMoved);
    listen(window, 'resize', function () { if (T.options.details) T.comments.refresh(); });
    // A page's own links, forms and drags never navigate away from the editor.
    listen(document, 'click', function (e) {
      if (e.target && e.target.closest && e.target.closest('a[href], form')) e.preventDefault();
    }, true);
    listen(document, 'submit', function (e) { e.preventDefault(); }, true);
    listen(document, 'dragstart', function (e) {
      if (T.control && e.target === T.control) e.preventDefault();
    }, true);
    // A page that replaced another in the focused view takes typed keys only once its
    // body has been given the focus afresh (the keys arrive, but nothing is typed).
    if (document.body) {
      if (document.activeElement && document.activeElement.blur) document.activeElement.blur();
      document.body.focus({ preventScroll: true });
    }
    T.attachHooks.forEach(function (hook) { hook(listen); });
    if (!keepUndo) {
      if (T.undo) T.undo.reset();
      setDirtyQuietly(false);
    }
    T.displayChanged();
    // The host has the display's state at once, before the first event brings it.
    return { display: T.currentDisplay(), characterSet: document.characterSet || '' };
  };

  // ---- comment marks --------------------------------------------------------------
  // Comments cannot be styled, so the detail display draws their marks in one picture
  // that a pseudo-element of the body lays over the page (nothing enters the DOM).

  function commentPoint(c) {
    const rectOf = function (node, last) {
      if (!node) return null;
      let rects;
      if (node.nodeType === Node.ELEMENT_NODE) rects = node.getClientRects();
      else if (node.nodeType === Node.TEXT_NODE) {
        const r = document.createRange();
        r.selectNodeContents(node);
        rects = r.getClientRects();
      } else return null;
      if (!rects.length) return null;
      const b = last ? rects[rects.length - 1] : rects[0];
      return last ? { x: b.right, y: b.top } : { x: b.left, y: b.top };
    };
    for (let n = c.previousSibling; n; n = n.previousSibling) {
      const p = rectOf(n, true);
      if (p) return p;
    }
    for (let n = c.nextSibling; n; n = n.nextSibling) {
      const p = rectOf(n, false);
      if (p) return p;
    }
    const parent = c.parentElement;
    if (parent) {
      const b = parent.getBoundingClientRect();
      return { x: b.left, y: b.top };
    }
    return { x: 0, y: 0 };
  }

  T.comments = {
    sheet: null,
    scheduled: false,
    refresh: function () {
      if (this.scheduled) return;
      this.scheduled = true;
      const self = this;
      // Timers never fire in a page whose scripts are off; microtasks do.
      Promise.resolve().then(function () { self.scheduled = false; self.draw(); });
    },
    draw: function () {
      if (!this.sheet) this.sheet = new CSSStyleSheet();
      const sheets = Array.from(document.adoptedStyleSheets || []).filter((s) => s !== this.sheet);
      if (!T.options.details || !document.body) {
        document.adoptedStyleSheets = sheets;
        return 0;
      }
      const body = document.body;
      const positioned = getComputedStyle(body).position !== 'static';
      const origin = positioned ? body.getBoundingClientRect() : { left: -scrollX, top: -scrollY };
      const marks = [];
      const walker = document.createTreeWalker(body, NodeFilter.SHOW_COMMENT);
      let c;
      while ((c = walker.nextNode())) {
        const p = commentPoint(c);
        const x = Math.max(0, Math.round(p.x - origin.left));
        const y = Math.max(0, Math.round(p.y - origin.top));
        marks.push('<g transform="translate(' + x + ',' + y + ')"><rect width="26" height="12"' +
                   ' rx="2" fill="#e8f0ff" stroke="#3060a0"/><text x="3" y="9" font-size="9"' +
                   ' font-family="sans-serif" fill="#3060a0">&lt;!--&gt;</text></g>');
      }
      this.count = marks.length;
      if (!marks.length) {
        document.adoptedStyleSheets = sheets;
        return 0;
      }
      const w = Math.max(document.documentElement.scrollWidth, 1);
      const h = Math.max(document.documentElement.scrollHeight, 1);
      const svg = '<svg xmlns="http://www.w3.org/2000/svg" width="' + w + '" height="' + h +
                  '" data-marks="' + marks.length + '">' + marks.join('') + '</svg>';
      this.sheet.replaceSync('@media screen { body::after { content: url("data:image/svg+xml,' +
                             encodeURIComponent(svg) + '") !important; position: absolute !important;' +
                             ' left: 0 !important; top: 0 !important; pointer-events: none !important;' +
                             ' z-index: 2147483647 !important; display: block !important; } }');
      document.adoptedStyleSheets = sheets.concat([this.sheet]);
      return marks.length;
    },
  };

  // ---- the page as text ---------------------------------------------------------

  function doctypeText(d) {
    let s = '<!DOCTYPE ' + d.name;
    if (d.publicId) s += ' PUBLIC "' + d.publicId + '"';
    if (d.systemId) s += (d.publicId ? '' : ' SYSTEM') + ' "' + d.systemId + '"';
    return s + '>';
  }

  T.html = function () {
    const parts = [];
    let afterRoot = false;
    document.childNodes.forEach(function (n) {
      let part = null;
      if (n.nodeType === Node.DOCUMENT_TYPE_NODE) part = doctypeText(n);
      else if (n.nodeType === Node.COMMENT_NODE) part = '<!--' + n.data + '-->';
      else if (n.nodeType === Node.ELEMENT_NODE) part = n.outerHTML;
      if (part === null) return;
      // Each part before <html> on a line of its own (the parser drops those line ends);
      // none after it, where the parser would put a line end into the body, one more at
      // every save.
      if (parts.length && !afterRoot) parts.push('\n');
      parts.push(part);
      if (n.nodeType === Node.ELEMENT_NODE) afterRoot = true;
    });
    return parts.join('');
  };

  // The last node inside n, as deep as it goes (n itself when it has no children).
  function deepestLast(n) {
    while (n.lastChild) n = n.lastChild;
    return n;
  }

  // The page's source has count comments after "</html>". The engine's parser keeps the
  // first of them there only when it follows the tag at once: from the first blank on,
  // it puts them at the end of the body (or of the element still open in it). They go
  // back after <html>, where a save writes them.
  T.placeCommentsAfterHtml = function (count) {
    const root = document.documentElement;
    if (!root || !count) return 0;
    let outside = 0;
    for (let n = root.nextSibling; n; n = n.nextSibling) {
      if (n.nodeType === Node.COMMENT_NODE) outside++;
    }
    // Back from the page's last node: comments and blanks; an element passed on the way
    // up holds them (up), any other node ends the search.
    const moving = [];
    let n = deepestLast(root), up = false;
    while (n && n !== root && moving.length < count - outside) {
      if (!up) {
        if (n.nodeType === Node.COMMENT_NODE) moving.unshift(n);
        else if (n.nodeType !== Node.TEXT_NODE || /\S/.test(n.data)) break;
      }
      if (n.previousSibling) {
        n = deepestLast(n.previousSibling);
        up = false;
      } else {
        n = n.parentNode;
        up = true;
      }
    }
    moving.forEach(function (c) { document.appendChild(c); });
    return moving.length;
  };

  // Replaces the page with html, which has commentsAfterHtml comments after "</html>".
  // An undoable write (the source view's edit) is one step of the undo stack, which it
  // keeps; any other starts the stack afresh.
  T.write = function (html, options, dirty, undoable, commentsAfterHtml) {
    if (undoable && T.undo) {
      // The user goes on where they were, as far as the new page has the same shape.
      const place = T.place ? T.place() : null;
      const attached = T.undo.replaceDocument(function () {
        document.open();
        document.write(html);
        document.close();
        T.placeCommentsAfterHtml(commentsAfterHtml);
        return T.attach(options, true);
      });
      if (place) T.restorePlace(place);
      return attached;
    }
    if (T.undo) T.undo.suspend();
    document.open();
    document.write(html);
    document.close();
    T.placeCommentsAfterHtml(commentsAfterHtml);
    const attached = T.attach(options);
    setDirtyQuietly(dirty);
    return attached;
  };

  // The page's text crosses to the host in pieces of bounded size: a large page in one
  // answer would run the render process out of memory. textBegin makes the text once
  // and keeps it until textEnd, so that every piece comes from the same text.
  const texts = new Map();
  let textSerial = 0;
  // At most this many texts wait for their reader: one that failed never ends its own.
  const KEPT_TEXTS = 3;
  T.textBegin = function () {
    const id = ++textSerial;
    const text = T.html();
    texts.set(id, text);
    for (const old of texts.keys()) {
      if (texts.size <= KEPT_TEXTS) break;
      texts.delete(old);
    }
    return { id: id, length: text.length };
  };
  // A piece never ends between the two halves of a character outside the basic plane:
  // the host would get a broken character. The host goes on from where it ends.
  T.textPiece = function (id, from, count) {
    const text = texts.get(id);
    if (text === undefined) throw new Error('The page text ' + id + ' is gone');
    let end = Math.min(text.length, from + count);
    if (end < text.length && end > from) {
      const last = text.charCodeAt(end - 1);
      if (last >= 0xD800 && last <= 0xDBFF) end--;
    }
    return text.substring(from, end);
  };
  T.textEnd = function (id) {
    texts.delete(id);
    return true;
  };
  // The host's copy: the page's text and its changed flag, as of now.
  T.copyBegin = function () {
    if (T.undo) T.undo.flush();
    changeSent = false;
    const begun = T.textBegin();
    begun.dirty = dirty;
    return begun;
  };

  // Text from the host arrives the same way, piece by piece; a call's argument
  // { $received: id } stands for the text received under id.
  const received = new Map();
  T.receive = function (id, piece) {
    if (!received.has(id)) received.set(id, []);
    received.get(id).push(String(piece));
    return true;
  };
  function resolveReceived(arg) {
    if (arg && typeof arg === 'object' && typeof arg.$received === 'number') {
      const pieces = received.get(arg.$received);
      received.delete(arg.$received);
      if (!pieces) throw new Error('The text ' + arg.$received + ' did not arrive');
      return pieces.join('');
    }
    return arg;
  }

  T.isDirty = function () {
    if (T.undo) T.undo.flush();
    return T.dirty;
  };
  T.setDirty = function (on) {
    if (T.undo) T.undo.flush();
    T.dirty = !!on;
    return true;
  };

  T.characterSet = function () { return document.characterSet || ''; };

  // ---- selection ----------------------------------------------------------------

  const CONTROL_TAGS = ['IMG', 'HR', 'INPUT', 'SELECT', 'TEXTAREA', 'BUTTON', 'OBJECT',
                        'EMBED', 'IFRAME', 'APPLET', 'MARQUEE', 'VIDEO', 'AUDIO'];

  function nearEdge(el, x, y, margin) {
    const r = el.getBoundingClientRect();
    if (x < r.left || x > r.right || y < r.top || y > r.bottom) return false;
    return x - r.left < margin || r.right - x < margin || y - r.top < margin ||
           r.bottom - y < margin;
  }

  function isPositioned(el) {
    return el && el.nodeType === 1 && getComputedStyle(el).position === 'absolute';
  }
  T.isPositioned = isPositioned;

  // The element a click selects as a whole: an image, line or form field; a table
  // clicked on its edge; a positioned box clicked on its edge.
  function controlAt(target, x, y) {
    if (!target || target.nodeType !== 1) return null;
    if (target === document.body || target === document.documentElement) return null;
    const field = target.closest(CONTROL_TAGS.join(','));
    if (field && document.body.contains(field)) return field;
    const table = target.closest('table');
    if (table && (target === table || nearEdge(table, x, y, 3))) return table;
    for (let el = target; el && el !== document.body; el = el.parentElement) {
      if (isPositioned(el) && nearEdge(el, x, y, 5)) return el;
    }
    return null;
  }

  T.selectElement = function (el) {
    const sel = getSelection();
    const r = document.createRange();
    r.selectNode(el);
    sel.removeAllRanges();
    sel.addRange(r);
    T.control = el;
    T.displayChanged();
  };

  function controlSelected() {
    const el = T.control;
    if (!el || !el.parentNode || !document.contains(el)) return false;
    const sel = getSelection();
    if (sel.rangeCount !== 1) return false;
    const r = sel.getRangeAt(0);
    const i = Array.prototype.indexOf.call(el.parentNode.childNodes, el);
    return r.startContainer === el.parentNode && r.endContainer === el.parentNode &&
           r.startOffset === i && r.endOffset === i + 1;
  }
  T.selectedElement = function () { return controlSelected() ? T.control : null; };

  function onSelectionChange() {
    if (T.control && !controlSelected()) T.control = null;
    T.selectionMoved();
  }

  function onMouseDown(e) {
    if (T.undo) T.undo.breakTyping();
    const el = controlAt(e.target, e.clientX, e.clientY);
    if (el) {
      if (e.button === 0) e.preventDefault();
      if (e.button !== 2 || !controlSelected() || T.control !== el) T.selectElement(el);
      if (T.onControlMouseDown) T.onControlMouseDown(e, el);
      return;
    }
    T.control = null;
  }

  T.selectionType = function () {
    if (controlSelected()) return 'Control';
    const sel = getSelection();
    return sel.rangeCount && !sel.isCollapsed ? 'Text' : 'None';
  };

  T.selectionText = function () {
    if (controlSelected()) return '';
    return getSelection().toString();
  };

  T.selectionEmpty = function () {
    const sel = getSelection();
    T.control = null;
    if (sel.rangeCount) sel.collapseToStart();
    return true;
  };

  // The range the next insertion replaces: the selected element, the selection, or
  // the start of the body when the page has no selection.
  T.insertionRange = function () {
    const sel = getSelection();
    let r = null;
    if (controlSelected()) {
      r = document.createRange();
      r.selectNode(T.control);
    } else if (sel.rangeCount) {
      r = sel.getRangeAt(0);
    }
    if (!r || !document.body || !document.body.contains(r.commonAncestorContainer) ||
        r.commonAncestorContainer === document.documentElement) {
      if (!document.body) throw new Error('The page has no body');
      if (!r || !document.body.contains(r.commonAncestorContainer)) {
        r = document.createRange();
        r.setStart(document.body, 0);
        r.collapse(true);
      }
    }
    return r;
  };

  // Inserts markup with the Range API, which keeps on* attributes and scripts exactly
  // as written (the engine's own insertHTML command drops them).
  T.insertMarkup = function (range, html) {
    range.deleteContents();
    const fragment = range.createContextualFragment(html);
    const last = fragment.lastChild;
    range.insertNode(fragment);
    const sel = getSelection();
    const caret = document.createRange();
    if (last && last.parentNode) caret.setStartAfter(last);
    else caret.setStart(range.startContainer, range.startOffset);
    caret.collapse(true);
    sel.removeAllRanges();
    sel.addRange(caret);
    T.control = null;
  };

  T.pasteHTML = function (html) {
    const range = T.insertionRange();
    T.step(function () { T.insertMarkup(range, String(html)); });
    return true;
  };

  // ---- body and document ---------------------------------------------------------

  function element(which) {
    const el = which === 'head' ? document.head : document.body;
    if (!el) throw new Error('The page has no ' + which);
    return el;
  }

  T.insertAdjacentHTML = function (which, where, html) {
    T.step(function () { element(which).insertAdjacentHTML(String(where), String(html)); });
    return true;
  };
  T.getAttribute = function (which, name) {
    const v = element(which).getAttribute(name);
    return v === null ? '' : v;
  };
  T.setAttribute = function (which, name, value) {
    T.step(function () { element(which).setAttribute(name, String(value)); });
    return true;
  };
  T.removeAttribute = function (which, name) {
    T.step(function () { element(which).removeAttribute(name); });
    return true;
  };
  T.innerHTML = function (which) { return element(which).innerHTML; };

  const DOC_PROPS = ['title', 'bgColor', 'fgColor', 'linkColor', 'vlinkColor', 'alinkColor'];
  T.documentProperty = function (name) {
    if (DOC_PROPS.indexOf(name) < 0) throw new Error('Unknown property ' + name);
    return String(document[name] || '');
  };
  T.setDocumentProperty = function (name, value) {
    if (DOC_PROPS.indexOf(name) < 0) throw new Error('Unknown property ' + name);
    T.step(function () {
      if (name === 'title' && !document.head && document.documentElement) {
        document.documentElement.insertBefore(document.createElement('head'),
                                              document.documentElement.firstChild);
      }
      document[name] = String(value);
    });
    return true;
  };

  // ---- commands -------------------------------------------------------------------

  // Changes made between these two calls, over several calls from the program, undo
  // as one step (a dialog's result that goes in as more than one insertion).
  T.beginStep = function () { if (T.undo) T.undo.begin(); return true; };
  T.endStep = function () {
    if (T.undo) T.undo.end();
    T.displayChanged();
    return true;
  };

  // One undo step around a change of ours.
  T.step = function (fn) {
    if (!T.undo) return fn();
    T.undo.begin();
    try {
      return fn();
    } finally {
      T.undo.end();
      T.displayChanged();
    }
  };

  // Runs a host call and reports its value or error in one answer.
  T.call = function (name, args) {
    try {
      const fn = T[name];
      if (typeof fn !== 'function') throw new Error('No editor function ' + name);
      const v = fn.apply(T, (args || []).map(resolveReceived));
      return { ok: true, value: v === undefined ? null : v };
    } catch (e) {
      return { ok: false, error: String(e && e.message ? e.message : e) };
    }
  };
})();
