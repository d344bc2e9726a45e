// The page's time as the core reads it, and the seed of its questions.

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

// The browser's clock from the page's start, the local day and time.
export function systemClock(since = () => performance.now(), date = () => new Date()): PageClock {
  const t0 = since();
  return {
    now: () => Math.floor(since() - t0) >>> 0,
    today: () => {
      const d = date();
      return Math.floor((Date.UTC(d.getFullYear(), d.getMonth(), d.getDate()) - dayZero) / 86400000);
    },
    secondOfDay: () => {
      const d = date();
      return d.getHours() * 3600 + d.getMinutes() * 60 + d.getSeconds();
    },
    seed: Math.floor(date().getTime() / 1000),
    advance: () => undefined,
  };
}

// A repeatable drill: ?seed=N&today=D fix those, and ?clock=manual&start=MS&tod=S
// a clock that moves only by advance(); what the address leaves out is `base`'s.
export function addressClock(params: URLSearchParams, base: PageClock): PageClock {
  const manual = params.get('clock') === 'manual';
  let manualNow = Number(params.get('start') ?? 10000) >>> 0;
  return {
    now: () => (manual ? manualNow : base.now()),
    today: () => (params.has('today') ? Number(params.get('today')) : base.today()),
    secondOfDay: () => (manual ? Number(params.get('tod') ?? 36000) : base.secondOfDay()),
    seed: params.has('seed') ? Number(params.get('seed')) : base.seed,
    advance: (ms) => {
      if (manual) manualNow = (manualNow + ms) >>> 0;
    },
  };
}
