// The built-in synthesizer made ready beside the rest of the start: its
// worklet and SoundFont fetched, the loading bar shown meanwhile.
import { notice } from './notice';
import { arg, pageContext, tr } from './i18n';
import { $, page } from './page';
import { createSynthNode, fetchWithProgress, fetchWorklet, loadWorklet, NoAudioWorklet, soundFontUrl, SynthOut } from './sound';

export function startSound(): Promise<void> {
  const loading = $('loading');
  const bar = $<HTMLProgressElement>('sf-progress');
  loading.hidden = false;
  const begin = $<HTMLButtonElement>('begin');
  begin.setAttribute('aria-describedby', 'loading');
  return (async () => {
    try {
      if (typeof AudioWorkletNode === 'undefined') throw new NoAudioWorklet();
      // Asked for before a context is made here, which can hold the thread a while.
      const worklet = fetchWorklet();
      worklet.catch(() => undefined);  // reported where it is awaited
      // The page's first script made it early, where the browser has AudioWorklet.
      const ctx = (window as { sonorixContext?: AudioContext }).sonorixContext ?? new AudioContext({ latencyHint: 'interactive' });
      performance.mark('sonorix-audio-context');
      const [font] = await Promise.all([
        fetchWithProgress(soundFontUrl, (loaded, total) => {
          bar.max = total || loaded;
          bar.value = loaded;
        }),
        loadWorklet(ctx, './', worklet),
      ]);
      performance.mark('sonorix-sound-files');
      const node = await createSynthNode(ctx, font);
      performance.mark('sonorix-sound-ready');
      page.synth = new SynthOut(ctx, node);
      if (!page.sound) page.sound = page.synth;
      // Browsers start sound only after a gesture.
      const resume = () => void ctx.resume();
      document.addEventListener('pointerdown', resume, { once: true });
      document.addEventListener('keydown', resume, { once: true });
    } catch (e) {
      notice(
        e instanceof NoAudioWorklet
          ? 'This browser cannot play Sonorix\'s built-in synthesizer (it has no AudioWorklet). Choose a MIDI output under MIDI › Midi Setup, or use a current Chrome, Edge, Firefox or Safari.'
          : arg(tr(pageContext, 'The sound could not be loaded (%1). Reload the page to try again.'), String(e)),
      );
    } finally {
      loading.hidden = true;
      begin.removeAttribute('aria-describedby');
    }
  })();
}
