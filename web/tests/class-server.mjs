// A class folder on a real WebDAV server for the page's tests and benchmarks:
// Debian's Apache (scripts/class-server.sh: Basic authentication, each
// student's folder theirs alone, CORS for the page's origin) or rclone
// (scripts/class-server-rclone.sh: no rights per account, no CORS), on a
// port of this machine, in a folder of its own.
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { connect, createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { root } from './harness.mjs';

// A test's skip reason when the server is not installed, else false.
export const apacheMissing = existsSync('/usr/sbin/apache2') ? false : 'apache2 is not installed';

export const listening = (port) =>
  new Promise((resolve) => {
    const c = connect(port, '127.0.0.1', () => (c.destroy(), resolve(true)));
    c.on('error', () => resolve(false));
  });

// `preferred` when it is free, else any free port.
export async function freePort(preferred = 0) {
  if (preferred && !(await listening(preferred))) return preferred;
  const s = createServer();
  await new Promise((r) => s.listen(0, '127.0.0.1', r));
  const { port } = s.address();
  await new Promise((r) => s.close(r));
  return port;
}

const scripts = { apache: 'class-server.sh', rclone: 'class-server-rclone.sh' };

export class ClassServer {
  // accounts: "name:password", the first the teacher's; env: CLASS_READERS and such.
  constructor({ origin, accounts, className = 'Theory 1', kind = 'apache', dir, port, env = {}, waitMs = 10000 }) {
    this.origin = origin;
    this.accounts = accounts;
    this.className = className;
    this.kind = kind;
    this.made = !dir;
    this.dir = dir ?? mkdtempSync(join(tmpdir(), 'sonorix-dav-'));
    this.port = port;
    this.env = env;
    this.waitMs = waitMs;
  }
  // Again on the same folder and port after stop().
  async start() {
    this.port ??= await freePort();
    const script = join(root, 'scripts', scripts[this.kind]);
    this.process = spawn('bash', [script, this.dir, String(this.port), this.origin, this.className, ...this.accounts], {
      stdio: ['ignore', 'inherit', 'inherit'],
      env: { ...process.env, ...this.env },
    });
    this.exited = new Promise((r) => this.process.once('exit', r));
    for (let waited = 0; waited < this.waitMs && !(await listening(this.port)); waited += 100) await new Promise((r) => setTimeout(r, 100));
    if (!(await listening(this.port))) {
      await this.close();
      throw new Error(`${this.kind} did not start`);
    }
    return this;
  }
  async stop() {
    this.process?.kill('SIGTERM');
    await this.exited;
    this.process = null;
  }
  // Stopped, and its folder gone when it made it.
  async close() {
    await this.stop();
    if (this.made) rmSync(this.dir, { recursive: true, force: true });
  }
  get url() {
    return `http://127.0.0.1:${this.port}`;
  }
  get address() {
    return `${this.url}/${encodeURIComponent(this.className)}/`;
  }
  // The class folder on disk, or an account's folder in it.
  folder(account = '') {
    return join(this.dir, 'dav', this.className, account);
  }
}
