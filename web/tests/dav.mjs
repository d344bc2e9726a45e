// A class folder on Debian's Apache for the page tests (scripts/class-server.sh):
// on a free port of its own, the page's origin allowed, the first account the teacher's.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { connect, createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { root } from './harness.mjs';

export const apacheMissing = existsSync('/usr/sbin/apache2') ? false : 'apache2 is not installed';

export async function freePort() {
  const s = createServer();
  await new Promise((r) => s.listen(0, '127.0.0.1', r));
  const { port } = s.address();
  await new Promise((r) => s.close(r));
  return port;
}

export const listening = (port) =>
  new Promise((resolve) => {
    const c = connect(port, '127.0.0.1', () => (c.destroy(), resolve(true)));
    c.on('error', () => resolve(false));
  });

export class DavClass {
  constructor(origin, className, accounts) {
    this.dir = mkdtempSync(join(tmpdir(), 'sonorix-dav-'));
    Object.assign(this, { origin, className, accounts });
  }
  async start() {
    this.port ??= await freePort();
    this.process = spawn('bash', [join(root, 'scripts', 'class-server.sh'), this.dir, String(this.port), this.origin, this.className, ...this.accounts], {
      stdio: ['ignore', 'inherit', 'inherit'],
    });
    this.exited = new Promise((r) => this.process.once('exit', r));
    for (let i = 0; i < 100 && !(await listening(this.port)); i++) await new Promise((r) => setTimeout(r, 100));
    assert.ok(await listening(this.port), 'Apache did not start');
  }
  async stop() {
    this.process?.kill('SIGTERM');
    await this.exited;
    this.process = null;
  }
  remove() {
    rmSync(this.dir, { recursive: true, force: true });
  }
  get address() {
    return `http://127.0.0.1:${this.port}/${encodeURIComponent(this.className)}/`;
  }
  // The class folder on disk.
  get folder() {
    return join(this.dir, 'dav', this.className);
  }
}
