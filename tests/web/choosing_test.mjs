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

// A locked field keeps its lock and says how to go on, at the field, covering no result and
// no button; the text is the design's.
const lockedHint = 'Полето е заключено. За нова стойност изберете величината отново или ' +
  'натиснете „Изтрий“.';
const lockedScreens = [
  { name: '360 x 640, touch', use: { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true },
    reach: (page, k) => field(page, k).tap() },
  { name: '1366 x 768', use: { viewport: { width: 1366, height: 768 } },
    reach: (page, k) => field(page, k).click() },
];
for (const { name, use, reach } of lockedScreens) {
  test.describe(name, () => {
    test.use(use);
    test(`a locked field, clicked or typed into, says how to go on at ${name}`, async ({ page, calculator }) => {
      await enter(page, 2, '12');
      await calculate(page);
      const shown = await fieldTexts(page);
      const hint = page.locator('#locked-hint');
      for (const k of [0, 2, 3, 5, 6, 7]) {
        await reach(page, k);
        await expect(hint).toBeVisible();
        await expect(hint).toHaveText(lockedHint);
        await expect(field(page, k)).toHaveAttribute('aria-describedby', /\blocked-hint\b/);
        const boxes = await page.evaluate(() => [...document.querySelectorAll(
          '#locked-hint, .field, .command')].map((e) => [e.id, e.getBoundingClientRect().toJSON()]));
        const [[, box], ...controls] = boxes;
        for (const [id, control] of controls) {
          const apart = box.right <= control.left || control.right <= box.left ||
            box.bottom <= control.top || control.bottom <= box.top;
          expect(apart, `the hint at field-${k} covers ${id}`).toBe(true);
        }
        expect(box.left).toBeGreaterThanOrEqual(0);
        expect(box.right).toBeLessThanOrEqual(use.viewport.width);
        await page.locator('#info-1').focus();  // the focus leaves the field: the hint goes
        await expect(hint).toBeHidden();
      }
      // Typed into: nothing changes but the hint.
      await field(page, 4).focus();
      await expect(hint).toBeHidden();
      await page.keyboard.type('7');
      await expect(hint).toBeVisible();
      await page.keyboard.press('Backspace');
      expect(await fieldTexts(page)).toEqual(shown);
      // The chosen measure chosen again, as the hint says, takes a new value: its field opens
      // with the text it showed selected, and what is typed replaces it.
      await radio(page, 2).click();
      expect(await focused(page)).toBe('field-2');
      await expect(hint).toBeHidden();
      await expect(field(page, 2)).toBeEditable();
      await page.keyboard.type('9');
      await expect(field(page, 2)).toHaveValue('9');
      // Choosing a measure opens its field, and the hint goes.
      await radio(page, 4).click();
      await expect(hint).toBeHidden();
      await expect(field(page, 4)).not.toHaveAttribute('aria-describedby', /locked-hint/);
    });
  });
}

test('no hint while a field is open for typing, nor after Изтрий', async ({ page, calculator }) => {
  const hint = page.locator('#locked-hint');
  await field(page, 1).click();  // nothing chosen yet
  await expect(hint).toBeHidden();
  await radio(page, 0).click();
  await field(page, 1).click();  // another measure's field, while the side's is open
  await expect(hint).toBeHidden();
  await enter(page, 0, '1');
  await calculate(page);
  await field(page, 1).click();
  await expect(hint).toBeVisible();
  await page.keyboard.press('Escape');
  await expect(hint).toBeHidden();
  await field(page, 1).click();
  await expect(hint).toBeHidden();
});
