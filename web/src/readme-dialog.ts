// The instructions, in the page's language, as the desktop keeps readme.<code>.txt.
import { currentLanguage } from './i18n';
import { $, showModal } from './page';

export async function showReadme() {
  const text = $('readme-text');
  const lang = currentLanguage();
  if (!text.textContent || text.dataset.lang !== lang) {
    const name = lang === 'en' ? 'readme.txt' : `readme.${lang}.txt`;
    text.textContent = await fetch(name)
      .then((r) => (r.ok ? r.text() : fetch('readme.txt').then((e) => (e.ok ? e.text() : '\n'))))
      .catch(() => '\n');
    text.dataset.lang = lang;
  }
  await showModal('readme-dialog');
}
