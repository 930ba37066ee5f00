// Choosing a measure: the cursor goes to its field with the text selected, so that a typed
// value replaces the one shown instead of joining it; the arrow keys go round the options.
import { test, expect, field, radio, calculate, enter, fieldTexts } from './fixtures.mjs';

test.use({ locale: 'en-US' });

const focused = (page) => page.evaluate(() => document.activeElement.id);

// Each way a pupil chooses the side after the area 12 has shown it as 5.2643.
const ways = [
  { how: 'a click on the option', touch: false, choose: (page) => radio(page, 0).click() },
  { how: 'a click on its caption', touch: false,
    choose: (page) => page.locator('#option-0 span').click() },
  { how: 'Space on the option', touch: false,
    choose: async (page) => { await radio(page, 0).focus(); await page.keyboard.press('Space'); } },
  { how: 'a tap on the option', touch: true, choose: (page) => page.locator('#option-0').tap() },
];

for (const { how, touch, choose } of ways) {
  test.describe(how, () => {
    test.use(touch ? { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true } : {});
    test(`after a calculation, ${how} and a typed 6 give the side 6`, async ({ page, calculator }) => {
      await enter(page, 2, '12');
      await calculate(page);
      await expect(field(page, 0)).toHaveValue('5.2643');
      await choose(page);
      await expect(radio(page, 0)).toBeChecked();
      expect(await focused(page)).toBe('field-0');
      // The shown text stays, selected whole, its view at its first character.
      expect(await field(page, 0).evaluate((f) => [f.value, f.selectionStart, f.selectionEnd,
                                                   f.scrollLeft])).toEqual(['5.2643', 0, 6, 0]);
      await page.keyboard.type('6');
      await expect(field(page, 0)).toHaveValue('6');
      await page.keyboard.press('Enter');
      expect(await fieldTexts(page)).toEqual(['6', '18.0000', '15.5885', '5.1962', '5.1962',
                                              '5.1962', '3.4641', '1.7321']);
    });
  });
}

test('choosing the chosen measure again keeps what was typed, selected for typing over', async ({ page, calculator }) => {
  await enter(page, 3, '7');
  await page.locator('#info-0').focus();
  await radio(page, 3).click();
  expect(await focused(page)).toBe('field-3');
  await expect(field(page, 3)).toHaveValue('7');
  await page.keyboard.type('5');
  await expect(field(page, 3)).toHaveValue('5');
});

test('the arrow keys choose the options in order, round again, and keep the focus on them', async ({ page, calculator }) => {
  await enter(page, 2, '12');
  await calculate(page);
  await radio(page, 5).focus();
  const seen = [];
  for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowRight', 'ArrowUp', 'ArrowLeft',
                     'ArrowLeft']) {
    await page.keyboard.press(key);
    seen.push([await focused(page), ...await page.locator('input[type=radio]')
      .evaluateAll((radios) => radios.filter((r) => r.checked).map((r) => r.id))]);
  }
  expect(seen).toEqual([['radio-6', 'radio-6'], ['radio-7', 'radio-7'], ['radio-0', 'radio-0'],
                        ['radio-1', 'radio-1'], ['radio-0', 'radio-0'], ['radio-7', 'radio-7'],
                        ['radio-6', 'radio-6']]);
  // Each step chose its measure, emptying the field of the one before: the last one's field
  // is the one open for typing, and typing on an option types nowhere.
  await expect(field(page, 6)).toBeEditable();
  expect(await fieldTexts(page)).toEqual(['', '', '', '4.5590', '4.5590', '4.5590', '', '']);
  await page.keyboard.type('9');
  expect(await focused(page)).toBe('radio-6');
  await expect(field(page, 6)).toHaveValue('');
});
