// A whole drill by keys in the page, with the seed and clock of the desktop's
// recorded drill: the files it leaves equal the desktop's byte for byte. Then
// the data outlives a reload, an export unpacks into a folder the class
// reader takes, and a damaged import changes nothing.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { unzipSync, zipSync } from 'fflate';
import { login, openPage, root, shared } from './harness.mjs';

const at = shared();
let page;

const idle = () => page.evaluate(() => window.sonorixTest.idle());
const view = () => page.evaluate(() => window.sonorixTest.view());
const fileText = async (name) => Buffer.from(await page.evaluate((n) => window.sonorixTest.file(n), name));

async function answerByTyping(name) {
  await page.fill('#edit1', '');
  await page.type('#edit1', name);
  await page.press('#edit1', 'Enter');
  await idle();
}

async function advance(ms) {
  await page.evaluate((m) => window.sonorixTest.advance(m), ms);
}

// As the desktop's recorded drill: on every third question two equal wrong
// answers and another wrong one first; a few seconds pass for each.
async function answer(n) {
  for (let i = 0; i < n; i++) {
    const q = await page.evaluate(() => window.sonorixTest.question());
    const v = await view();
    const listIndices = await page.evaluate(() => window.sonorixTest.rowListIndices());
    const right = listIndices.indexOf(q.listIndex);
    assert.ok(right >= 0);
    const wrong = (k) => v.rows.filter((_, r) => r !== right)[k].name;
    await advance(3100 + 700 * (i % 4));
    if (i % 3 === 1) {
      await answerByTyping(wrong(0));
      await answerByTyping(wrong(0));
      await answerByTyping(wrong(2));
    }
    await answerByTyping(v.rows[right].name);
  }
}

async function end() {
  await page.click('#begin');
  await page.waitForSelector('#score-dialog[open]');
  await page.click('#s-ok');
  await idle();
  assert.equal((await view()).drilling, false);
}

test('two drills by keys leave the desktop\'s recorded files', async () => {
  page = await openPage(at.chrome.context, at.server.url);
  // Zoë Ann is the fourth person, as in the desktop's drill.
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  for (const name of ['Bea', 'Cy', 'Zoë Ann']) {
    await page.click('summary:has-text("Exit")');
    await page.click('[data-action=login]');
    await page.waitForSelector('#login-dialog[open]');
    await login(page, name);
    await idle();
  }
  assert.equal((await view()).person, 'Zoë Ann');

  await page.check('input[name="range"][value="2"]');
  await idle();
  await page.focus('#edit1');
  await page.keyboard.press('Control+b');
  await idle();
  assert.equal((await view()).drilling, true);
  await answer(9);
  await end();

  await page.check('input[name="cardinality"][value="1"]');
  await idle();
  await page.click('#begin');
  await idle();
  await answer(4);
  await page.press('#edit1', 'F1');
  await page.check('input[name="range"][value="1"]');
  await page.press('#edit1', 'F1');
  await idle();
  await answer(3);
  await end();

  for (const name of ['report.dat', 'errors.dat', 'hiscore.dat']) {
    const recorded = readFileSync(join(root, 'tests', 'drill', 'window', 'files', name));
    assert.ok((await fileText(name)).equals(recorded), `${name} differs from the desktop's`);
  }
});

test('a reload keeps the data, and an export unpacks into a folder the class reader takes', async () => {
  const before = await fileText('report.dat');
  await page.reload();
  await page.waitForSelector('#login-dialog[open]');
  assert.equal(await page.inputValue('#login-name'), 'Zoë Ann');
  await login(page, 'Zoë Ann');
  await page.waitForSelector('body[data-ready=yes]');
  assert.ok((await fileText('report.dat')).equals(before));

  await page.click('summary:has-text("Exit")');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('[data-action=export]')]);
  const zip = readFileSync(await download.path());
  const dir = mkdtempSync(join(tmpdir(), 'sonorix-export-'));
  try {
    for (const [path, bytes] of Object.entries(unzipSync(zip))) {
      const target = join(dir, path);
      execFileSync('mkdir', ['-p', join(target, '..')]);
      writeFileSync(target, bytes);
    }
    const folder = join(dir, 'sonorix');
    assert.ok(readFileSync(join(folder, 'report.dat')).equals(before));
    // The class reader is the desktop build's; the README's test command builds it first.
    const build = process.env.SONORIX_BUILD_DIR || join(root, 'build-test');
    const reader = join(build, 'bin', 'sonorix-class');
    if (process.env.SONORIX_BUILD_DIR || existsSync(reader)) {
      const csv = execFileSync(reader, [folder], { encoding: 'utf8' }).split(/\r?\n/);
      const header = csv[0].split(',');
      const row = csv.find((l) => l.includes('Zoë Ann')).split(',');
      assert.equal(row[header.indexOf('unverified')], '0');
      assert.ok(Number(row[header.indexOf('right')]) > 0);
    }
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test('a damaged or foreign archive is refused and changes nothing', async () => {
  const before = await fileText('report.dat');
  await page.click('summary:has-text("Exit")');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('[data-action=export]')]);
  const good = readFileSync(await download.path());
  // One byte of the packed report changed: the archive still unpacks, but not as written.
  const damaged = Buffer.from(good);
  damaged[good.indexOf('report.dat') + 'report.dat'.length + 8] ^= 0x55;
  const foreign = Buffer.from(zipSync({ 'photos/cat.jpg': new Uint8Array([1, 2, 3]) }));
  for (const [name, bytes] of [
    ['damaged.zip', damaged],
    ['foreign.zip', foreign],
    ['notes.zip', readFileSync(join(root, 'web', 'package.json'))],
  ]) {
    await page.evaluate(() => {
      document.getElementById('notice').hidden = true;
    });
    await page.setInputFiles('#import-file', { name, mimeType: 'application/zip', buffer: bytes });
    await page.waitForSelector('#notice:not([hidden])');
    assert.match(await page.textContent('#notice'), /Nothing was changed/);
    assert.equal(await page.isVisible('#confirm-dialog'), false);
  }
  assert.ok((await fileText('report.dat')).equals(before));
});
