// The menu bar: each item's window or action, and Escape to close a menu.
import { sayDue, showAssignments } from './assign-view';
import { exportData, importData } from './data-dialog';
import { showJoin, showLeave } from './class-view';
import { showFilters } from './filters-dialog';
import { showKeyboard } from './keyboard-dialog';
import { showLogin } from './login-dialog';
import { showMidi } from './midi-dialog';
import { showPacing } from './pacing-dialog';
import { $, act, showModal } from './page';
import { showConfusions, showProgress } from './progress-dialog';
import { showReadme } from './readme-dialog';

// Login, as after the start: the window shown again follows the filters.
export async function loginAgain() {
  await showLogin();
  await act((d) => d.shown());
  void sayDue();
}

export function wireMenu() {
  const actions: Record<string, () => void> = {
    login: () => void act((d) => d.loginNewPerson()).then(loginAgain),
    export: () => void exportData(),
    import: () => $('import-file').click(),
    filters: () => void showFilters(),
    midi: () => void showMidi(),
    readme: () => void showReadme(),
    about: () => void showModal('about-dialog'),
    keys: () => void showModal('keys-dialog'),
    pacing: () => void showPacing(),
    keyboard: () => void showKeyboard(),
    progress: () => void showProgress(),
    confusions: () => void showConfusions(),
    'join-class': () => void showJoin(),
    'leave-class': () => void showLeave(),
    assignments: () => void showAssignments(),
    // Loaded when first used: most pages are a student's.
    // The singing and its tracker load when first opened.
    sing: () => void import('./sing-view').then((m) => m.showSing()),
    'class-overview': () => void import('./class-overview').then((m) => m.showClassOverview()),
  };
  for (const b of document.querySelectorAll<HTMLButtonElement>('[data-action]')) {
    b.addEventListener('click', () => {
      b.closest('details')?.removeAttribute('open');
      actions[b.dataset.action!]();
    });
  }
  $<HTMLInputElement>('import-file').addEventListener('change', (e) => {
    const input = e.target as HTMLInputElement;
    if (input.files?.[0]) void importData(input.files[0]);
    input.value = '';
  });
  // Escape closes an open menu.
  document.addEventListener('keydown', (e) => {
    if (e.key !== 'Escape') return;
    const open = document.querySelector<HTMLDetailsElement>('nav details[open]');
    if (open) {
      open.removeAttribute('open');
      open.querySelector('summary')?.focus();
    }
  });
}
