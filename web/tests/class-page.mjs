// What the class tests do in a page: a drill answered right to END and its
// score closed, and the teacher's Class Overview read as a table.
const idle = (page) => page.evaluate(() => window.sonorixTest.idle());

// BEGIN, every question answered right at once, up to the END it offers.
export async function drillToEnd(page) {
  await page.click('#begin');
  await idle(page);
  for (let i = 0; i < 40; i++) {
    const v = await page.evaluate(() => window.sonorixTest.view());
    if (v.begin === 'END' && v.beginEnabled) return;
    const q = await page.evaluate(() => window.sonorixTest.question());
    const rows = await page.evaluate(() => window.sonorixTest.rowListIndices());
    await page.evaluate(() => window.sonorixTest.advance(3000));
    await page.fill('#edit1', v.rows[rows.indexOf(q.listIndex)].name);
    await page.press('#edit1', 'Enter');
    await idle(page);
  }
  throw new Error('no END after 40 answers');
}

// A whole drill: END pressed, its score closed.
export async function drill(page) {
  await drillToEnd(page);
  await page.click('#begin');
  await page.waitForSelector('#score-dialog[open]');
  await page.click('#s-ok');
  await idle(page);
}

// Class › Class Overview… read as that account: the table's rows, heads first.
export async function overviewTable(page, address, account, password) {
  await page.evaluate(() => document.querySelector('[data-action=class-overview]').click());
  await page.waitForSelector('#class-overview-dialog[open]');
  await page.fill('#co-address', address);
  await page.fill('#co-account', account);
  await page.fill('#co-password', password);
  await page.click('#co-read');
  await page.waitForFunction(() => document.querySelector('#co-reading').hidden);
  if (await page.isVisible('#co-fault')) throw new Error(await page.textContent('#co-fault'));
  return page.$$eval('#co-table tr', (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
}
