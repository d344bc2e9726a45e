// Exit › Export my data and Import: the student's files as one archive, and
// an archive put in their place once the student confirms it.
import { notice } from './notice';
import { arg, pageContext, tr } from './i18n';
import { $, download, files, showModal, view } from './page';

// Loaded when first used, so that the first question does not wait for it.
const archive = () => import('./archive');

export async function exportData() {
  const { exportArchive } = await archive();
  const zip = await files.act(() => exportArchive(files.files));
  download(new Blob([zip as BlobPart], { type: 'application/zip' }), 'sonorix-data.zip');
}

export async function importData(file: File) {
  // The menu the import came from, for the focus after a refusal.
  const menu = document.querySelector<HTMLElement>('[data-action=import]')?.closest('details')?.querySelector('summary') ?? null;
  const { BadArchive, readArchive } = await archive();
  let incoming: Map<string, Uint8Array>;
  try {
    incoming = readArchive(new Uint8Array(await file.arrayBuffer()));
  } catch (e) {
    notice(
      e instanceof BadArchive
        ? arg(tr(pageContext, '"%1" is not an archive of Sonorix\'s data, or it is damaged (%2). Nothing was changed.'), file.name, e.message)
        : arg(tr(pageContext, '"%1" could not be read. Nothing was changed.'), file.name),
      menu,
    );
    return;
  }
  if (view().drilling) {
    notice('End the drill before importing data. Nothing was changed.', menu);
    return;
  }
  const names = [...incoming.keys()].join(', ');
  $('confirm-text').textContent = arg(
    tr(pageContext, "Importing replaces all of Sonorix's data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive's %n file(s): %1. Export your data first to keep it.", incoming.size),
    names,
  );
  if ((await showModal('confirm-dialog')) !== 'yes') return;
  await files.replaceAll(incoming);
  location.reload();
}
