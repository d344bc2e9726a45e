// The page's time as the core reads it. A fixed seed and a clock moved by
// hand make a drill repeatable: ?seed=N&clock=manual&start=MS&today=D&tod=S.

export interface PageClock {
  // Milliseconds, as an unsigned 32-bit count, as the core keeps them.
  now(): number;
  // Days since 30 December 1899 (the drill files' dates).
  today(): number;
  // The time of day logged lines carry.
  secondOfDay(): number;
  seed: number;
  // Moves a clock that goes by hand; a running clock ignores it.
  advance(ms: number): void;
}

const dayZero = Date.UTC(1899, 11, 30);

export function pageClock(params: URLSearchParams, since = () => performance.now(), date = () => new Date()): PageClock {
  const manual = params.get('clock') === 'manual';
  let manualNow = Number(params.get('start') ?? 10000);
  const t0 = since();
  return {
    now: () => (manual ? manualNow : Math.floor(since() - t0)) >>> 0,
    today: () => {
      if (params.has('today')) return Number(params.get('today'));
      const d = date();
      return Math.floor((Date.UTC(d.getFullYear(), d.getMonth(), d.getDate()) - dayZero) / 86400000);
    },
    secondOfDay: () => {
      if (manual) return Number(params.get('tod') ?? 36000);
      const d = date();
      return d.getHours() * 3600 + d.getMinutes() * 60 + d.getSeconds();
    },
    seed: params.has('seed') ? Number(params.get('seed')) : Math.floor(date().getTime() / 1000),
    advance: (ms) => {
      if (manual) manualNow = (manualNow + ms) >>> 0;
    },
  };
}
