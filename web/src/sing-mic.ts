// The microphone, open only while an exercise listens: its samples go to
// `feed` block by block and nowhere else; close() stops its tracks, so the
// browser's indicator goes out, and closes the audio context it used.

// Why listening could not start, as the sing view says it.
export type MicFault = 'refused' | 'none' | 'unsupported';

export class MicError extends Error {
  constructor(readonly fault: MicFault, cause?: unknown) {
    super(fault + (cause ? `: ${String(cause)}` : ''));
  }
}

export interface Microphone {
  readonly sampleRate: number;
  close(): Promise<void>;
}

// Known causes by their DOMException names; anything else counts as no
// usable microphone, which the student can still mend.
function faultOf(e: unknown): MicFault {
  const name = (e as { name?: string })?.name ?? '';
  if (name === 'NotAllowedError' || name === 'SecurityError' || name === 'PermissionDeniedError') return 'refused';
  return 'none';
}

export async function openMicrophone(feed: (block: Float32Array) => void, ended: () => void): Promise<Microphone> {
  if (!navigator.mediaDevices?.getUserMedia || typeof AudioWorkletNode === 'undefined') throw new MicError('unsupported');
  let stream: MediaStream;
  try {
    // The voice as it is: the browser's voice-call processing bends pitch and level.
    stream = await navigator.mediaDevices.getUserMedia({ audio: { echoCancellation: false, noiseSuppression: false, autoGainControl: false }, video: false });
  } catch (e) {
    throw new MicError(faultOf(e), e);
  }
  const stop = () => stream.getTracks().forEach((t) => t.stop());
  let ctx: AudioContext | null = null;
  try {
    ctx = new AudioContext({ latencyHint: 'interactive' });
    await ctx.audioWorklet.addModule(new URL('./sing-worklet.js', document.baseURI).href);
    const source = ctx.createMediaStreamSource(stream);
    const node = new AudioWorkletNode(ctx, 'sonorix-microphone', { numberOfInputs: 1, numberOfOutputs: 1, outputChannelCount: [1] });
    node.port.onmessage = (ev: MessageEvent<Float32Array>) => feed(ev.data);
    // Pulled by the output, which hears nothing of it.
    const mute = ctx.createGain();
    mute.gain.value = 0;
    source.connect(node).connect(mute).connect(ctx.destination);
    for (const t of stream.getAudioTracks()) t.addEventListener('ended', ended);
    if (ctx.state === 'suspended') await ctx.resume();
    const opened = ctx;
    return {
      sampleRate: opened.sampleRate,
      close: async () => {
        node.port.onmessage = null;
        stop();
        source.disconnect();
        node.disconnect();
        await opened.close().catch(() => undefined);
      },
    };
  } catch (e) {
    stop();
    await ctx?.close().catch(() => undefined);
    throw e instanceof MicError ? e : new MicError('none', e);
  }
}
