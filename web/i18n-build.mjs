// Converts Qt Linguist catalogues (.ts) into the page's JSON catalogues at
// build time, so the page and the desktop speak from the same translations.
// Unfinished, vanished and obsolete translations are left out, as lrelease
// leaves them out: the English source shows instead.
import { readFileSync } from 'node:fs';

const entities = { lt: '<', gt: '>', amp: '&', apos: "'", quot: '"' };

function unescape(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, e) => {
    if (e[0] === '#') return String.fromCodePoint(e[1] === 'x' ? parseInt(e.slice(2), 16) : parseInt(e.slice(1), 10));
    return entities[e] ?? whole;
  });
}

// The key the page looks a text up by: context, source and the optional
// disambiguating comment, as Qt's translate() takes them.
export function messageKey(context, source, comment = '') {
  return comment ? `${context}\u0004${source}\u0004${comment}` : `${context}\u0004${source}`;
}

// { language, messages: { key: text | [plural forms] } }
export function parseCatalogue(xml) {
  const language = /<TS[^>]*\blanguage="([^"]+)"/.exec(xml)?.[1] ?? '';
  const messages = {};
  for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const context = unescape(/<name>([\s\S]*?)<\/name>/.exec(body)?.[1] ?? '');
    for (const [, attrs, msg] of body.matchAll(/<message(\s[^>]*)?>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(msg);
      const translation = /<translation(\s[^>]*)?(?:\/>|>([\s\S]*?)<\/translation>)/.exec(msg);
      if (!source || !translation) continue;
      if (/type="(unfinished|vanished|obsolete)"/.test(translation[1] ?? '')) continue;
      const comment = /<comment>([\s\S]*?)<\/comment>/.exec(msg)?.[1] ?? '';
      const key = messageKey(context, unescape(source[1]), unescape(comment));
      const inner = translation[2] ?? '';
      if (/numerus="yes"/.test(attrs ?? '')) {
        const forms = [...inner.matchAll(/<numerusform>([\s\S]*?)<\/numerusform>/g)].map((m) => unescape(m[1]));
        if (forms.length > 0 && forms.every((f) => f !== '')) messages[key] = forms;
      } else if (inner !== '') {
        messages[key] = unescape(inner);
      }
    }
  }
  return { language, messages };
}

// Several catalogues of one language (the desktop's and the page's own) as one.
export function convertCatalogues(paths) {
  const messages = {};
  let language = '';
  for (const p of paths) {
    const c = parseCatalogue(readFileSync(p, 'utf8'));
    language ||= c.language;
    Object.assign(messages, c.messages);
  }
  return { language, messages };
}
