// The browser edition's budgets, measured in one run against the built folder served from
// 127.0.0.1 (gzip on, as static hosts do) in Debian's chromium, headless:
//   node budgets.mjs SITE_DIR [LOADS]
// - everything the first visit transfers, service worker's fetches included (<= 120 KB);
// - first paint against a floor, the same page with its scripts taken out: loads
//   interleaved, medians compared (within 1.10x); Chromium reports paint times in steps of a
//   few milliseconds, so take many loads;
// - a click on Изчисли to the results in the fields, the figure and the solution (median
//   under 5 ms);
// - on a throttled phone (360 x 640, 2 s round trip, 400 kbit/s, CPU 4x slower), the time to a
//   working page (a tap on an option enables its field) against the time to the first paint,
//   median of the loads' ratios (at most 1.5x), with the module's start beside it, and the
//   longest main-thread task while loading, and after the first paint (none over 50 ms);
// - Lighthouse 12.2.3 scores, median of five runs: performance >= 95, accessibility and best
//   practices 100, with each run's total blocking time (0) and layout shift (0).
import { chromium } from 'playwright-core';
import lighthouse from 'lighthouse';
import * as chromeLauncher from 'chrome-launcher';
import { mkdtemp, readFile, writeFile, cp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve } from '../../tests/web/serve.mjs';
import { throttledPhone } from './throttled_phone.mjs';

const site = process.argv[2];
const loads = Number(process.argv[3] ?? 41);
const executablePath = process.env.CHROMIUM ?? '/usr/bin/chromium';
const flags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const kb = (bytes) => (bytes / 1024).toFixed(1);

// The floor: the same page, controls and style with its scripts taken out.
async function makeFloor() {
  const folder = await mkdtemp(join(tmpdir(), 'floor-'));
  const page = await readFile(join(site, 'index.html'), 'utf8');
  await writeFile(join(folder, 'index.html'), page.replace(/<script[^>]*><\/script>\n?/g, ''));
  await cp(join(site, 'icon-192.png'), join(folder, 'icon-192.png'));
  await cp(join(site, 'manifest.webmanifest'), join(folder, 'manifest.webmanifest'));
  return folder;
}

async function firstVisitTransfer(browser) {
  const sent = [];
  const server = await serve(site, { gzip: true, log: (path, bytes) => sent.push([path, bytes]) });
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(server.url);
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForTimeout(500);  // the service worker's own fetches
  await context.close();
  await server.close();
  return sent;
}

// Loads in one tab with the HTTP cache off and no service worker, so that every load is a
// first visit and no load pays for starting a new browser process.
async function paintMeter(browser) {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const page = await context.newPage();
  const session = await context.newCDPSession(page);
  await session.send('Network.enable');
  await session.send('Network.setCacheDisabled', { cacheDisabled: true });
  return async (url) => {
    await page.goto(url, { waitUntil: 'load' });
    return page.evaluate(() => new Promise((resolve) => {
      const find = () => performance.getEntriesByName('first-contentful-paint')[0];
      if (find()) resolve(find().startTime);
      else new PerformanceObserver(() => find() && resolve(find().startTime))
        .observe({ type: 'paint', buffered: true });
    }));
  };
}

async function clickToResults(browser, url) {
  const context = await browser.newContext({ locale: 'bg-BG' });
  const page = await context.newPage();
  await page.goto(url);
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
  await page.locator('#radio-2').check();
  await page.locator('#field-2').fill('12');
  // Each click alone (the browser's clock has a 0.1 ms grain), and a run of them, for the mean.
  // The area alternates between 12 and 13, so that every click draws a new figure and solution.
  const times = await page.evaluate(async (repeats) => {
    const button = document.getElementById('command-0');
    const area = document.getElementById('field-2');
    const side = document.getElementById('field-0');
    const each = [];
    for (let i = 0; i < repeats; ++i) {
      area.value = i % 2 ? '13' : '12';
      side.value = '';
      const start = performance.now();
      button.click();
      if (side.value === '') throw new Error('no results');
      each.push(performance.now() - start);
    }
    const start = performance.now();
    for (let i = 0; i < repeats; ++i) {
      area.value = i % 2 ? '13' : '12';
      button.click();
    }
    return { each, mean: (performance.now() - start) / repeats };
  }, 1000);
  await context.close();
  return times;
}

// One Lighthouse run (its default: a mid-range phone, simulated slow 4G and a 4x slower CPU).
async function lighthouseScores(url) {
  const chrome = await chromeLauncher.launch({ chromePath: executablePath,
                                               chromeFlags: ['--headless=new', ...flags] });
  try {
    const result = await lighthouse(url, {
      port: chrome.port, output: 'json', logLevel: 'error',
      onlyCategories: ['performance', 'accessibility', 'best-practices'],
    });
    const { categories, audits } = result.lhr;
    const failing = Object.values(audits)
      .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode !== 'informative' &&
                     a.scoreDisplayMode !== 'manual' && a.scoreDisplayMode !== 'notApplicable')
      .map((a) => `${a.id} (${a.score})`);
    const shifts = audits['layout-shifts']?.details?.items ?? [];
    return { scores: Object.fromEntries(Object.entries(categories)
      .map(([name, c]) => [name, Math.round(c.score * 100)])), failing,
             blocking: audits['total-blocking-time'].numericValue,
             shift: audits['cumulative-layout-shift'].numericValue,
             shifted: shifts.map((item) => item.node?.selector ?? item.node?.snippet ?? '?') };
  } finally {
    await chrome.kill();
  }
}

const browser = await chromium.launch({ executablePath, args: flags, headless: true });
const sent = await firstVisitTransfer(browser);
const total = sent.reduce((sum, [, bytes]) => sum + bytes, 0);
console.log('First visit, gzip where the server compresses (PNG as it is):');
for (const [path, bytes] of sent) console.log(`  ${path.padEnd(24)} ${kb(bytes).padStart(7)} KB`);
console.log(`  total ${kb(total)} KB (budget 120 KB)`);

const floorFolder = await makeFloor();
const app = await serve(site, { gzip: true });
const floor = await serve(floorFolder, { gzip: true });
const firstPaint = await paintMeter(browser);
const appPaints = [];
const floorPaints = [];
for (let i = 0; i < loads; ++i) {  // interleaved, so drift hits both alike
  appPaints.push(await firstPaint(app.url));
  floorPaints.push(await firstPaint(floor.url));
}
const [appPaint, floorPaint] = [median(appPaints), median(floorPaints)];
console.log(`First contentful paint, median of ${loads} interleaved loads: page ` +
            `${appPaint.toFixed(1)} ms, floor ${floorPaint.toFixed(1)} ms, ratio ` +
            `${(appPaint / floorPaint).toFixed(3)} (budget 1.10)`);

const clicks = await clickToResults(browser, app.url);
console.log(`Click on Изчисли to the results in the fields: median ${median(clicks.each).toFixed(1)}` +
            ` ms over ${clicks.each.length} clicks, mean ${(clicks.mean * 1000).toFixed(0)} µs ` +
            '(budget 5 ms)');
for (const gzip of [true, false]) console.log(await throttledPhone(browser, site, { gzip }));
await browser.close();

// Lighthouse's own advice for a score that varies from run to run: the median of five.
const runs = [];
for (let i = 0; i < 5; ++i) runs.push(await lighthouseScores(app.url));
const score = (name) => median(runs.map((run) => run.scores[name]));
console.log(`Lighthouse, median of ${runs.length} runs: performance ${score('performance')}, ` +
            `accessibility ${score('accessibility')}, best practices ${score('best-practices')} ` +
            `(budgets 95, 100, 100); each run's performance: ` +
            runs.map((run) => run.scores.performance).join(', '));
console.log(`  total blocking time per run: ${runs.map((run) => run.blocking.toFixed(0)).join(', ')} ms` +
            ` (budget 0); cumulative layout shift per run: ` +
            `${runs.map((run) => run.shift.toFixed(3)).join(', ')} (budget 0)`);
for (const run of runs) {
  if (run.failing.length) console.log(`  audits short of full marks: ${run.failing.join(', ')}`);
  if (run.shifted.length) console.log(`  shifted: ${run.shifted.join(', ')}`);
}

await app.close();
await floor.close();
await rm(floorFolder, { recursive: true });
