// The keyboard as on the desktop, copying every measure, the work offline, and what axe-core
// finds.
import AxeBuilder from '@axe-core/playwright';
import { test, expect, field, radio, calculate, enter, fieldTexts, open } from './fixtures.mjs';

test.use({ locale: 'en-US' });

const focused = (page) => page.evaluate(() => document.activeElement.id);

test('Tab, the arrows, Enter and Escape work the window', async ({ page, calculator }) => {
  expect(await focused(page)).toBe('info-0');
  await page.keyboard.press('Tab');
  expect(await focused(page)).toBe('info-1');
  await page.keyboard.press('Tab');
  expect(await focused(page)).toBe('radio-0');
  await page.keyboard.press('ArrowDown');  // chooses the perimeter
  expect(await focused(page)).toBe('radio-1');
  await expect(radio(page, 1)).toBeChecked();
  await page.keyboard.press('Tab');
  expect(await focused(page)).toBe('field-1');
  await page.keyboard.type('3');
  await page.keyboard.press('Enter');
  expect(await fieldTexts(page)).toEqual(['1.0000', '3', '0.4330', '0.8660', '0.8660',
                                          '0.8660', '0.5774', '0.2887']);
  await expect(page.locator('#announcement')).toContainText('периметър: 3\n');
  // The results are read-only now, and Tab stops at each of them on the way to the buttons.
  await page.keyboard.press('Tab');
  expect(await focused(page)).toBe('field-2');
  await expect(field(page, 2)).not.toBeEditable();
  await page.locator('#field-7').focus();
  await page.keyboard.press('Tab');
  expect(await focused(page)).toBe('command-0');
  await page.keyboard.press('Tab');
  expect(await focused(page)).toBe('command-1');
  await page.keyboard.press('Escape');
  expect(await fieldTexts(page)).toEqual(Array(8).fill(''));
  await expect(radio(page, 1)).not.toBeChecked();
  // A focused button answers Enter itself: on Изтрий it clears rather than calculates.
  await enter(page, 0, '1');
  await calculate(page);
  await page.locator('#command-1').focus();
  await page.keyboard.press('Enter');
  expect(await fieldTexts(page)).toEqual(Array(8).fill(''));
});

test('Ctrl+C with nothing selected copies every measure', async ({ page, context, calculator }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await enter(page, 0, '1');
  await calculate(page);
  await radio(page, 0).focus();
  await page.keyboard.press('Control+C');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  expect(copied).toBe('страна: 1\nпериметър: 3.0000\nлице: 0.4330\nмедиана: 0.8660\n' +
                      'височина: 0.8660\nъглополовяща: 0.8660\nR описана: 0.5774\n' +
                      'r вписана: 0.2887\n');
  // With a selection, Ctrl+C copies just that.
  await page.locator('#info-1').focus();
  await page.locator('#info-1').evaluate((text) => text.setSelectionRange(0, 11));
  await page.keyboard.press('Control+C');
  expect(await page.evaluate(() => navigator.clipboard.readText())).toBe('Неприятното');
});

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
  const check = async (when) => {
    const { violations, passes } = await new AxeBuilder({ page }).analyze();
    expect(passes.length, when).toBeGreaterThan(20);  // the rules did run
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
