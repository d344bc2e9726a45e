// A static server for dist/ on localhost, for trying the page and for its
// tests. node serve.mjs [port]
import { createServer } from 'node:http';
import { readFileSync, statSync } from 'node:fs';
import { dirname, extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';

export const dist = join(dirname(fileURLToPath(import.meta.url)), 'dist');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml', '.png': 'image/png', '.sf2': 'application/octet-stream', '.txt': 'text/plain; charset=utf-8',
  '.dat': 'text/plain; charset=utf-8',
};

// Serves dist/ (or another build's folder, and `extra` paths mapped to files);
// state.offline makes it refuse everything.
export async function serve(extra = {}, port = 0, root = dist) {
  const state = { offline: false, requests: [] };
  const server = createServer((req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    state.requests.push(path);
    if (state.offline) {
      req.socket.destroy();
      return;
    }
    let file = extra[path] ?? join(root, normalize(path).replace(/^(\.\.[/\\])+/, ''));
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
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return { url, state, close: () => new Promise((resolve) => server.close(resolve)) };
}

if (process.argv[1] && process.argv[1].endsWith('serve.mjs')) {
  const { url } = await serve({}, Number(process.argv[2] || 8080));
  console.log(`Sonorix is served at ${url} (Ctrl+C stops it)`);
}
