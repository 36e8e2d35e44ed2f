// Table commands on the DOM: rows, columns and cells inserted and deleted, cells merged
// and split, and a new table built from the host's parameters. The engine has no
// commands for tables. Spanning cells are handled through a grid of the table: every
// slot (row, column) names the cell that covers it.
(function () {
  'use strict';
  const T = window.__tsly;
  const C = T.commands;

  // ---- the grid ------------------------------------------------------------------------

  function build(table) {
    const rows = Array.prototype.slice.call(table.rows);
    const slots = rows.map(function () { return []; });
    const at = new Map(); // cell -> { row, col, rows, cols }
    let width = 0;
    rows.forEach(function (tr, r) {
      let c = 0;
      Array.prototype.forEach.call(tr.cells, function (cell) {
        while (slots[r][c]) c++;
        const cols = Math.max(1, cell.colSpan || 1);
        let span = cell.rowSpan > 0 ? cell.rowSpan : rows.length - r;
        span = Math.min(span, rows.length - r);
        at.set(cell, { row: r, col: c, rows: span, cols: cols });
        for (let i = 0; i < span; i++) {
          for (let j = 0; j < cols; j++) slots[r + i][c + j] = cell;
        }
        c += cols;
        width = Math.max(width, c);
      });
    });
    return { table: table, rows: rows, slots: slots, at: at, width: width };
  }

  function tableOf(cell) { return cell.closest('table'); }

  function cellOf(node) {
    const el = T.elementOf(node);
    const cell = el && el.closest('td, th');
    return cell && T.inBody(cell) ? cell : null;
  }

  // The cells the selection starts and ends in, in one table; null outside a table. A
  // selected element counts by the cell it stands in.
  function selectedCells() {
    const el = T.selectedElement();
    if (el) {
      const cell = cellOf(el.parentNode);
      return cell ? { first: cell, last: cell } : null;
    }
    const r = T.range();
    if (!r) return null;
    const first = cellOf(r.collapsed ? r.startContainer : T.boundaryNode(r.startContainer, r.startOffset));
    if (!first) return null;
    let last = r.collapsed ? first : cellOf(r.endContainer);
    if (!last || tableOf(last) !== tableOf(first)) last = first;
    return { first: first, last: last };
  }

  // The rows and columns the two cells cover together.
  function extent(g, a, b) {
    const p = g.at.get(a), q = g.at.get(b);
    return {
      r0: Math.min(p.row, q.row), r1: Math.max(p.row + p.rows, q.row + q.rows) - 1,
      c0: Math.min(p.col, q.col), c1: Math.max(p.col + p.cols, q.col + q.cols) - 1,
    };
  }

  // The extent grown until no cell crosses its edge (what a merge takes whole).
  function closedExtent(g, a, b) {
    const e = extent(g, a, b);
    let grown = true;
    while (grown) {
      grown = false;
      for (let r = e.r0; r <= e.r1; r++) {
        for (let c = e.c0; c <= e.c1; c++) {
          const cell = g.slots[r][c];
          if (!cell) continue;
          const p = g.at.get(cell);
          if (p.row < e.r0) { e.r0 = p.row; grown = true; }
          if (p.col < e.c0) { e.c0 = p.col; grown = true; }
          if (p.row + p.rows - 1 > e.r1) { e.r1 = p.row + p.rows - 1; grown = true; }
          if (p.col + p.cols - 1 > e.c1) { e.c1 = p.col + p.cols - 1; grown = true; }
        }
      }
    }
    return e;
  }

  function cellsIn(g, e) {
    const list = [];
    for (let r = e.r0; r <= e.r1; r++) {
      for (let c = e.c0; c <= e.c1; c++) {
        const cell = g.slots[r] && g.slots[r][c];
        if (cell && list.indexOf(cell) < 0) list.push(cell);
      }
    }
    return list;
  }

  // ---- cells -------------------------------------------------------------------------------

  function setSpan(cell, name, n) {
    if (n > 1) cell.setAttribute(name, String(n));
    else cell.removeAttribute(name);
  }

  // A new empty cell like model: its kind and attributes, without its id and spans.
  function newCell(model, cols, rows) {
    const cell = document.createElement(model ? model.tagName.toLowerCase() : 'td');
    if (model) {
      Array.prototype.forEach.call(model.attributes, function (a) {
        if (!/^(id|rowspan|colspan)$/i.test(a.name)) cell.setAttribute(a.name, a.value);
      });
    }
    setSpan(cell, 'colspan', cols || 1);
    setSpan(cell, 'rowspan', rows || 1);
    cell.innerHTML = '&nbsp;';
    return cell;
  }

  function isEmptyCell(cell) {
    return !cell.querySelector('img, hr, input, select, textarea, table, iframe, object, embed') &&
           !/\S/.test(cell.textContent.replace(/\u00a0/g, ' '));
  }

  // Puts cell into row r of g before the first cell that starts to its right.
  function placeInRow(g, r, cell, col) {
    const tr = g.rows[r];
    const next = Array.prototype.filter.call(tr.cells, function (c) {
      const p = g.at.get(c);
      return c !== cell && p && p.row === r && p.col > col;
    })[0];
    tr.insertBefore(cell, next || null);
  }

  function caretIn(node) {
    if (!node || !document.contains(node)) return;
    const r = document.createRange();
    r.selectNodeContents(node);
    r.collapse(true);
    const sel = getSelection();
    sel.removeAllRanges();
    sel.addRange(r);
    T.control = null;
  }

  function caretAt(parent, offset) {
    if (!parent || !document.contains(parent)) return;
    const r = document.createRange();
    r.setStart(parent, Math.min(offset, parent.childNodes.length));
    r.collapse(true);
    const sel = getSelection();
    sel.removeAllRanges();
    sel.addRange(r);
    T.control = null;
  }

  function removeTable(table) {
    const parent = table.parentNode;
    const offset = Array.prototype.indexOf.call(parent.childNodes, table);
    parent.removeChild(table);
    caretAt(parent, offset);
  }

  // Removes rows r0..r1: cells from above lose those rows, cells that reach below move
  // down into the first row after them. Empty sections go too; no rows left, no table.
  function deleteRows(g, r0, r1) {
    if (r0 === 0 && r1 >= g.rows.length - 1) { removeTable(g.table); return; }
    const moving = [];
    cellsIn(g, { r0: r0, r1: r1, c0: 0, c1: g.width - 1 }).forEach(function (cell) {
      const p = g.at.get(cell);
      const end = p.row + p.rows - 1;
      if (p.row < r0) {
        setSpan(cell, 'rowspan', p.rows - (Math.min(end, r1) - r0 + 1));
      } else if (end > r1) {
        setSpan(cell, 'rowspan', end - r1);
        moving.push(cell);
      }
    });
    moving.sort(function (a, b) { return g.at.get(a).col - g.at.get(b).col; });
    moving.forEach(function (cell) { placeInRow(g, r1 + 1, cell, g.at.get(cell).col); });
    const caretRow = g.rows[r1 + 1] || g.rows[r0 - 1];
    for (let r = r0; r <= r1; r++) {
      const tr = g.rows[r];
      const section = tr.parentNode;
      section.removeChild(tr);
      if (section !== g.table && !section.rows.length) section.parentNode.removeChild(section);
    }
    caretIn(caretRow && (caretRow.cells[0] || caretRow));
  }

  // ---- the commands --------------------------------------------------------------------------

  function inTable() { return !!selectedCells(); }

  function tableCommand(run, test) {
    return {
      status: function () {
        const s = selectedCells();
        if (!s) return DECMDF.DISABLED;
        return !test || test(build(tableOf(s.first)), s) ? DECMDF.ENABLED : DECMDF.DISABLED;
      },
      exec: function () {
        const s = selectedCells();
        if (!s) throw new Error('The selection is not in a table');
        return run(build(tableOf(s.first)), s) !== false;
      },
    };
  }

  C[DECMD.INSERTROW] = tableCommand(function (g, s) { // above the selection
    const r = extent(g, s.first, s.last).r0;
    const tr = document.createElement('tr');
    const done = [];
    for (let c = 0; c < g.slots[r].length; c++) {
      const cell = g.slots[r][c];
      if (!cell || done.indexOf(cell) >= 0) continue;
      done.push(cell);
      const p = g.at.get(cell);
      if (p.row < r) setSpan(cell, 'rowspan', p.rows + 1);
      else tr.appendChild(newCell(cell, p.cols, 1));
    }
    g.rows[r].parentNode.insertBefore(tr, g.rows[r]);
    caretIn(tr.cells[0] || tr);
  });

  C[DECMD.INSERTCOL] = tableCommand(function (g, s) { // left of the selection
    const c = extent(g, s.first, s.last).c0;
    const done = [];
    let first = null;
    for (let r = 0; r < g.rows.length; r++) {
      const cell = g.slots[r][c];
      if (!cell || done.indexOf(cell) >= 0) continue;
      done.push(cell);
      const p = g.at.get(cell);
      if (p.col < c) {
        setSpan(cell, 'colspan', p.cols + 1);
      } else {
        const n = newCell(cell, 1, p.rows);
        cell.parentNode.insertBefore(n, cell);
        if (!first) first = n;
      }
    }
    caretIn(first);
  });

  C[DECMD.INSERTCELL] = tableCommand(function (g, s) { // before the selection
    const n = newCell(s.first, 1, 1);
    s.first.parentNode.insertBefore(n, s.first);
    caretIn(n);
  });

  C[DECMD.DELETEROWS] = tableCommand(function (g, s) {
    const e = extent(g, s.first, s.last);
    deleteRows(g, e.r0, e.r1);
  });

  C[DECMD.DELETECOLS] = tableCommand(function (g, s) {
    const e = extent(g, s.first, s.last);
    if (e.c0 === 0 && e.c1 >= g.width - 1) { removeTable(g.table); return; }
    let caret = null;
    cellsIn(g, { r0: 0, r1: g.rows.length - 1, c0: e.c0, c1: e.c1 }).forEach(function (cell) {
      const p = g.at.get(cell);
      const overlap = Math.min(p.col + p.cols - 1, e.c1) - Math.max(p.col, e.c0) + 1;
      if (overlap >= p.cols) {
        if (!caret) caret = cell.nextElementSibling || cell.previousElementSibling;
        cell.parentNode.removeChild(cell);
      } else {
        setSpan(cell, 'colspan', p.cols - overlap);
        if (!caret) caret = cell;
      }
    });
    caretIn(caret);
  });

  C[DECMD.DELETECELLS] = tableCommand(function (g, s) {
    const cells = cellsIn(g, closedExtent(g, s.first, s.last));
    if (cells.length >= g.at.size) { removeTable(g.table); return; }
    let caret = null;
    cells.forEach(function (cell) {
      if (!caret || cells.indexOf(caret) >= 0) caret = cell.nextElementSibling || cell.previousElementSibling;
      cell.parentNode.removeChild(cell);
    });
    // A row left without cells goes, as Delete Rows would take it.
    for (let again = true; again;) {
      again = false;
      const h = build(g.table);
      for (let r = 0; r < h.rows.length; r++) {
        if (!h.rows[r].cells.length) { deleteRows(h, r, r); again = document.contains(h.table); break; }
      }
    }
    caretIn(caret && document.contains(caret) ? caret : null);
  });

  C[DECMD.MERGECELLS] = tableCommand(function (g, s) { // into the top left cell
    const e = closedExtent(g, s.first, s.last);
    const cells = cellsIn(g, e);
    const target = g.slots[e.r0][e.c0] || cells[0];
    cells.forEach(function (cell) {
      if (cell === target) return;
      if (!isEmptyCell(cell)) {
        if (isEmptyCell(target)) {
          while (target.firstChild) target.removeChild(target.firstChild);
        } else {
          target.appendChild(document.createElement('br'));
        }
        while (cell.firstChild) target.appendChild(cell.firstChild);
      }
      cell.parentNode.removeChild(cell);
    });
    setSpan(target, 'colspan', e.c1 - e.c0 + 1);
    setSpan(target, 'rowspan', e.r1 - e.r0 + 1);
    caretIn(target);
  }, function (g, s) {
    return cellsIn(g, closedExtent(g, s.first, s.last)).length > 1;
  });

  C[DECMD.SPLITCELL] = tableCommand(function (g, s) { // back to single slots
    const cell = s.first;
    const p = g.at.get(cell);
    setSpan(cell, 'colspan', 1);
    setSpan(cell, 'rowspan', 1);
    let after = cell;
    for (let j = 1; j < p.cols; j++) {
      const n = newCell(cell, 1, 1);
      after.parentNode.insertBefore(n, after.nextSibling);
      after = n;
    }
    for (let r = p.row + 1; r < p.row + p.rows; r++) {
      for (let j = p.cols - 1; j >= 0; j--) placeInRow(g, r, newCell(cell, 1, 1), p.col);
    }
    caretIn(cell);
  }, function (g, s) {
    const p = g.at.get(s.first);
    return s.first === s.last && (p.rows > 1 || p.cols > 1);
  });

  T.inTable = inTable;

  // ---- Tab: from cell to cell ----------------------------------------------------------------

  function isCell(el) { return el.tagName === 'TD' || el.tagName === 'TH'; }

  // The cell after (or before) cell in its table, row by row; null at the table's end.
  function neighbour(cell, back) {
    const step = function (el) { return back ? el.previousElementSibling : el.nextElementSibling; };
    let c = step(cell);
    while (c && !isCell(c)) c = step(c);
    if (c) return c;
    const rows = tableOf(cell).rows;
    for (let r = cell.parentNode.rowIndex + (back ? -1 : 1); r >= 0 && r < rows.length;
         r += back ? -1 : 1) {
      const cells = rows[r].cells;
      if (cells.length) return cells[back ? cells.length - 1 : 0];
    }
    return null;
  }

  // A row at the table's end like its last one: an empty cell for each cell of that row,
  // cells that reach into it from above included. Only a table with such cells needs its
  // grid, which for a large table costs more than the row.
  function addRow(table) {
    const rows = table.rows;
    const last = rows[rows.length - 1];
    const tr = document.createElement('tr');
    if (table.querySelector(':scope > * > tr > [rowspan], :scope > tr > [rowspan]')) {
      const g = build(table);
      const done = new Set();
      g.slots[g.rows.length - 1].forEach(function (cell) {
        if (!cell || done.has(cell)) return;
        done.add(cell);
        tr.appendChild(newCell(cell, g.at.get(cell).cols, 1));
      });
    } else {
      Array.prototype.forEach.call(last.cells, function (cell) {
        tr.appendChild(newCell(cell, cell.colSpan, 1));
      });
    }
    if (!tr.cells.length) tr.appendChild(newCell(null, 1, 1));
    last.parentNode.insertBefore(tr, last.nextSibling);
    return tr;
  }

  // The caret goes into cell, its content selected, so that what is typed replaces it; in
  // a cell with nothing to show it stands at the start (the engine takes a good part of a
  // second to select anything in a table of many thousand cells).
  function enterCell(cell) {
    if (isEmptyCell(cell)) {
      caretIn(cell);
    } else {
      const r = document.createRange();
      r.selectNodeContents(cell);
      const sel = getSelection();
      sel.removeAllRanges();
      sel.addRange(r);
      T.control = null;
    }
    T.displayChanged();
  }

  // Tab (back: Shift+Tab) in a table's cell: the caret goes into the next cell; Tab in
  // the last cell adds a row (one undo step) and goes into it. False outside tables.
  T.cellTab = function (back) {
    const s = selectedCells();
    if (!s) return false;
    const cell = back ? s.first : s.last;
    let next = neighbour(cell, back);
    if (!next && !back) next = T.step(function () { return addRow(tableOf(cell)).cells[0]; });
    if (next) enterCell(next);
    return true;
  };

  // ---- a new table -----------------------------------------------------------------------------

  const MAX_COUNT = 1000, MAX_CELLS = 250000;

  // The attributes an attribute text gives the element tag, parsed as markup would be
  // (nothing after the tag's end is taken).
  function attributesOf(tag, text) {
    const t = document.createElement('template');
    const wrap = tag === 'td' ? ['<table><tr><td ', '></td></tr></table>'] : ['<table ', '></table>'];
    t.innerHTML = wrap[0] + String(text || '') + wrap[1];
    const el = t.content.querySelector(tag);
    return el ? Array.prototype.slice.call(el.attributes) : [];
  }

  C[DECMD.INSERTTABLE] = {
    status: function () { return document.body ? DECMDF.ENABLED : DECMDF.DISABLED; },
    exec: function (option, p) {
      p = p || {};
      const rows = parseInt(p.NumRows, 10), cols = parseInt(p.NumCols, 10);
      if (!(rows >= 1 && cols >= 1 && rows <= MAX_COUNT && cols <= MAX_COUNT &&
            rows * cols <= MAX_CELLS)) {
        throw new Error('Invalid argument');
      }
      const table = document.createElement('table');
      attributesOf('table', p.TableAttrs).forEach(function (a) { table.setAttribute(a.name, a.value); });
      const cellAttributes = attributesOf('td', p.CellAttrs);
      if (p.Caption) table.createCaption().textContent = String(p.Caption);
      // One row built, the others copied from it: a large table goes in in a moment.
      const body = document.createElement('tbody');
      const first = document.createElement('tr');
      for (let c = 0; c < cols; c++) {
        const td = document.createElement('td');
        cellAttributes.forEach(function (a) { td.setAttribute(a.name, a.value); });
        td.appendChild(document.createTextNode('\u00a0'));
        first.appendChild(td);
      }
      body.appendChild(first);
      for (let r = 1; r < rows; r++) body.appendChild(first.cloneNode(true));
      table.appendChild(body);
      // A selected element stays; the table goes after it.
      const el = T.selectedElement();
      let at = T.insertionRange();
      if (el) {
        at = document.createRange();
        at.setStartAfter(el);
        at.collapse(true);
      }
      at.deleteContents();
      at.insertNode(table);
      caretIn(table.rows[0].cells[0]);
      return true;
    },
  };
})();
