// Regenerates docs/screenshot-web.png (a desktop-sized page, the solution beside the figure)
// and docs/screenshot-web-phone.png (360 x 640): the built page in Debian's chromium, after choosing the area, typing 12 and
// pressing Изчисли. Run from scripts/screenshot.sh web, or: node screenshots.mjs SITE_DIR
import { chromium } from '@playwright/test';
import { fileURLToPath } from 'node:url';
import { serve } from './serve.mjs';

const docs = fileURLToPath(new URL('../../docs/', import.meta.url));
const server = await serve(process.argv[2]);
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
});
for (const [name, viewport, scale] of [['screenshot-web.png', { width: 1280, height: 480 }, 1],
                                        ['screenshot-web-phone.png', { width: 360, height: 640 }, 2]]) {
  const page = await browser.newPage({ viewport, deviceScaleFactor: scale, locale: 'bg-BG' });
  await page.goto(server.url);
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
  await page.locator('#radio-2').check();
  await page.locator('#field-2').pressSequentially('12');
  await page.locator('#command-0').click();
  await page.evaluate(() => document.activeElement.blur());
  await page.screenshot({ path: `${docs}${name}` });
  console.log(`docs/${name}`);
  await page.close();
}
await browser.close();
await server.close();
