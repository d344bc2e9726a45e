// The student's files in the browser: kept in IndexedDB, mirrored in memory
// for the core's synchronous reads and writes, and written back under one
// Web Lock, so that two tabs never lose each other's update.
const DB_NAME = 'sonorix';
const DB_VERSION = 1;  // index.html asks for the same database early
const STORE = 'files';
const LOCK = 'sonorix-files';
const GENERATION = '\u0000generation';  // bumped by every write, so a tab sees another's

export const dataFileNames = ['people.dat', 'filters.dat', 'report.dat', 'hiscore.dat', 'errors.dat', 'practice.dat'];

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

export class FileStore {
  readonly files = new Map<string, Uint8Array>();
  private dirty = new Set<string>();
  private generation = -1;
  private db: IDBDatabase | null = null;
  private queue: Promise<unknown> = Promise.resolve();
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
    try {
      // The page's early request names the database a second time: one that
      // is not this one, or that failed, is asked for again here.
      let db = early ? await early.catch(() => null) : null;
      if (db && (db.name !== DB_NAME || db.version !== DB_VERSION || !db.objectStoreNames.contains(STORE))) {
        db.close();
        db = null;
      }
      this.db = db ?? (await opened());
      await this.refresh();
    } catch (e) {
      this.refuse(e);
    }
    // Not awaited: the answer does not change what we do.
    void navigator.storage?.persist?.().catch(() => false);
  }

  private refuse(e: unknown) {
    this.refused = e instanceof Error ? e : new Error(String(e));
    this.onRefused(this.refused);
  }

  // Reads what another tab wrote since we last looked.
  private async refresh(): Promise<void> {
    if (!this.db) return;
    const tx = this.db.transaction(STORE, 'readonly');
    const store = tx.objectStore(STORE);
    const gen = ((await request(store.get(GENERATION))) as number | undefined) ?? 0;
    if (gen === this.generation) return;
    // Asked for together: one wait on the database instead of two.
    const [keys, values] = (await Promise.all([request(store.getAllKeys()), request(store.getAll())])) as [string[], unknown[]];
    this.files.clear();
    keys.forEach((k, i) => {
      if (k !== GENERATION) this.files.set(k, values[i] as Uint8Array);
    });
    this.generation = gen;
  }

  private async flush(): Promise<void> {
    if (!this.db || this.dirty.size === 0) return;
    const tx = this.db.transaction(STORE, 'readwrite');
    const store = tx.objectStore(STORE);
    for (const name of this.dirty) {
      const bytes = this.files.get(name);
      if (bytes) store.put(bytes, name);
      else store.delete(name);
    }
    store.put(this.generation + 1, GENERATION);
    await done(tx);
    this.generation += 1;
    this.dirty.clear();
  }

  // Runs fn with every tab's latest files and keeps what it wrote, one tab
  // at a time. fn itself is synchronous: the core never waits inside it.
  act<T>(fn: () => T): Promise<T> {
    const run = async () => {
      const inner = async () => {
        // Files not yet written (the storage was full) are newer than any tab's.
        if (!this.refused && this.dirty.size === 0) {
          try {
            await this.refresh();
          } catch (e) {
            this.refuse(e);
          }
        }
        if (this.slowForTests > 0) await new Promise((r) => setTimeout(r, this.slowForTests));
        const result = fn();
        if (!this.refused) {
          try {
            await this.flush();
            this.full = false;
          } catch (e) {
            // Full: the files stay in memory and are written with the next change.
            if (!this.full) this.onRefused(e instanceof Error ? e : new Error(String(e)));
            this.full = true;
          }
        }
        return result;
      };
      return navigator.locks ? navigator.locks.request(LOCK, inner) : inner();
    };
    const p = this.queue.then(run, run);
    this.queue = p.catch(() => undefined);
    return p as Promise<T>;
  }

  // --- what the core's storage calls, synchronously ---
  read(name: string): Uint8Array | undefined {
    return this.files.get(name);
  }
  replace(name: string, bytes: Uint8Array): void {
    this.files.set(name, bytes);
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
  replaceAll(files: Map<string, Uint8Array>): Promise<void> {
    return this.act(() => {
      for (const name of dataFileNames) {
        if (files.has(name)) this.replace(name, files.get(name)!);
        else if (this.files.has(name)) {
          this.files.delete(name);
          this.dirty.add(name);
        }
      }
    });
  }
}
