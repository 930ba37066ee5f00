// The page before its module has started: what the user chooses, types and presses meanwhile
// is kept and honoured; a module that cannot load is reported. The module is held back by the
// test (as a slow connection would) until it lets it through.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { test, expect, field, radio, calculate, clear, fieldTexts } from './fixtures.mjs';

test.use({ locale: 'en-US' });

// The area 12 gives a = √(4·12/√3) = 5.26429...; see calculation_test.mjs.
const areaOf12 = ['5.2643', '15.7929', '12', '4.5590', '4.5590', '4.5590', '3.0393', '1.5197'];

// Opens the page with calculator.wasm held back; returns the function that lets it through.
async function openHeldBack(page) {
  let release;
  const released = new Promise((resolve) => { release = resolve; });
  await page.route('**/calculator.wasm', async (route) => {
    await released;
    await route.continue();
  });
  await page.goto('/');
  return async () => {
    release();
    await page.locator('html[data-ready]').waitFor({ state: 'attached' });
  };
}

const early = [
  { name: 'a tap on лице and 12 typed before the module, Изчисли after it',
    before: async (page) => {
      await radio(page, 2).check();
      await field(page, 2).pressSequentially('12');
    },
    after: async (page) => {
      await expect(radio(page, 2)).toBeChecked();
      await expect(field(page, 2)).toBeEditable();
      await expect(field(page, 2)).toHaveValue('12');
      await calculate(page);
    },
    shown: areaOf12 },
  { name: 'страна 5, then лице 12 and Изчисли, all before the module',
    before: async (page) => {
      await radio(page, 0).check();
      await field(page, 0).pressSequentially('5');
      await radio(page, 2).check();
      // The behaviour empties and locks the field left, as it would with its module.
      await expect(field(page, 0)).toHaveValue('');
      await expect(field(page, 0)).not.toBeEditable();
      await field(page, 2).pressSequentially('12');
      await calculate(page);
      await expect(page.locator('#module-loading')).toHaveText('Зарежда се…');
      await expect(page.locator('#module-loading')).toBeVisible();
    },
    after: async (page) => {
      await expect(page.locator('#module-loading')).toBeHidden();
      await expect(radio(page, 2)).toBeChecked();
    },
    shown: areaOf12 },
  { name: 'a length limit and Изтрий before the module',
    before: async (page) => {
      await radio(page, 1).check();
      await field(page, 1).pressSequentially('123456');  // four fit before a calculation
      await expect(field(page, 1)).toHaveValue('1234');
      await clear(page);
    },
    after: async (page) => {
      for (const r of await page.locator('input[type=radio]').all()) await expect(r).not.toBeChecked();
      await expect(field(page, 1)).not.toBeEditable();
    },
    shown: Array(8).fill('') },
];

for (const { name, before, after, shown } of early) {
  test(name, async ({ page }) => {
    const release = await openHeldBack(page);
    await before(page);
    await release();
    await after(page);
    expect(await fieldTexts(page)).toEqual(shown);
  });
}

// The page is written as the module would leave it, so that its start costs the reader no
// long task: rewriting the figure and the fields took most of it on a slow phone.
test('the module takes the window over without writing any control or the figure again', async ({ page }) => {
  const release = await openHeldBack(page);
  await page.evaluate(() => {
    window.writes = [];
    new MutationObserver((records) => window.writes.push(...records.map((record) =>
      `${record.type} ${record.target.id || record.target.nodeName} ${record.attributeName ?? ''}`)))
      .observe(document.querySelector('main'), { subtree: true, childList: true, attributes: true,
                                                 characterData: true });
  });
  await release();
  expect(await page.evaluate(() => window.writes)).toEqual([]);
});

test('the module is asked for with the page, once', async ({ page }) => {
  const asked = [];
  page.on('request', (request) => asked.push(new URL(request.url()).pathname));
  const release = await openHeldBack(page);
  await release();
  const initiators = await page.evaluate(() => Object.fromEntries(
    ['calculator.js', 'calculator.wasm'].map((file) =>
      [file, performance.getEntriesByName(new URL(file, location.href).href)
        .map((entry) => entry.initiatorType)])));
  // Each fetched by its preload hint from the page's head, and that fetch used.
  expect(initiators).toEqual({ 'calculator.js': ['link'], 'calculator.wasm': ['link'] });
  expect(asked.filter((path) => path.startsWith('/calculator')).sort())
    .toEqual(['/calculator.js', '/calculator.wasm']);
});

for (const [file, answer] of [['calculator.wasm', 404], ['calculator.js', 'abort']]) {
  test(`a module that cannot load (${file}: ${answer}) is reported, and nothing looks usable`, async ({ page }) => {
    await page.route(`**/${file}`, (route) =>
      (answer === 'abort' ? route.abort() : route.fulfill({ status: answer, body: 'blocked' })));
    await page.goto('/');
    await expect(page.locator('#module-failure')).toHaveText(
      'Калкулаторът не можа да се зареди. Проверете връзката с интернет и презаредете страницата.');
    await expect(page.locator('#module-failure')).toBeVisible();
    await expect(page.locator('#module-failure')).toHaveAttribute('role', 'alert');
    for (const control of await page.locator('input[type=radio], .field, .command').all()) {
      await expect(control).toBeDisabled();
    }
  });
}

// The page arriving in two parts, a pause between them, as on a slow connection: nothing that
// was painted moves when the rest comes (the narrow layout shows the statement below the
// controls that follow it in the page, and the script puts the figure after the buttons).
for (const [part, marker] of [['in the controls', 'id="field-0"'],
                             ['before its script', '<!-- The page\'s script']]) {
  test(`a page that arrives slowly (cut ${part}) is never painted half-way, so nothing moves`, async ({ page }) => {
    const site = process.env.SITE_DIR;
    const html = await readFile(join(site, 'index.html'), 'utf8');
    const cut = html.indexOf(marker);
    expect(cut).toBeGreaterThan(0);
    const server = createServer(async (request, response) => {
      const path = new URL(request.url, 'http://host').pathname;
      if (path === '/') {
        response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
        response.write(html.slice(0, cut));
        setTimeout(() => response.end(html.slice(cut)), 1500);
        return;
      }
      const body = await readFile(join(site, path)).catch(() => null);
      response.writeHead(body ? 200 : 404, { 'Content-Type': path.endsWith('.wasm')
        ? 'application/wasm' : path.endsWith('.js') ? 'text/javascript' : 'application/octet-stream' });
      response.end(body ?? '');
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    await page.setViewportSize({ width: 412, height: 823 });
    await page.addInitScript(() => {
      window.shifts = [];
      new PerformanceObserver((list) => window.shifts.push(...list.getEntries().map((e) => e.value)))
        .observe({ type: 'layout-shift', buffered: true });
    });
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.locator('html[data-ready]').waitFor({ state: 'attached' });
    expect(await page.evaluate(() => performance.getEntriesByName('first-contentful-paint').length))
      .toBe(1);
    expect(await page.evaluate(() => window.shifts)).toEqual([]);
    server.close();
  });
}
