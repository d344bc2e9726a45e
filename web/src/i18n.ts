// The page's texts in the student's language, from the desktop's catalogues
// converted at build time (i18n/<code>.json). English is the source itself.
export type Catalogue = Record<string, string | string[]>;

export const languages: [string, string][] = [
  ['en', 'English'],
  ['de', 'Deutsch'],
  ['es', 'Español'],
  ['fr', 'Français'],
  ['it', 'Italiano'],
];
const storageKey = 'sonorix-language';
// The page's own texts, beside the desktop's contexts.
export const pageContext = 'WebPage';

let language = 'en';
let messages: Catalogue = {};
let plural = new Intl.PluralRules('en');
// Source text → the first context that translates it, for texts of the page
// shared with a desktop window under another context.
let anyContext = new Map<string, string | string[]>();

export function currentLanguage() {
  return language;
}

// The stored choice, else the first of the browser's languages we have.
export function chooseLanguage(stored: string | null, browser: readonly string[]): string {
  const known = (code: string | null | undefined) => languages.find(([c]) => c === code?.toLowerCase().split('-')[0])?.[0];
  return known(stored) ?? browser.map(known).find(Boolean) ?? 'en';
}

export function storedLanguage(): string | null {
  try {
    return localStorage.getItem(storageKey);
  } catch {
    return null;  // storage refused: the browser's language still counts
  }
}

export function storeLanguage(code: string) {
  try {
    localStorage.setItem(storageKey, code);
  } catch {
    // kept for this visit only
  }
}

export function useCatalogue(code: string, catalogue: Catalogue) {
  language = code;
  messages = catalogue;
  plural = new Intl.PluralRules(code);
  anyContext = new Map();
  for (const [key, text] of Object.entries(catalogue)) {
    const source = key.split('\u0004')[1];
    if (!anyContext.has(source)) anyContext.set(source, text);
  }
}

export async function loadLanguage(code: string): Promise<void> {
  // English needs its catalogue for the page's plural forms only.
  const catalogue = await fetch(`i18n/${code}.json`)
    .then((r) => (r.ok ? (r.json() as Promise<Catalogue>) : {}))
    .catch(() => ({}));
  useCatalogue(code, catalogue);
}

function pickForm(forms: string[], n: number) {
  // Qt's forms for these languages: the singular first, then the rest.
  return forms[Math.min(plural.select(n) === 'one' ? 0 : 1, forms.length - 1)];
}

// As Qt's translate(): the context's translation, else the source; %n is n.
export function tr(context: string, source: string, n?: number): string {
  const found = messages[`${context}\u0004${source}`];
  let text = found === undefined ? source : Array.isArray(found) ? pickForm(found, n ?? 0) : found;
  if (n !== undefined) text = text.replace(/%n/g, String(n));
  return text;
}

// As QString::arg, every %1…%9 at once, so an argument's own % is kept.
export function arg(text: string, ...args: (string | number)[]): string {
  return text.replace(/%([1-9])/g, (whole, d: string) => (Number(d) <= args.length ? String(args[Number(d) - 1]) : whole));
}

// A text shown by a part of the page: its own context first, then any.
export function translateText(context: string, source: string): string | undefined {
  const own = messages[`${context}\u0004${source}`] ?? messages[`${pageContext}\u0004${source}`] ?? anyContext.get(source);
  return Array.isArray(own) ? own[0] : own;
}
