// The message under the header (storage or sound trouble, a refused import,
// a page that could not start). Its button or Escape closes it, and the focus
// goes back to where the student was.
import { arg, pageContext, tr } from './i18n';

let returnTo: HTMLElement | null = null;
const $ = (id: string) => document.getElementById(id)!;

// `from`: the control the student used, when the message answers it; the
// focus then moves to the message, so that it can be closed at once.
export function notice(text: string, from?: HTMLElement | null) {
  $('notice-text').textContent = text;
  $('notice').hidden = false;
  if (from === undefined || document.querySelector('dialog[open]')) return;
  returnTo = from;
  $('notice-close').focus();
}

export function closeNotice() {
  const n = $('notice');
  if (n.hidden) return;
  const hadFocus = n.contains(document.activeElement) || document.activeElement === document.body;
  n.hidden = true;
  const back = returnTo?.isConnected && returnTo.checkVisibility?.() !== false ? returnTo : $('edit1');
  returnTo = null;
  if (hadFocus) back.focus();
}

$('notice-close').addEventListener('click', closeNotice);
document.addEventListener('keydown', (e) => {
  // A dialog or an open menu takes Escape first.
  if (e.key !== 'Escape' || $('notice').hidden || document.querySelector('dialog[open], nav details[open]')) return;
  e.preventDefault();
  closeNotice();
});

// Until the page is up, an error that stops it is said with its reason,
// instead of leaving a page that looks ready and does nothing.
let up = false;

export function pageStarted() {
  up = true;
}

export function startFailed(reason: unknown) {
  if (up) return;
  up = true;
  document.body.dataset.startFailed = 'yes';
  const why = reason instanceof Error ? `${reason.name}: ${reason.message}` : String(reason);
  notice(arg(tr(pageContext, 'Sonorix could not start in this browser (%1). Reload the page to try again, or use a current Chrome, Edge, Firefox or Safari.'), why));
}

window.addEventListener('error', (e) => startFailed(e.error ?? e.message));
