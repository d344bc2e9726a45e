// The drill page: the core judges and keeps the files; the modules beside
// this show it and wire the controls, the keys and the sound. This starts them.
// The message line; notice.js, its own entry, runs before this file and says why a start fails.
import { notice, pageStarted, startFailed } from './notice';
// Before anything plays or is measured.
import './test-hooks';
import { classChanged, startClass } from './class-view';
import { loadCore } from './core';
import { render, wireDrill } from './drill-view';
import { useNotation, wireHeardChoice } from './heard-view';
import { startLanguage } from './page-language';
import { startKeyboard } from './keyboard-dialog';
import { loginAgain, wireMenu } from './menu';
import { $, act, files, page, params, pacing, play, say, showModal, startDrill, tell, view } from './page';
import { Practice } from './practice';
import { startSound } from './sound-start';
import { soon } from './tasks';

files.onRefused = () =>
  notice(
    'This browser does not let Sonorix keep its files (a private window, or the storage is full). ' +
      'Your results stay until you close the page: use Exit › Export my data to keep them.',
  );

async function start() {
  // The files, the core and the catalogue load side by side, and beside the sound.
  // They are asked for first: where the page did not make the AudioContext early,
  // making it holds the page's thread for a while, and their fetching and opening
  // go on meanwhile. The marks time each step for the benchmark's profile.
  performance.mark('sonorix-start');
  const { clock } = page;
  const mark = <T>(name: string) => (v: T) => (performance.mark(name), v);
  const loaded = Promise.all([
    loadCore(files, clock.now, clock.today, (run, ms) => (ms > 0 ? setTimeout(() => void act(run), ms) : soon(() => void act(run))), clock.secondOfDay, undefined, classChanged).then(
      mark('sonorix-core'),
    ),
    fetch('ftclass.dat').then((r) => (r.ok ? r.text() : '')),
    files.open().then(mark('sonorix-files')),
    startLanguage(params).then(mark('sonorix-language')),
  ]);
  page.soundReady = startSound();
  // The service worker's first install fetches and compiles every file: not while the
  // first question is made ready, but once it sounds or the student is still typing.
  let registered = false;
  const register = () => {
    if (registered || !('serviceWorker' in navigator) || params.has('nosw')) return;
    registered = true;
    void navigator.serviceWorker.register('sw.js').catch(() => undefined);
  };
  window.addEventListener('sonorix-notes', register, { once: true });
  void Promise.allSettled([loaded, page.soundReady]).then(() => setTimeout(register, 3000));
  const [core, catalogue] = await loaded;
  performance.mark('sonorix-core-loaded');
  page.catalogue = catalogue;
  startDrill(core, await files.act(() => new core.WebDrill(catalogue, clock.seed)));
  startKeyboard(new core.WebKeyboard(catalogue));
  page.confusions = new core.WebConfusions(catalogue);
  useNotation(new core.WebNotation(catalogue));
  wireHeardChoice($('show-heard'));
  page.practice = new Practice(
    {
      act: (fn) => act(fn),
      play,
      say,
      view,
      showModal,
      readerPaced: () => pacing.choice.waitForMe,
      shown: (shown) => tell('practiceShown', shown),
    },
    new core.WebPractice(),
  );
  wireDrill();
  wireMenu();
  // Not awaited: what waits goes to the class while the student logs in.
  void startClass(new core.WebClass());
  render();
  pageStarted();
  await loginAgain();
  document.body.dataset.ready = 'yes';
}

start().catch(startFailed);
