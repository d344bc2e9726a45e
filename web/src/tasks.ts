// A task of its own, as soon as the page is free: setTimeout(0) waits at
// least 4 ms once nested, and a read in hundreds of steps would wait seconds.
const channel = typeof MessageChannel === 'undefined' ? null : new MessageChannel();
const waiting: (() => void)[] = [];
if (channel) channel.port1.onmessage = () => waiting.shift()?.();

export function soon(run: () => void) {
  if (!channel) return void setTimeout(run, 0);
  waiting.push(run);
  channel.port2.postMessage(0);
}

export const nextTask = () => new Promise<void>((resolve) => soon(resolve));
