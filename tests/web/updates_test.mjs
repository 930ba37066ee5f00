// Offline at every address that reaches the page, and new builds reaching a returning visitor
// whole: two builds served one after another, also with the second uploaded half-way.
import { createHash } from 'node:crypto';
import { execFileSync } from 'node:child_process';
import { appendFile, cp, mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { test, expect, calculate, enter, fieldTexts } from './fixtures.mjs';
import { serve } from './serve.mjs';

test.use({ locale: 'en-US' });

const firstBuild = process.env.SITE_DIR;
const webSource = process.env.WEB_SOURCE_DIR ?? fileURLToPath(new URL('../../web/', import.meta.url));
const moduleFiles = ['calculator.js', 'calculator.wasm'];

const ready = (page) => page.locator('html[data-ready]').waitFor({ state: 'attached' });

// Lets the service worker look for a new version (as the page does) and waits until what it
// found is installed and active, or refused.
async function settle(page) {
  await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    await registration.update().catch(() => {});
    const worker = registration.installing ?? registration.waiting;
    if (!worker) return;
    await new Promise((resolve) => {
      const done = () => ['activated', 'redundant'].includes(worker.state) && resolve();
      worker.addEventListener('statechange', done);
      done();
    });
  });
}

async function visit(page, url) {
  await page.goto(url);
  await ready(page);
  await settle(page);
}

const sha256 = (bytes) => createHash('sha256').update(bytes).digest('hex');

// What the page gets for its own files now, through its service worker.
const served = (page) => page.evaluate(async (files) => {
  const hex = (bytes) => [...new Uint8Array(bytes)].map((b) => b.toString(16).padStart(2, '0'))
    .join('');
  return Object.fromEntries(await Promise.all(files.map(async (file) =>
    [file, hex(await crypto.subtle.digest('SHA-256', await (await fetch(file)).arrayBuffer()))])));
}, ['./', ...moduleFiles]);

async function digests(folder) {
  const files = { './': 'index.html', 'calculator.js': 'calculator.js',
                  'calculator.wasm': 'calculator.wasm' };
  return Object.fromEntries(await Promise.all(Object.entries(files)
    .map(async ([address, file]) => [address, sha256(await readFile(join(folder, file)))])));
}

// The first build with its module changed (the page itself as it was) and stamped by the
// build's own step: a second release.
async function makeBuilds() {
  const folder = await mkdtemp(join(tmpdir(), 'builds-'));
  const second = join(folder, 'second');
  const half = join(folder, 'half');
  await cp(firstBuild, second, { recursive: true });
  await appendFile(join(second, 'calculator.js'), '\n// the second build\n');
  // An empty custom section named "b" at the end of the module: the same code, other bytes.
  await appendFile(join(second, 'calculator.wasm'), Buffer.from([0, 2, 1, 0x62]));
  execFileSync(process.env.CMAKE ?? 'cmake', [`-DSOURCE=${join(webSource, 'sw.js')}`,
    `-DSITE=${second}`, '-P', join(webSource, 'stamp_service_worker.cmake')]);
  // Caught half-way: the second build's service worker and page, the first build's module.
  await cp(second, half, { recursive: true });
  for (const file of moduleFiles) await cp(join(firstBuild, file), join(half, file));
  return { folder, first: firstBuild, second, half };
}

test.describe('two builds', () => {
  let builds;
  test.beforeAll(async () => { builds = await makeBuilds(); });
  test.afterAll(async () => { await rm(builds.folder, { recursive: true }); });

  let host;
  let server;
  test.beforeEach(async () => {
    host = builds.first;
    server = await serve(() => host);
  });
  test.afterEach(async () => { await server.close(); });

  const ourCaches = (page) => page.evaluate(async () => {
    const prefix = `ravnostranen ${(await navigator.serviceWorker.ready).scope} `;
    return (await caches.keys()).filter((name) => name.startsWith(prefix));
  });

  test('a returning visitor runs the second build whole on the visit after it was installed, and other caches stay', async ({ page }) => {
    await visit(page, server.url);
    const [firstCache] = await ourCaches(page);
    expect(await served(page)).toEqual(await digests(builds.first));
    // Another application on the same host, and this page's copy in another folder.
    const others = ['another-application', `ravnostranen ${server.url}elsewhere/ 0123456789abcdef`];
    await page.evaluate((names) => Promise.all(names.map((name) => caches.open(name))), others);

    host = builds.second;
    await visit(page, server.url);  // finds and installs the second build
    await visit(page, server.url);
    expect(await served(page)).toEqual(await digests(builds.second));
    const names = await page.evaluate(() => caches.keys());
    expect(names).toEqual(expect.arrayContaining(others));
    expect(names).not.toContain(firstCache);
    expect(await ourCaches(page)).toHaveLength(1);
    await enter(page, 2, '12');
    await calculate(page);
    expect((await fieldTexts(page))[0]).toBe('5.2643');
  });

  test('a second build uploaded half-way is refused, the first stays whole and offline, and the whole second build comes after', async ({ page, context }) => {
    await visit(page, server.url);
    host = builds.half;
    await visit(page, server.url);
    await visit(page, server.url);
    expect(await served(page)).toEqual(await digests(builds.first));
    await context.setOffline(true);
    await page.reload();
    await ready(page);
    expect(await served(page)).toEqual(await digests(builds.first));
    await context.setOffline(false);

    host = builds.second;
    await visit(page, server.url);
    await visit(page, server.url);
    expect(await served(page)).toEqual(await digests(builds.second));
  });
});

test('after one visit at index.html the page opens offline at every address that reaches it', async ({ page, context }) => {
  await page.goto('index.html');
  await ready(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  // Installed from here, the page keeps one identity across versions and addresses.
  expect((await page.evaluate(() => fetch('manifest.webmanifest').then((r) => r.json()))).id)
    .toBe('ravnostranen');
  const session = await context.newCDPSession(page);
  await session.send('Network.clearBrowserCache');
  await context.setOffline(true);
  for (const address of ['index.html', '?q', 'index.html?from=class#top', './']) {
    await page.goto(address);
    await ready(page);
    await enter(page, 0, '1');
    await calculate(page);
    expect((await fieldTexts(page))[1], address).toBe('3.0000');
  }
  await context.setOffline(false);
});
