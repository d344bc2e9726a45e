// The student's files in the browser: kept in IndexedDB, mirrored in memory
// for the core's synchronous reads and writes. A tab holds one Web Lock while
// it works and lends it to another tab that asks: while it holds it no other
// tab writes, so its files in memory are the latest and an action waits for no
// read. Each action's changes go to the database at once, behind it.
import { nextTask, soon } from './tasks';

const DB_NAME = 'sonorix';
const DB_VERSION = 1;  // index.html asks for the same database early
const STORE = 'files';
const LOCK = 'sonorix-files';
const GENERATION = '\u0000generation';  // changed by every write, so a tab sees another's

export const dataFileNames = ['people.dat', 'filters.dat', 'report.dat', 'hiscore.dat', 'errors.dat', 'practice.dat', 'sing.dat'];

export class StorageRefused extends Error {}

function request<T>(r: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    r.onsuccess = () => resolve(r.result);
    r.onerror = () => reject(r.error);
  });
}

function done(tx: IDBTransaction): Promise<void> {
  return new Promise((resolve, reject) => {
    tx.oncomplete = () => resolve();
    tx.onerror = () => reject(tx.error);
    tx.onabort = () => reject(tx.error ?? new Error('aborted'));
  });
}

// Actions queued behind one another run in one task for so long at most; the
// next waits for a task of its own, so that the page draws and answers meanwhile.
const sliceMs = 8;

const asError = (e: unknown) => (e instanceof Error ? e : new Error(String(e)));

export class FileStore {
  readonly files = new Map<string, Uint8Array>();
  private dirty = new Set<string>();
  // The write the files in memory hold: random, so that no two tabs' writes look alike.
  private generation: unknown = undefined;
  private db: IDBDatabase | null = null;
  private queue: Promise<unknown> = Promise.resolve();
  private pending = 0;  // actions asked for and not yet done
  private writes = new Set<Promise<void>>();
  private sliceStart: number | null = null;  // when this task's first action ran
  // Ends our hold of the lock; null while we do not hold it.
  private release: (() => void) | null = null;
  private asked = false;  // another tab waits for the lock
  private taking: Promise<void> | null = null;
  private watch: ReturnType<typeof setInterval> | undefined;
  private channel: BroadcastChannel | null = null;
  // Set when the browser refused to keep the files; they then live in memory only.
  refused: Error | null = null;
  private full = false;
  onRefused: (e: Error) => void = () => {};
  // Tests widen the time between reading and writing, where another tab could slip in.
  slowForTests = 0;

  async open(): Promise<void> {
    // The page asks for the database as it is read, before its code has loaded.
    const early = (window as { sonorixDatabase?: Promise<IDBDatabase> }).sonorixDatabase;
    delete (window as { sonorixDatabase?: Promise<IDBDatabase> }).sonorixDatabase;
    const opened = () =>
      new Promise<IDBDatabase>((resolve, reject) => {
        const r = indexedDB.open(DB_NAME, DB_VERSION);
        r.onupgradeneeded = () => r.result.createObjectStore(STORE);
        r.onsuccess = () => resolve(r.result);
        r.onerror = () => reject(r.error);
      });
    this.listen();
    // The lock is asked for beside the database, and the files are read now,
    // while the core loads, and not on the first action.
    const ready = (async () => {
      try {
        // The page's early request names the database a second time: one that
        // is not this one, or that failed, is asked for again here.
        let db = early ? await early.catch(() => null) : null;
        if (db && (db.name !== DB_NAME || db.version !== DB_VERSION || !db.objectStoreNames.contains(STORE))) {
          db.close();
          db = null;
        }
        this.db = db ?? (await opened());
      } catch (e) {
        this.refuse(e);
      }
    })();
    this.taking = this.takeNow(ready).finally(() => {
      this.taking = null;
    });
    await this.taking;
    this.leaveIfDone();
    // Not awaited: the answer does not change what we do.
    void navigator.storage?.persist?.().catch(() => false);
  }

  private refuse(e: unknown) {
    this.refused = asError(e);
    this.leave();
    this.onRefused(this.refused);
  }

  private listen() {
    if (typeof BroadcastChannel !== 'undefined') {
      this.channel = new BroadcastChannel(LOCK);
      this.channel.onmessage = () => this.lend();
    }
    // A hidden tab may be frozen and could not lend the lock, so it gives it up. Not at
    // once: a closing page acts once more as it goes (pagehide), still holding it.
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'hidden') setTimeout(() => this.leaveIfDone(), 200);
    });
  }

  // Another tab waits: the lock goes once our actions are done and written.
  private lend() {
    this.asked = true;
    this.leaveIfDone();
  }

  private leaveIfDone() {
    if (this.pending === 0 && (this.asked || document.visibilityState === 'hidden')) this.leave();
  }

  // Every write is handed to the database before the lock goes, and a tab's
  // reads after it take the lock wait for those writes.
  private leave() {
    const release = this.release;
    if (!release) return;
    this.release = null;
    this.asked = false;
    clearInterval(this.watch);
    release();
  }

  // The lock, and every tab's latest files with it.
  private take(): Promise<void> {
    if (this.taking) return this.taking;
    if (!this.db || this.refused || this.release) return Promise.resolve();
    this.taking = this.takeNow().finally(() => {
      this.taking = null;
    });
    return this.taking;
  }

  private async takeNow(ready?: Promise<void>): Promise<void> {
    try {
      await Promise.all([this.lock(), ready]);
      if (!this.db || this.refused) return this.leave();
      await Promise.all([...this.writes]);
      // Files not yet written (the storage was full) are newer than any tab's.
      if (this.dirty.size === 0) await this.refresh();
    } catch (e) {
      this.refuse(e);
    }
  }

  private lock(): Promise<void> {
    const locks = navigator.locks;
    if (!locks || this.release) return Promise.resolve();
    return new Promise<void>((granted, failed) => {
      locks
        .request(LOCK, () =>
          new Promise<void>((release) => {
            this.release = release;
            // A tab of an older page does not ask for the lock: it is seen waiting.
            this.watch = setInterval(() => {
              void locks.query().then((s) => {
                if (s.pending?.some((l) => l.name === LOCK)) this.lend();
              }, () => undefined);
            }, 500);
            granted();
          }),
        )
        .catch(failed);
      // The holder lends it when asked.
      this.channel?.postMessage('lend');
    });
  }

  // Reads what another tab wrote since we last looked.
  private async refresh(): Promise<void> {
    if (!this.db) return;
    const tx = this.db.transaction(STORE, 'readonly');
    const store = tx.objectStore(STORE);
    const all = () => Promise.all([request(store.getAllKeys()), request(store.getAll())]) as Promise<[string[], unknown[]]>;
    // Files never read are asked for with the generation: one wait on the database, not two.
    const first = this.generation === undefined ? all() : null;
    const gen = ((await request(store.get(GENERATION))) as unknown) ?? 0;
    if (gen === this.generation) return;
    const [keys, values] = await (first ?? all());
    this.files.clear();
    keys.forEach((k, i) => {
      if (k !== GENERATION) this.files.set(k, values[i] as Uint8Array);
    });
    this.generation = gen;
  }

  // Hands what changed to the database now; it is written behind the action.
  private write() {
    if (!this.db || this.refused || this.dirty.size === 0) return;
    const names = [...this.dirty];
    this.dirty.clear();
    const generation = Math.random();
    let written: Promise<void>;
    try {
      const tx = this.db.transaction(STORE, 'readwrite');
      try {
        const store = tx.objectStore(STORE);
        for (const name of names) {
          const bytes = this.files.get(name);
          if (bytes) store.put(bytes, name);
          else store.delete(name);
        }
        store.put(generation, GENERATION);
        // Nothing more comes: the database need not wait for the page (a closing one).
        tx.commit?.();
      } catch (e) {
        tx.abort();
        throw e;
      }
      written = done(tx);
    } catch (e) {
      written = Promise.reject(e);
    }
    const settled = written.then(
      () => {
        this.generation = generation;
        this.full = false;
      },
      (e) => {
        // Full: the files stay in memory and are written with the next change.
        for (const name of names) this.dirty.add(name);
        if (!this.full) this.onRefused(asError(e));
        this.full = true;
      },
    );
    this.writes.add(settled);
    void settled.then(() => this.writes.delete(settled));
  }

  // Runs fn with every tab's latest files and writes what it changed, one tab
  // at a time. fn itself is synchronous: the core never waits inside it.
  act<T>(fn: () => T): Promise<T> {
    this.pending += 1;
    const run = async () => {
      try {
        await this.take();
        if (this.slowForTests > 0) await new Promise((r) => setTimeout(r, this.slowForTests));
        if (this.sliceStart !== null && performance.now() - this.sliceStart > sliceMs) await nextTask();
        if (this.sliceStart === null) {
          this.sliceStart = performance.now();
          soon(() => (this.sliceStart = null));
        }
        const result = fn();
        this.write();
        return result;
      } finally {
        this.pending -= 1;
        this.leaveIfDone();
      }
    };
    const p = this.queue.then(run, run);
    this.queue = p.catch(() => undefined);
    return p as Promise<T>;
  }

  // When every action asked for so far is done and written (or found the storage full).
  // Events already queued (a dialog's close) may still ask for actions: one turn is waited for them.
  async settled(): Promise<void> {
    do {
      await this.act(() => undefined);
      await Promise.all([...this.writes]);
      await new Promise((r) => setTimeout(r, 0));
    } while (this.pending > 0 || this.writes.size > 0);
  }

  // --- what the core's storage calls, synchronously ---
  read(name: string): Uint8Array | undefined {
    return this.files.get(name);
  }
  replace(name: string, bytes: Uint8Array): void {
    this.files.set(name, bytes);
    this.dirty.add(name);
  }
  remove(name: string): void {
    if (!this.files.delete(name)) return;
    this.dirty.add(name);
  }
  append(name: string, bytes: Uint8Array, onFreshLine: boolean): void {
    const old = this.files.get(name) ?? new Uint8Array(0);
    const brk = onFreshLine && old.length > 0 && old[old.length - 1] !== 10;
    const next = new Uint8Array(old.length + (brk ? 2 : 0) + bytes.length);
    next.set(old, 0);
    if (brk) next.set([13, 10], old.length);
    next.set(bytes, old.length + (brk ? 2 : 0));
    this.replace(name, next);
  }

  // Replaces every data file by the given ones (an import), under the lock.
  async replaceAll(files: Map<string, Uint8Array>): Promise<void> {
    await this.act(() => {
      for (const name of dataFileNames) {
        if (files.has(name)) this.replace(name, files.get(name)!);
        else if (this.files.has(name)) {
          this.files.delete(name);
          this.dirty.add(name);
        }
      }
    });
    // The page reloads next.
    await Promise.all([...this.writes]);
  }
}
