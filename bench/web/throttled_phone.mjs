// The page on a throttled phone, as a pupil's cheap phone on a slow connection meets it:
// 360 x 640, 2 s round trip, 400 kbit/s, the CPU 4x slower, nothing cached. For each load,
// the first paint, the first moment a tap on "лице" enables its field (probed every 10 ms from
// the page's first bytes), the module's start and the longest main-thread task until then,
// and the longest after the first paint (what the page's own script and module do).
//   const line = await throttledPhone(browser, site, { gzip: true, loads: 5 })
import { serve } from '../../tests/web/serve.mjs';

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

async function throttledLoad(browser, url) {
  const context = await browser.newContext({ viewport: { width: 360, height: 640 },
                                             isMobile: true, hasTouch: true,
                                             serviceWorkers: 'block' });
  const page = await context.newPage();
  const session = await context.newCDPSession(page);
  await session.send('Network.enable');
  await session.send('Network.setCacheDisabled', { cacheDisabled: true });
  await session.send('Network.emulateNetworkConditions', {
    offline: false, latency: 2000, downloadThroughput: 400 * 1000 / 8,
    uploadThroughput: 400 * 1000 / 8 });
  await session.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await page.addInitScript(() => {
    const seen = { longest: 0 };
    window.seen = seen;
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) {
        seen.longest = Math.max(seen.longest, entry.duration);
        (seen.tasks ??= []).push([Math.round(entry.startTime), Math.round(entry.duration)]);
      }
    }).observe({ type: 'longtask', buffered: true });
    const probe = () => {
      const radio = document.getElementById('radio-2');
      const field = document.getElementById('field-2');
      if (radio && field) {
        if (!radio.checked) radio.click();
        if (!field.readOnly && seen.working === undefined) seen.working = performance.now();
      }
      if (document.documentElement?.dataset.ready !== undefined) {
        seen.ready = performance.now();
        return;
      }
      setTimeout(probe, 10);
    };
    probe();
  });
  await page.goto(url, { waitUntil: 'commit' });
  await page.locator('html[data-ready]').waitFor({ state: 'attached', timeout: 120_000 });
  await page.waitForTimeout(300);  // the last long task's report
  const result = await page.evaluate(() => ({
    ...window.seen,
    paint: performance.getEntriesByName('first-contentful-paint')[0]?.startTime }));
  await context.close();
  if (process.env.SHOW_TASKS) console.log(JSON.stringify(result));
  return result;
}

// The longest task that ended after the first paint (0 if none was over 50 ms).
const afterPaint = (load) => Math.max(0, ...(load.tasks ?? [])
  .filter(([start, duration]) => start + duration > load.paint).map(([, duration]) => duration));

export async function throttledPhone(browser, site, { gzip = true, loads = 5 } = {}) {
  const server = await serve(site, { gzip });
  const throttled = [];
  for (let i = 0; i < loads; ++i) throttled.push(await throttledLoad(browser, server.url));
  await server.close();
  const ms = (values) => `${(median(values) / 1000).toFixed(2)} s`;
  return `Throttled phone (2 s round trip, 400 kbit/s, CPU 4x), ${gzip ? 'gzip' : 'no gzip'}, ` +
         `median of ${loads} loads: first paint ${ms(throttled.map((t) => t.paint))}, ` +
         `working ${ms(throttled.map((t) => t.working))}, ratio ` +
         `${median(throttled.map((t) => t.working / t.paint)).toFixed(2)} (budget 1.5); ` +
         `module started ${ms(throttled.map((t) => t.ready))} (` +
         `${median(throttled.map((t) => t.ready / t.paint)).toFixed(2)}x the first paint); ` +
         `longest task while loading ${Math.max(...throttled.map((t) => t.longest)).toFixed(0)} ms, ` +
         `after the first paint ${Math.max(...throttled.map(afterPaint)).toFixed(0)} ms`;
}
