// The page's HTTP for the class's server, against a real server on this
// machine: the answer as the core reads it, nothing of the browser's own in
// the request, the cap on an answer's size, and every way a link fails.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { load } from './load.mjs';

const { sendHttp, Link, maxAnswerBytes, readPasswordFile, passwordFileText } = await load('class-http.ts', 'class-connection.ts');

async function server(handler) {
  const s = createServer(handler);
  await new Promise((r) => s.listen(0, '127.0.0.1', r));
  const sockets = new Set();
  s.on('connection', (c) => (sockets.add(c), c.on('close', () => sockets.delete(c))));
  return {
    url: `http://127.0.0.1:${s.address().port}/`,
    close: () => new Promise((r) => (sockets.forEach((c) => c.destroy()), s.close(r))),
  };
}

const request = (url, method = 'GET', headers = [], body = new Uint8Array(0)) => ({ method, url, headers, body });

test('an answer comes back whole, and the request carries only what the core put in it', async () => {
  const seen = [];
  const s = await server((req, res) => {
    const chunks = [];
    req.on('data', (c) => chunks.push(c));
    req.on('end', () => {
      seen.push({ method: req.method, headers: req.headers, body: Buffer.concat(chunks) });
      res.writeHead(req.method === 'PUT' ? 201 : 207, { ETag: '"abc"', 'Content-Type': 'application/xml' });
      res.end(Buffer.from([0x53, 0x0d, 0x0a, 0x00, 0xff, 0x1a]));
    });
  });
  try {
    const part = new TextEncoder().encode('S 46000 0 ann\r\n\u00e9');
    const put = await sendHttp(request(`${s.url}c/ann/report.dat.d.1`, 'PUT', [['If-None-Match', '*'], ['Authorization', 'Basic YTpi']], part));
    assert.equal(put.link, Link.Answered);
    assert.equal(put.status, 201);
    assert.deepEqual([...put.body], [0x53, 0x0d, 0x0a, 0x00, 0xff, 0x1a]);
    assert.equal(new Map(put.headers).get('etag'), '"abc"');
    const got = await sendHttp(request(`${s.url}c/`, 'PROPFIND', [['Depth', '1']]));
    assert.equal(got.status, 207);
    assert.equal(seen[0].method, 'PUT');
    assert.deepEqual(seen[0].body, Buffer.from(part));
    assert.equal(seen[0].headers.authorization, 'Basic YTpi');
    assert.equal(seen[0].headers['if-none-match'], '*');
    assert.equal(seen[1].headers.authorization, undefined, 'only the request names a password');
    assert.equal(seen[1].headers.cookie, undefined);
    // A GET names no body even when the core handed one.
    const bodyless = await sendHttp(request(`${s.url}x`, 'GET', [], new Uint8Array([1])));
    assert.equal(bodyless.link, Link.Answered);
    assert.equal(seen[2].body.length, 0);
  } finally {
    await s.close();
  }
});

test('an answer past the cap is stopped, not held; a redirect is handed back, not followed', async () => {
  let written = 0;
  const s = await server((req, res) => {
    if (req.url === '/moved') {
      res.writeHead(302, { Location: 'https://elsewhere.example/' });
      res.end();
      return;
    }
    res.writeHead(207, { 'Content-Type': 'application/xml' });
    const chunk = Buffer.alloc(256 * 1024, 'x');
    const more = () => {
      while (written < 4 * maxAnswerBytes) {
        written += chunk.length;
        if (!res.write(chunk)) return void res.once('drain', more);
      }
      res.end();
    };
    res.on('close', () => (written = Infinity));
    more();
  });
  try {
    const huge = await sendHttp(request(`${s.url}c/`, 'PROPFIND'));
    assert.equal(huge.link, Link.Answered);
    assert.equal(huge.tooLarge, true);
    assert.equal(huge.body, undefined);
    const moved = await sendHttp(request(`${s.url}moved`));
    assert.equal(moved.status, 302);
    assert.equal(new Map(moved.headers).get('location'), 'https://elsewhere.example/');
  } finally {
    await s.close();
  }
});

test('no server is Unreachable; a link broken in the body or a server too slow is Lost', async () => {
  const s = await server((req, res) => {
    if (req.url === '/slow') return;  // never answers
    res.writeHead(200, { 'Content-Length': '1000' });
    res.write('half');
    setTimeout(() => req.socket.destroy(), 50);
  });
  const gone = await server(() => undefined);
  const goneUrl = gone.url;
  await gone.close();
  try {
    assert.equal((await sendHttp(request(`${goneUrl}c/`))).link, Link.Unreachable);
    assert.equal((await sendHttp(request(`${s.url}broken`))).link, Link.Lost);
    assert.equal((await sendHttp(request(`${s.url}slow`), 300)).link, Link.Lost);
  } finally {
    await s.close();
  }
});

test('a remembered password is read back for its account alone, and damage reads as none', () => {
  const bytes = (text) => new TextEncoder().encode(text);
  const kept = passwordFileText('ann b', 'p w%\r\n\u00e9');
  assert.match(kept, /^account ann%20b\r\npassword [^\s]+\r\n$/);
  assert.equal(readPasswordFile(bytes(kept), 'ann b'), 'p w%\r\n\u00e9');
  assert.equal(readPasswordFile(bytes(kept.replace(/\r\n/g, '\n') + '\u001apassword x\n'), 'ann b'), 'p w%\r\n\u00e9');
  assert.equal(readPasswordFile(bytes(kept), 'bob'), null);
  assert.equal(readPasswordFile(bytes('account ann\r\npassword %E0%A4%A\r\n'), 'ann'), null);
  assert.equal(readPasswordFile(bytes('account ann\r\n'), 'ann'), null);
  assert.equal(readPasswordFile(undefined, 'ann'), null);
});
