// The editing commands, by their published identifiers. Each has a status() that
// answers 0 (not supported), 1 (disabled), 3 (enabled), 7 (latched) or 11 (mixed) for
// the current selection, and an exec(option, argument). Commands run inside one undo
// step unless marked plain.
(function () {
  'use strict';
  const T = window.__tsly;
  const C = T.commands;

  function enabledIf(test) { return test ? 3 : 1; }

  C[5049] = { // DECMD_UNDO
    plain: true,
    status: function () { return enabledIf(T.undo.canUndo()); },
    exec: function () { return T.undo.undo(); },
  };
  C[5033] = { // DECMD_REDO
    plain: true,
    status: function () { return enabledIf(T.undo.canRedo()); },
    exec: function () { return T.undo.redo(); },
  };
  C[5035] = { // DECMD_SELECTALL
    plain: true,
    status: function () { return 3; },
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
})();
