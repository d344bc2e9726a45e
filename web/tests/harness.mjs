// The page tests' common ground: a static server over dist/ on localhost and
// Debian's chromium, headless, in a fresh profile, driven through playwright-core.
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const web = dirname(dirname(fileURLToPath(import.meta.url)));
export const root = dirname(web);
export const dist = join(web, 'dist');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml', '.png': 'image/png', '.sf2': 'application/octet-stream', '.txt': 'text/plain; charset=utf-8',
  '.dat': 'text/plain; charset=utf-8',
};

// Serves dist/ (and `extra` paths mapped to files); `offline` makes it refuse everything.
export async function serve(extra = {}) {
  const state = { offline: false, requests: [] };
  const server = createServer((req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    state.requests.push(path);
    if (state.offline) {
      req.socket.destroy();
      return;
    }
    let file = extra[path] ?? join(dist, normalize(path).replace(/^(\.\.[/\\])+/, ''));
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      const body = readFileSync(file);
      res.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Content-Length': body.length, 'Cache-Control': 'no-cache' });
      res.end(body);
    } catch {
      res.writeHead(404);
      res.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return { url, state, close: () => new Promise((resolve) => server.close(resolve)) };
}

export const chromiumArgs = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required',
];

// A browser with a profile of its own, removed again by close().
export async function browser(options = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'sonorix-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.SONORIX_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: chromiumArgs,
    viewport: { width: 1280, height: 900 },
    acceptDownloads: true,
    ...options,
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens the page with a fixed seed and clock and waits for the login.
export async function openPage(context, url, query = 'seed=12345&clock=manual&start=10000&today=38961&nosw') {
  const page = await context.newPage();
  page.on('pageerror', (e) => console.error('page error:', e));
  await page.goto(`${url}?${query}`);
  await page.waitForSelector('#login-dialog[open]');
  return page;
}

export async function login(page, name) {
  await page.fill('#login-name', name);
  await page.press('#login-name', 'Enter');
  await page.waitForFunction(() => document.body.dataset.ready === 'yes' || !document.querySelector('#login-dialog[open]'));
}
