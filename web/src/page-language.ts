// Puts the page's English texts into the chosen language as they appear:
// the static page once, and every text the drill sets later through a
// mutation observer, so the views keep writing the desktop's English words.
import { browserLanguages } from './browser-locale';
import { chooseLanguage, currentLanguage, languages, loadLanguage, pageContext, storedLanguage, storeLanguage, translateText, tr } from './i18n';

// Each part of the page speaks with its desktop window's context.
const contexts: [string, string][] = [
  ['#login-dialog', 'TLoginForm'],
  ['#filters-dialog', 'TFilterForm'],
  ['#score-dialog', 'TForm2'],
  ['#errors-dialog', 'TErrorReport'],
  ['#midi-dialog', 'TMidiForm'],
  ['#readme-dialog', 'TReadmeBox'],
  ['#about-dialog', 'TAboutBox'],
  ['#keyboard-dialog', 'TKeyboardForm'],
  ['#progress-dialog', 'TProgressForm'],
  ['#confusions-dialog', 'TConfusionForm'],
  ['#class-overview-dialog', 'TClassOverview'],
  ['#heard', 'HeardPicture'],
  ['#sing-dialog, #sing-progress', 'WebSing'],
  ['#pa-summary-dialog, #pa-progress', 'PracticeWindows'],
  ['#pa-auto-dialog, #pa-reveal, #pa-mark', 'TPracticeMode'],
  ['#join-dialog, #leave-dialog, #class-status, #class-menu', 'WebClass'],
  ['#assign-dialog, #assign-edit-dialog, #co-assign', 'WebAssign'],
  ['#keys-dialog, #confirm-dialog, #pacing-dialog, #notice', pageContext],
];
// Data, names and the instructions' own file are shown as they are.
const untouched = 'script, style, option, datalist, #readme-text, #listbox, #s-header, #s-rows, #midi-list, #kbd-list, #pr-person, #pr-table tbody, #pa-days tbody, #pa-focus, #pa-summary, #pa-answer, #pa-part, .chart, #cf-table, .co-data, .co-table, .heard-picture, #login-listed, #time, output, #class-status, #join-error, #leave-text, .as-data, #assign-due, #assign-mark, #ae-error, .sing-data';
const attributes = ['aria-label', 'title', 'placeholder'];

// What each text or attribute was in English, and what we last showed.
const textShown = new WeakMap<Text, { english: string; shown: string }>();
const attrShown = new WeakMap<Element, Map<string, { english: string; shown: string }>>();

function contextOf(el: Element): string {
  for (const [selector, context] of contexts) if (el.closest(selector)) return context;
  return 'TForm1';
}

function translated(context: string, english: string): string {
  if (currentLanguage() === 'en') return english;
  const whole = translateText(context, english);
  if (whole !== undefined) return whole;
  const lead = /^\s*/.exec(english)![0];
  const trail = /\s*$/.exec(english)![0];
  const core = english.trim();
  if (!core) return english;
  const found = translateText(context, core);
  if (found !== undefined) return lead + found + trail;
  // A paragraph written from the desktop's lines, one source per line.
  if (core.includes('\n')) {
    const lines = core.split('\n').map((l) => {
      const t = l.trim();
      return (t && (translateText(context, t) ?? translateText(pageContext, t))) || l;
    });
    return lead + lines.join('\n') + trail;
  }
  return english;
}

function translateTextNode(node: Text) {
  const parent = node.parentElement;
  if (!parent || parent.closest(untouched)) return;
  const known = textShown.get(node);
  const english = known && known.shown === node.data ? known.english : node.data;
  const shown = translated(contextOf(parent), english);
  textShown.set(node, { english, shown });
  if (node.data !== shown) node.data = shown;
}

function translateAttributes(el: Element) {
  let map = attrShown.get(el);
  for (const name of attributes) {
    const value = el.getAttribute(name);
    if (value === null) continue;
    map ??= new Map();
    attrShown.set(el, map);
    const known = map.get(name);
    const english = known && known.shown === value ? known.english : value;
    const shown = translated(contextOf(el), english);
    map.set(name, { english, shown });
    if (value !== shown) el.setAttribute(name, shown);
  }
}

export function translateTree(root: Node) {
  if (root instanceof Text) return translateTextNode(root);
  if (!(root instanceof Element)) return;
  // A data list's own name is ours; its entries are not.
  translateAttributes(root);
  if (root.closest(untouched)) return;
  const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT | NodeFilter.SHOW_ELEMENT);
  for (let n = walker.nextNode(); n; n = walker.nextNode()) {
    if (n instanceof Text) translateTextNode(n);
    else if (!(n as Element).parentElement?.closest(untouched)) translateAttributes(n as Element);
  }
}

let observer: MutationObserver | null = null;

function observe() {
  observer = new MutationObserver((records) => {
    for (const r of records) {
      if (r.type === 'attributes') translateAttributes(r.target as Element);
      else r.addedNodes.forEach(translateTree);
    }
  });
  observer.observe(document.documentElement, { subtree: true, childList: true, attributes: true, attributeFilter: attributes });
}

async function switchTo(code: string) {
  await loadLanguage(code);
  document.documentElement.lang = code;
  translateTree(document.body);
  document.title = tr(pageContext, 'Sonorix');
  document.dispatchEvent(new CustomEvent('sonorix-language', { detail: code }));
}

// The choice of language, in the page's header, kept in the page's storage.
function addChooser(code: string) {
  const label = document.createElement('label');
  label.className = 'language';
  label.textContent = 'Language';
  const select = document.createElement('select');
  select.id = 'language';
  for (const [code, name] of languages) {
    const o = new Option(name, code);
    o.lang = code;
    select.add(o);
  }
  select.value = code;
  select.addEventListener('change', () => {
    storeLanguage(select.value);
    void switchTo(select.value);
  });
  label.append(' ', select);
  document.querySelector('header')?.append(label);
}

// ?lang=xx chooses for this visit (tests and shared links) without storing it.
export async function startLanguage(params: URLSearchParams) {
  const code = chooseLanguage(params.get('lang') ?? storedLanguage(), browserLanguages());
  addChooser(code);
  observe();
  await switchTo(code);
}
