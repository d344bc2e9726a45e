// The page in German: every text a student sees comes from the catalogues
// (the desktop's and the page's own), converted at build time; the choice
// is kept; the converter keeps what lrelease keeps.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { convertCatalogues, parseCatalogue } from '../i18n-build.mjs';
import { dist, login, openPage, root, shared, web } from './harness.mjs';
import { shoot } from './shots.mjs';

const at = shared();

test('the converter keeps finished texts, plural forms and escapes, and drops the unfinished', () => {
  const { language, messages } = parseCatalogue(`<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="fr"><context><name>Ctx</name>
<message><location filename="a.cpp" line="3"/><source>It&apos;s &lt;b&gt; &amp; &quot;x&quot;</source><translation>C&apos;est &#x263A;</translation></message>
<message><source>Half done</source><translation type="unfinished">À moitié</translation></message>
<message><source>Gone</source><translation type="vanished">Parti</translation></message>
<message><source>Empty</source><translation></translation></message>
<message numerus="yes"><source>%n file(s)</source><translation><numerusform>%n fichier</numerusform><numerusform>%n fichiers</numerusform></translation></message>
<message><source>Same</source><comment>menu</comment><translation>Pareil</translation></message>
</context></TS>`);
  assert.equal(language, 'fr');
  assert.deepEqual(messages, {
    'Ctx\u0004It\'s <b> & "x"': "C'est \u263a",
    'Ctx\u0004%n file(s)': ['%n fichier', '%n fichiers'],
    'Ctx\u0004Same\u0004menu': 'Pareil',
  });
});

test('the page\'s own catalogue is whole in every language', () => {
  const keys = (code) => Object.keys(parseCatalogue(readFileSync(join(web, 'translations', `sonorix-web_${code}.ts`), 'utf8')).messages).sort();
  const de = keys('de');
  assert.ok(de.length > 40);
  // Unfinished texts are left out by the converter, so a gap shows here.
  for (const code of ['es', 'fr', 'it']) assert.deepEqual(keys(code), de, code);
});

// Every text of the page's views, as the student sees or hears it.
async function textsOf(page, selector) {
  return page.evaluate((sel) => {
    const data = '#readme-text, #listbox, #s-list, #people, #login-listed, #time, output, #e-text, script, style';
    const out = [];
    for (const rootEl of document.querySelectorAll(sel)) {
      const walker = document.createTreeWalker(rootEl, NodeFilter.SHOW_TEXT | NodeFilter.SHOW_ELEMENT);
      for (let n = walker.currentNode; n; n = walker.nextNode()) {
        const el = n instanceof Text ? n.parentElement : n;
        if (!el || !el.checkVisibility()) continue;
        if (n instanceof Text) {
          if (!el.closest(data)) out.push(n.data);
        }
        else for (const a of ['aria-label', 'title', 'placeholder']) if (el.hasAttribute(a)) out.push(el.getAttribute(a));
      }
    }
    // The report's words, line by line.
    if (document.querySelector(sel)?.contains(document.querySelector('#e-text')))
      out.push(...document.querySelector('#e-text').textContent.split('\n').filter((l) => /Confused|Verwechselt/.test(l)));
    return out.map((t) => t.trim()).filter(Boolean);
  }, selector);
}

test('every view under de shows only the catalogue\'s German, and the choice is kept', async () => {
  const de = convertCatalogues([join(root, 'translations', 'sonorix_de.ts'), join(web, 'translations', 'sonorix-web_de.ts')]).messages;
  // A German text of the catalogue, with its %1… and %n standing for anything.
  const german = [...new Set(Object.values(de).flat())].map(
    (t) => new RegExp(`^${t.trim().replace(/[.*+?^${}()|[\]\\]/g, '\\$&').replace(/%(n|\d)/g, '.*')}$`, 's'),
  );
  // Words that are German too, names and the page's own marks.
  const shared = new Set(['Sonorix', 'Sonorix v. 2.0', 'MIDI', 'English', 'Deutsch', 'Español', 'Français', 'Italiano', 'Sonorix v. 3.0', 'OK', 'RIPs']);
  const isForeign = (t) => /\p{L}{2}/u.test(t) && !shared.has(t) && !german.some((g) => g.test(t));
  // A text is the catalogue's whole (a head of two lines) or line by line (the desktop's paragraphs).
  const foreign = (texts) =>
    texts.filter((t) => isForeign(t)).flatMap((t) => t.split('\n').map((l) => l.trim()).filter((l) => l && isForeign(l)));

  const page = await openPage(at.chrome.context, at.server.url, 'seed=12345&clock=manual&start=10000&today=38961&nosw&lang=de');
  const seen = [];
  const look = async (what, selector) => {
    const left = foreign(await textsOf(page, selector));
    seen.push(...left.map((t) => `${what}: ${t}`));
  };
  await look('login', '#login-dialog');
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  assert.equal(await page.getAttribute('html', 'lang'), 'de');
  for (const summary of await page.locator('nav summary').all()) {
    await summary.click();
    await look('menu', 'header');
    await summary.click();
  }
  await look('drill', 'main');
  for (const [action, dialog] of [['filters', 'filters-dialog'], ['midi', 'midi-dialog'], ['about', 'about-dialog'], ['keys', 'keys-dialog'], ['pacing', 'pacing-dialog'], ['keyboard', 'keyboard-dialog'], ['progress', 'progress-dialog'], ['confusions', 'confusions-dialog'], ['join-class', 'join-dialog'], ['assignments', 'assign-dialog'], ['class-overview', 'class-overview-dialog']]) {
    await page.evaluate((a) => document.querySelector(`[data-action=${a}]`).click(), action);
    await page.waitForSelector(`#${dialog}[open]`);
    await look(action, `#${dialog}`);
    await page.keyboard.press('Escape');
    await page.evaluate(() => window.sonorixTest.idle());
  }
  // Plural forms from the page's catalogue.
  assert.deepEqual((await page.locator('#pacing-pause option').allTextContents()).slice(0, 3), ['keine Pause', '1 Sekunde', '2 Sekunden']);
  // Instructions in German, from the desktop's German readme.
  await page.evaluate(() => document.querySelector('[data-action=readme]').click());
  await page.waitForSelector('#readme-dialog[open]');
  assert.equal(await page.textContent('#readme-text'), readFileSync(join(dist, 'readme.de.txt'), 'utf8'));
  await page.keyboard.press('Escape');
  // The class's address refused, before any request, in German.
  await page.evaluate(() => document.querySelector('[data-action=join-class]').click());
  await page.fill('#join-address', 'http://cloud.example/Theorie 1/');
  await page.fill('#join-account', 'ann');
  await page.fill('#join-password', 'pw');
  await page.click('#join-ok');
  await page.waitForSelector('#join-error:not([hidden])');
  await look('join', '#join-dialog');
  assert.match(await page.textContent('#join-error'), /https:\/\//);
  await page.keyboard.press('Escape');

  // A drill: a wrong answer, five right ones, the score and the report.
  await page.keyboard.press('Control+b');
  await page.evaluate(() => window.sonorixTest.idle());
  await look('drilling', 'main, header');
  await shoot(page, 'web-drill-de');
  for (let i = 0; i < 5; i++) {
    const q = await page.evaluate(() => window.sonorixTest.question());
    const rows = (await page.evaluate(() => window.sonorixTest.view())).rows;
    const right = (await page.evaluate(() => window.sonorixTest.rowListIndices())).indexOf(q.listIndex);
    await page.evaluate(() => window.sonorixTest.advance(3000));
    if (i === 0) {
      await page.fill('#edit1', rows[(right + 1) % rows.length].name);
      await page.press('#edit1', 'Enter');
      await page.evaluate(() => window.sonorixTest.idle());
      await look('wrong', 'main');
    }
    await page.fill('#edit1', rows[right].name);
    await page.press('#edit1', 'Enter');
    await page.evaluate(() => window.sonorixTest.idle());
  }
  await look('right', 'main');
  await page.keyboard.press('Control+b');
  await page.waitForSelector('#score-dialog[open]');
  await look('score', '#score-dialog');
  // The table's headings, one word of the desktop's German heading over each column.
  assert.deepEqual(await page.locator('#s-header span').allTextContents(), ['', 'Datum', 'Richtig', 'Falsch', 'Proz.', 'Zeit/Int', 'Punkte']);
  await page.click('#s-errors');
  await page.waitForSelector('#errors-dialog[open]');
  await page.check('#e-conf');
  await page.check('input[name=edisplay][value="1"]');
  await look('errors', '#errors-dialog');
  assert.match(await page.textContent('#e-text'), /Verwechselt mit:/);
  await page.keyboard.press('Escape');
  await page.keyboard.press('Escape');
  await page.evaluate(() => window.sonorixTest.idle());
  await page.evaluate(() => document.querySelector('[data-action=progress]').click());
  await page.waitForSelector('#progress-dialog[open] #pr-acc canvas');
  await look('progress', '#progress-dialog');
  assert.equal(await page.textContent('#pr-acc-title'), 'Genauigkeit pro Übung');
  assert.deepEqual(seen, []);

  // The choice in the page outlives a reload, over the browser's English.
  await page.keyboard.press('Escape');
  await page.selectOption('#language', 'fr');
  await page.waitForFunction(() => document.documentElement.lang === 'fr');
  assert.equal(await page.textContent('#begin'), 'COMMENCER');
  await page.close();
  const again = await openPage(at.chrome.context, at.server.url);
  await again.waitForFunction(() => document.documentElement.lang === 'fr');
  assert.equal(await again.inputValue('#language'), 'fr');
  await again.close();
});
