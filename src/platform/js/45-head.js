// The page's meta elements of one name (name="description") or one http-equiv
// ("refresh"): read, and replaced by one element given as markup. Names compare without
// regard to case or surrounding blanks, as browsers read them; every other element of
// the head stays as it is.
(function () {
  'use strict';
  const T = window.__tsly;
  if (!T || T.replaceMeta) return;

  function metas(attribute, key) {
    const wanted = String(key).trim().toLowerCase();
    return Array.prototype.filter.call(document.getElementsByTagName('meta'), function (m) {
      const v = m.getAttribute(String(attribute));
      return v !== null && v.trim().toLowerCase() === wanted;
    });
  }

  function head() {
    if (!document.head && document.documentElement) {
      document.documentElement.insertBefore(document.createElement('head'),
                                            document.documentElement.firstChild);
    }
    if (!document.head) throw new Error('The page has no head');
    return document.head;
  }

  // The content of the first such element that has one; '' when there is none.
  T.metaContent = function (attribute, key) {
    const found = metas(attribute, key);
    for (let i = 0; i < found.length; i++) {
      if (found[i].hasAttribute('content')) return found[i].getAttribute('content');
    }
    return '';
  };

  // html empty: every such element goes. Otherwise the one element html holds takes the
  // place of the first of them (the end of the head when there is none) and the others
  // go. A page that already holds just one with that content is left untouched, so an
  // unchanged value neither marks the page changed nor leaves a step to undo.
  T.replaceMeta = function (attribute, key, html) {
    const found = metas(attribute, key);
    let element = null;
    if (html) {
      const t = document.createElement('template');
      t.innerHTML = String(html);
      element = t.content.querySelector('meta');
      if (!element) throw new Error('No meta element in ' + String(html).slice(0, 80));
    }
    if (!element && !found.length) return false;
    if (element && found.length === 1 &&
        found[0].getAttribute('content') === element.getAttribute('content')) return false;
    T.step(function () {
      if (element) {
        if (found.length) found[0].parentNode.insertBefore(element, found[0]);
        else head().appendChild(element);
      }
      found.forEach(function (m) { m.remove(); });
    });
    return true;
  };
})();
