// The browser's languages as tags Intl accepts. Some engines report the
// POSIX locale ("C" under LANG=C.UTF-8), which Intl refuses with a
// RangeError; English stands in for every such tag.
export function acceptedTag(tag: string | null | undefined): string | null {
  if (!tag) return null;
  try {
    return Intl.getCanonicalLocales(tag)[0] ?? null;
  } catch {
    return null;
  }
}

export function browserLanguages(): string[] {
  const listed = navigator.languages?.length ? navigator.languages : [navigator.language];
  const accepted = listed.map((t) => acceptedTag(t) ?? 'en');
  return accepted.length ? [...new Set(accepted)] : ['en'];
}

// Libraries read navigator.language as they load (the chart library builds
// its number format from it), so a refused tag is replaced before any of
// them runs: every module that imports one imports this first.
function replaceRefused() {
  const languages = Object.freeze(browserLanguages());
  try {
    if (!acceptedTag(navigator.language)) Object.defineProperty(navigator, 'language', { configurable: true, get: () => 'en' });
    if (navigator.languages?.some((t) => !acceptedTag(t)))
      Object.defineProperty(navigator, 'languages', { configurable: true, get: () => languages });
  } catch {
    // left as it is; the page's start then says what failed
  }
}
replaceRefused();
