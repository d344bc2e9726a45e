// Class › "Join a Class…" and "Leave the Class", and the class's status line
// in the page's header. The core checks the address, talks to the server and
// keeps what waits; this shows it and hands it the student's typing.
import type { ClassState, WebClassNative } from './core';
import { currentClass, forgetClass, restoreClass, useClass } from './class-connection';
import { tr } from './i18n';
import { $, files, showModal } from './page';

const context = 'WebClass';
let link: WebClassNative | null = null;
let shown: ClassState | null = null;

const t = (source: string, n?: number) => tr(context, source, n);
// The core's own texts, translated once for the desktop and the page.
const core = (source: string, n?: number) => tr('ClassLink', source, n);

// The core's state, read under the files' lock, as every call. The class
// another tab joined or left is followed here, with its remembered password.
const state = () =>
  files.act(() => {
    const s = link!.state();
    const known = currentClass();
    if (!s.joined) {
      if (known) forgetClass(files);
      return s;
    }
    if (known?.address !== s.address || known?.account !== s.account) restoreClass(files, s.address, s.account);
    const password = currentClass()!.password;
    if (!s.needsPassword || !password) return s;
    link!.usePassword(password);
    return link!.state();
  });

function statusText(s: ClassState): string {
  if (!s.joined) return '';
  if (s.needsPassword) return t('Type the app password again to send to the class: Class › Join a Class…');
  if (s.fault) return core(s.fault);
  return core(s.status, s.drills);
}

function draw(s: ClassState) {
  shown = s;
  const line = $('class-status');
  const text = statusText(s);
  line.hidden = !text;
  if (line.textContent !== text) line.textContent = text;
  $<HTMLButtonElement>('leave-class').disabled = !s.joined;
}

// Several changes in one turn draw once.
let redrawing = false;
export function classChanged() {
  if (!link || redrawing) return;
  redrawing = true;
  setTimeout(() => {
    redrawing = false;
    void state().then(draw);
  }, 0);
}

const sendNow = () => files.act(() => link?.sendNow()).then(classChanged);

// At the start: a class joined at an earlier visit sends what waits, when its password was remembered.
export async function startClass(native: WebClassNative) {
  link = native;
  window.addEventListener('online', () => void sendNow());
  document.addEventListener('sonorix-language', () => shown && draw(shown));
  draw(await state());
}

function joinFault(message: string) {
  const error = $('join-error');
  error.textContent = message;
  error.hidden = !message;
}

export async function showJoin() {
  if (!link) return;
  const form = $<HTMLFormElement>('join-form');
  const address = $<HTMLInputElement>('join-address');
  const account = $<HTMLInputElement>('join-account');
  const password = $<HTMLInputElement>('join-password');
  const remember = $<HTMLInputElement>('join-remember');
  const ok = $<HTMLButtonElement>('join-ok');
  const dialog = $<HTMLDialogElement>('join-dialog');
  const s = await state();
  // Joined: the same class again, its password typed anew.
  address.value = s.joined ? s.address : address.value;
  account.value = s.joined ? s.account : account.value;
  password.value = '';
  remember.checked = currentClass()?.remembered ?? false;
  joinFault('');
  ok.disabled = false;
  const closed = showModal('join-dialog');
  (address.value ? (account.value ? password : account) : address).focus();
  $('join-cancel').onclick = () => dialog.close('cancel');
  form.onsubmit = async (e) => {
    e.preventDefault();
    if (ok.disabled) return;
    // Refused before any request is made.
    const refused = await files.act(() => link!.checkAddress(address.value));
    const missing = !account.value.trim() ? account : !password.value ? password : null;
    if (refused || missing) {
      joinFault(refused ? core(refused) : missing === account ? t('Type the account.') : t('Type the app password.'));
      (refused ? address : missing!).focus();
      return;
    }
    ok.disabled = true;
    joinFault('');
    const typed = { address: address.value.trim(), account: account.value.trim(), password: password.value };
    const fault = await new Promise<string>((done) => {
      void files.act(() => link!.join(typed.address, typed.account, typed.password, done));
    });
    ok.disabled = false;
    if (fault) {
      joinFault(core(fault));
      password.focus();
      return;
    }
    const joined = await files.act(() => {
      const now = link!.state();
      useClass(files, now.address, now.account, typed.password, remember.checked);
      return now;
    });
    password.value = '';
    dialog.close('ok');
    draw(joined);
  };
  await closed;
  password.value = '';
  // Closed while asking: the student did not join.
  if (ok.disabled) await files.act(() => link!.cancelJoin());
}

export async function showLeave() {
  if (!link) return;
  const s = await state();
  if (!s.joined) return;
  const text = [t('Sonorix forgets the class\'s address, the account and the password on this device; your own files stay.')];
  if (s.drills > 0) text.unshift(t('%n drill(s) still waiting for the network will not be sent to the class.', s.drills));
  $('leave-text').textContent = text.join(' ');
  if ((await showModal('leave-dialog')) !== 'yes') return;
  draw(
    await files.act(() => {
      link!.leave();
      forgetClass(files);
      return link!.state();
    }),
  );
}
