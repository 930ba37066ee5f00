// The keyboard as on the desktop, and copying every measure.
import { test, expect, field, radio, calculate, enter, fieldTexts } from './fixtures.mjs';

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
