// The surface's own undo stack. The engine's stack cannot undo changes made through
// the DOM (it loses track of them), so every change to the page is recorded from a
// MutationObserver and undone by reverting the records. One step per command of ours,
// or per burst of typing.
(function () {
  'use strict';
  const T = window.__tsly;
  const TYPING_PAUSE_MS = 1500;

  const U = {
    done: [],
    undone: [],
    depth: 0,
    open: null,        // the step a command is filling
    lastTyping: 0,
    breakNext: true,
    ignoring: false,
  };
  T.undo = U;

  function convert(r) {
    return {
      type: r.type,
      target: r.target,
      added: Array.from(r.addedNodes || []),
      removed: Array.from(r.removedNodes || []),
      previous: r.previousSibling,
      next: r.nextSibling,
      name: r.attributeName,
      ns: r.attributeNamespace,
      oldValue: r.oldValue,
      newValue: null,
    };
  }

  function take(records) {
    if (U.ignoring || !records.length) return;
    T.dirty = true;
    let step;
    if (U.depth > 0) {
      step = U.open;
    } else {
      const now = Date.now();
      const top = U.done[U.done.length - 1];
      if (top && top.typing && !U.breakNext && now - U.lastTyping < TYPING_PAUSE_MS) {
        step = top;
      } else {
        step = { typing: true, records: [] };
        U.done.push(step);
      }
      U.lastTyping = now;
      U.breakNext = false;
    }
    records.forEach(function (r) { step.records.push(convert(r)); });
    U.undone = [];
    T.displayChanged();
  }

  const observer = new MutationObserver(take);
  const OPTIONS = { subtree: true, childList: true, attributes: true, attributeOldValue: true,
                    characterData: true, characterDataOldValue: true };

  U.flush = function () { take(observer.takeRecords()); };

  // Forgets everything: after a load or a write.
  U.reset = function () {
    observer.disconnect();
    U.done = [];
    U.undone = [];
    U.depth = 0;
    U.open = null;
    U.breakNext = true;
    U.ignoring = false;
    observer.observe(document, OPTIONS);
  };

  // Stops recording until the next reset (a write is about to replace the page).
  U.suspend = function () {
    observer.takeRecords();
    observer.disconnect();
  };

  U.breakTyping = function () { U.flush(); U.breakNext = true; };

  // Runs fn, a correction of ours to what the engine has just done for the user, and
  // adds its changes to the step that holds the engine's: one Undo takes back both.
  U.amend = function (fn) {
    U.flush();
    const top = U.depth > 0 ? U.open : U.done[U.done.length - 1];
    try {
      fn();
    } finally {
      const records = observer.takeRecords();
      if (records.length && top && !U.ignoring) {
        records.forEach(function (r) { top.records.push(convert(r)); });
        T.dirty = true;
        U.undone = [];
        T.displayChanged();
      } else {
        take(records);
      }
    }
  };

  U.begin = function () {
    if (U.depth++ === 0) {
      U.flush();
      U.open = { typing: false, records: [] };
    }
  };

  U.end = function () {
    if (U.depth === 0) return;
    U.flush();
    if (--U.depth === 0) {
      if (U.open.records.length) {
        U.done.push(U.open);
        U.undone = [];
      }
      U.open = null;
      U.breakNext = true;
    }
  };

  // Runs fn, which replaces the whole document, as one step: the document's old nodes
  // for its new ones. Recording the parser's every insertion would cost a record per
  // node of the page; the step needs only the two sets.
  U.replaceDocument = function (fn) {
    U.flush();
    const removed = Array.from(document.childNodes);
    U.ignoring = true;
    try {
      return fn();
    } finally {
      // Even a replacement that failed half way is a step: Undo gives the page back.
      observer.takeRecords();
      U.ignoring = false;
      observer.disconnect();
      observer.observe(document, OPTIONS);
      const added = Array.from(document.childNodes);
      U.done.push({ typing: false, whole: true, records: [{
        type: 'childList', target: document, added: added, removed: removed,
        previous: null, next: null, name: null, ns: null, oldValue: null, newValue: null }] });
      U.undone = [];
      U.breakNext = true;
      T.dirty = true;
      T.displayChanged();
    }
  };

  function childIn(parent, node) { return node && node.parentNode === parent ? node : null; }

  function insertAt(rec, node) {
    const next = childIn(rec.target, rec.next);
    if (next) rec.target.insertBefore(node, next);
    else if (childIn(rec.target, rec.previous)) rec.target.insertBefore(node, rec.previous.nextSibling);
    else rec.target.appendChild(node);
  }

  function revert(rec) {
    if (rec.type === 'attributes') {
      rec.newValue = rec.target.getAttributeNS(rec.ns, rec.name);
      if (rec.oldValue === null) rec.target.removeAttributeNS(rec.ns, rec.name);
      else rec.target.setAttributeNS(rec.ns, rec.name, rec.oldValue);
    } else if (rec.type === 'characterData') {
      rec.newValue = rec.target.data;
      rec.target.data = rec.oldValue;
    } else {
      for (let i = rec.added.length - 1; i >= 0; i--) {
        const n = rec.added[i];
        if (n.parentNode === rec.target) rec.target.removeChild(n);
      }
      rec.removed.forEach(function (n) { insertAt(rec, n); });
    }
  }

  function reapply(rec) {
    if (rec.type === 'attributes') {
      if (rec.newValue === null) rec.target.removeAttributeNS(rec.ns, rec.name);
      else rec.target.setAttributeNS(rec.ns, rec.name, rec.newValue);
    } else if (rec.type === 'characterData') {
      rec.target.data = rec.newValue;
    } else {
      rec.removed.forEach(function (n) { if (n.parentNode === rec.target) rec.target.removeChild(n); });
      rec.added.forEach(function (n) { insertAt(rec, n); });
    }
  }

  // The node a step changed last, for putting the caret back near it.
  function caretAfter(step) {
    const r = step.records[step.records.length - 1];
    if (!r) return false;
    let node = r.type === 'childList' ? (r.added[r.added.length - 1] || r.removed[0] || r.target)
                                      : r.target;
    if (!node || !document.contains(node)) node = r.target;
    if (!node || !document.contains(node) || !document.body || !document.body.contains(node)) return false;
    try {
      const range = document.createRange();
      if (node.nodeType === Node.TEXT_NODE) range.setStart(node, node.data.length);
      else range.setStartAfter(node);
      range.collapse(true);
      const sel = getSelection();
      sel.removeAllRanges();
      sel.addRange(range);
      return true;
    } catch (e) {
      return false; // the caret stays where it was
    }
  }

  function nodeLength(node) {
    return node.nodeType === Node.ELEMENT_NODE || node.nodeType === Node.DOCUMENT_NODE
      ? node.childNodes.length : (node.data || '').length;
  }

  function replay(step, forward) {
    // The selection is a live range: the engine corrects it at every node taken out or
    // put back, which makes a step of many thousand nodes (a large paste) take minutes.
    // It is left out meanwhile and comes back where the step does not put the caret.
    const sel = getSelection();
    const was = sel.rangeCount ? [sel.anchorNode, sel.anchorOffset, sel.focusNode, sel.focusOffset]
                               : null;
    sel.removeAllRanges();
    U.ignoring = true;
    try {
      if (forward) step.records.forEach(reapply);
      else for (let i = step.records.length - 1; i >= 0; i--) revert(step.records[i]);
      observer.takeRecords();
    } finally {
      U.ignoring = false;
    }
    T.dirty = true;
    T.control = null;
    if (step.whole && document.body) {
      // The other document's body takes the keys only once it has the focus afresh.
      if (document.activeElement && document.activeElement.blur) document.activeElement.blur();
      document.body.focus({ preventScroll: true });
    }
    if (!caretAfter(step) && was && document.contains(was[0]) && document.contains(was[2])) {
      try {
        sel.setBaseAndExtent(was[0], Math.min(was[1], nodeLength(was[0])),
                             was[2], Math.min(was[3], nodeLength(was[2])));
      } catch (e) { /* no selection: the page has none to give back */ }
    }
    U.breakNext = true;
    T.displayChanged();
  }

  U.canUndo = function () { U.flush(); return U.done.length > 0; };
  U.canRedo = function () { U.flush(); return U.undone.length > 0; };

  U.undo = function () {
    U.flush();
    const step = U.done.pop();
    if (!step) return false;
    replay(step, false);
    U.undone.push(step);
    return true;
  };

  U.redo = function () {
    U.flush();
    const step = U.undone.pop();
    if (!step) return false;
    replay(step, true);
    U.done.push(step);
    return true;
  };
})();
