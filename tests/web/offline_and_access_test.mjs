// The work offline after a first visit, and what axe-core finds.
import AxeBuilder from '@axe-core/playwright';
import { test, expect, calculate, enter, fieldTexts, open } from './fixtures.mjs';

test.use({ locale: 'en-US' });

test('a second visit works offline through the service worker', async ({ page, context, calculator }) => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await open(page);
  await enter(page, 6, '1');
  await calculate(page);
  expect((await fieldTexts(page))[0]).toBe('1.7321');
  await context.setOffline(false);
});

test('axe-core finds no violation, before and after a calculation, and in the dialog', async ({ page, calculator }) => {
  test.slow();  // four full analyses, the figure and the solution included: up to 25 s on a busy machine
  const check = async (when) => {
    const { violations, passes } = await new AxeBuilder({ page }).analyze();
    expect(passes.length, when).toBeGreaterThan(15);  // the rules did run
    expect(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), when)
      .toEqual([]);
  };
  await check('at the start');
  await enter(page, 0, '1');
  await calculate(page);
  await check('with results');
  await enter(page, 2, '-1');
  await calculate(page);
  await check('with the failure dialog');
  await page.keyboard.press('Escape');
  await page.setViewportSize({ width: 360, height: 640 });
  await check('on a phone');
});
