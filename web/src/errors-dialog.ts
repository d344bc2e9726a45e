// The error report: this drill's answers or the cumulative ones, in the
// forms chosen; the cumulative statistics can be cleared.
import { $, act, check, page, showModal } from './page';

export async function showErrors() {
  const cumulative = () => document.querySelector<HTMLInputElement>('input[name="edisplay"]:checked')?.value === '1';
  const forms = $<HTMLInputElement>('e-forms');
  const rips = $<HTMLInputElement>('e-rips');
  const conf = $<HTMLInputElement>('e-conf');
  const show = () => {
    const c = cumulative();
    $('e-text').textContent = page.drill.native.errorReport(c, forms.checked, rips.checked, conf.checked);
    $('e-note').hidden = !c;
    $('e-clear').hidden = !c;
  };
  check('edisplay', 0);
  forms.onchange = () => {
    if (!forms.checked) rips.checked = false;
    show();
  };
  rips.onchange = () => {
    if (rips.checked) forms.checked = true;
    show();
  };
  conf.onchange = show;
  for (const r of document.querySelectorAll<HTMLInputElement>('input[name="edisplay"]')) r.onchange = show;
  $('e-clear').onclick = async () => {
    await act((d) => d.clearCumulative());
    show();
  };
  show();
  await showModal('errors-dialog');
}
