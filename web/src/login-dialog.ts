// The login: a name typed or chosen, completed as it is typed; partial
// saved filters ask "Use These?".
import { tr } from './i18n';
import { render } from './drill-view';
import { $, act, page, showModal } from './page';

export async function showLogin() {
  const people = page.drill.people();
  const input = $<HTMLInputElement>('login-name');
  const list = $<HTMLDataListElement>('people');
  list.replaceChildren(...people.names.map((n) => new Option(n)));
  input.value = people.selected >= 0 ? people.names[people.selected] : '';
  $('login-saved').hidden = true;
  input.disabled = false;
  const dialog = $<HTMLDialogElement>('login-dialog');
  const closed = showModal('login-dialog');
  input.select();
  let deleting = false;
  const form = $<HTMLFormElement>('login-form');
  let enterDown = false;
  input.onkeydown = (e) => {
    deleting = e.key === 'Backspace' || e.key === 'Delete';
    enterDown = e.key === 'Enter' && !e.isComposing;
  };
  // WebKit spends an Enter on its list of names (closing it, or filling in the name
  // picked there, after keydown) and submits nothing: that Enter submits on keyup.
  input.onkeyup = (e) => {
    if (e.key !== 'Enter' || !enterDown) return;
    enterDown = false;
    if (!input.disabled && input.value.trim()) form.requestSubmit();
  };
  // A name typed before is completed as one types.
  input.oninput = () => {
    if (deleting || !input.value) return;
    const typed = input.value;
    const match = people.names.find((n) => n.toLowerCase().startsWith(typed.toLowerCase()));
    if (match && match !== typed) {
      input.value = match;
      input.setSelectionRange(typed.length, match.length);
    }
  };
  form.onsubmit = async (e) => {
    e.preventDefault();
    const name = input.value.trim() ? input.value : '';
    if (!name) return;
    input.disabled = true;
    const answer = await act(() => page.drill.login(name));
    if (!answer.ask) {
      dialog.close('ok');
      return;
    }
    // The summary's one word, in the student's language.
    $('login-listed').textContent = (answer.listed ?? '').replace(/(OFF|ON)$/, (w) => tr('TLoginForm', w));
    $('login-rest').textContent = answer.rest ?? '';
    $('login-saved').hidden = false;
    $('login-yes').focus();
  };
  $('login-yes').onclick = async () => {
    await act((d) => d.useSavedFilters(true));
    dialog.close('ok');
  };
  $('login-no').onclick = async () => {
    await act((d) => d.useSavedFilters(false));
    dialog.close('ok');
  };
  // The login cannot be dismissed without a name: the drill needs one.
  dialog.oncancel = (e) => e.preventDefault();
  await closed;
  render();
}
