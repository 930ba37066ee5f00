// Calculations through the page under the reader's regional settings, failures in the page's
// dialog, clearing and the length limit. Expected texts are worked out by hand from the
// formulas (a = side): P = 3a, S = a·√3·a/4, m = h = l = a·√3/2, R = a/√3, r = a/(2√3).
import { test, expect, field, radio, calculate, clear, enter, fieldTexts } from './fixtures.mjs';

const nbsp = '\u00a0';

// The area 12 gives a = √(4·12/√3) = 5.26429...
const roads = [
  { locale: 'en-US', typed: '12',
    shown: ['5.2643', '15.7929', '12', '4.5590', '4.5590', '4.5590', '3.0393', '1.5197'] },
  { locale: 'bg-BG', typed: '12',
    shown: ['5,2643', '15,7929', '12', '4,5590', '4,5590', '4,5590', '3,0393', '1,5197'] },
];

for (const { locale, typed, shown } of roads) {
  test.describe(locale, () => {
    test.use({ locale });
    test(`the area ${typed} gives the seven other measures in ${locale}`, async ({ page, calculator }) => {
      await enter(page, 2, typed);
      await calculate(page);
      expect(await fieldTexts(page)).toEqual(shown);
      for (const f of await page.locator('.field').all()) await expect(f).not.toBeEditable();
      await expect(radio(page, 2)).toBeChecked();
      // The figure shows the given measure and every value as its field does.
      await expect(page.locator('#figure')).toHaveClass('figure given-2');
      await expect(page.locator('[id^=value-]')).toHaveText(shown);
      // A full-precision title beside the four decimals, from the formula, with the exact value.
      await expect(field(page, 1)).toHaveAttribute('title', /^P = 3·a = 12·⁴√3\n≈ 15[.,]79/);
    });
  });
}

test.describe('bg-BG grouping', () => {
  test.use({ locale: 'bg-BG' });
  test('a shown result with decimal comma and grouping reads back', async ({ page, calculator }) => {
    await enter(page, 0, '1000');
    await calculate(page);
    await expect(field(page, 2)).toHaveValue(`433${nbsp}012,7019`);
    await radio(page, 2).check();  // the area's text becomes the given value
    await expect(field(page, 2)).toBeEditable();
    await calculate(page);
    expect(await fieldTexts(page)).toEqual([`1${nbsp}000,0000`, `3${nbsp}000,0000`,
      `433${nbsp}012,7019`, '866,0254', '866,0254', '866,0254', '577,3503', '288,6751']);
  });

  test('a focused result given a long value shows it from its first character', async ({ page, calculator }) => {
    await enter(page, 0, '1');
    await calculate(page);  // lifts the limit of four characters
    await radio(page, 1).check();
    await enter(page, 0, '1234567,5');
    await page.keyboard.press('Enter');
    // Tab onto the area and calculate again, first with the same side, then with a side
    // changed behind it: the browser would leave the area's text selected to its end, or put
    // the caret and the view at the end of the new text (302 597,1785 is a plausible number).
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await expect(field(page, 2)).toBeFocused();
    const view = (f) => [f.value, f.scrollLeft, f.selectionStart, f.selectionEnd];
    // The areas are (a·√3)·a/4 in doubles, worked out apart from the program.
    for (const [side, area] of [['1234567,5', `659${nbsp}979${nbsp}302${nbsp}597,1785`],
                                ['2345678,5', `2${nbsp}382${nbsp}525${nbsp}790${nbsp}230,0801`]]) {
      await field(page, 0).evaluate((f, text) => { f.value = text; }, side);
      await page.keyboard.press('Enter');
      await expect(field(page, 2)).toBeFocused();
      expect(await field(page, 2).evaluate(view)).toEqual([area, 0, 0, 0]);
    }
  });
});

test.describe('hi-IN grouping', () => {
  test.use({ locale: 'hi-IN' });
  test('groups of three, then two, as the browser writes numbers in hi-IN', async ({ page, calculator }) => {
    await enter(page, 0, '1E10');
    await calculate(page);
    await expect(field(page, 1)).toHaveValue('30,00,00,00,000.0000');
  });
});

test.describe('en-US', () => {
  test.use({ locale: 'en-US' });

  test('clear empties, unchooses and limits every field again', async ({ page, calculator }) => {
    await enter(page, 0, '1');
    await calculate(page);
    await clear(page);
    expect(await fieldTexts(page)).toEqual(Array(8).fill(''));
    for (let k = 0; k < 8; ++k) {
      await expect(radio(page, k)).not.toBeChecked();
      await expect(field(page, k)).not.toBeEditable();
      await expect(field(page, k)).toHaveAttribute('data-max-length', '4');
    }
    await expect(page.locator('#figure')).toHaveClass('figure');
    await expect(page.locator('#value-1')).toHaveText('');
  });

  test('four characters before the first calculation, 1024 after it', async ({ page, calculator }) => {
    await enter(page, 0, '123456');
    await expect(field(page, 0)).toHaveValue('1234');
    const hint = page.locator('#length-hint');
    await expect(hint).toBeVisible();
    await expect(hint).toHaveText('Полето побира най-много 4 знака: въведеното не е прието.');
    // A paste that does not fit is refused whole, not cut to another number.
    await field(page, 0).fill('');
    await page.keyboard.insertText('98765');
    await expect(field(page, 0)).toHaveValue('');
    await page.keyboard.insertText('9876');
    await expect(field(page, 0)).toHaveValue('9876');
    await expect(hint).toBeHidden();
    await calculate(page);
    await radio(page, 1).check();
    await field(page, 1).fill('');
    await field(page, 1).pressSequentially('1234567890');
    await expect(field(page, 1)).toHaveValue('1234567890');
    // Far above the longest result (about 420 characters), and no paste can freeze the page.
    await field(page, 1).fill('');
    await page.keyboard.insertText('7'.repeat(1024));
    await expect(field(page, 1)).toHaveValue('7'.repeat(1024));
    await field(page, 1).fill('');
    await page.keyboard.insertText('7'.repeat(1_000_000));
    await expect(field(page, 1)).toHaveValue('');
    await expect(hint).toHaveText('Полето побира най-много 1024 знака: въведеното не е прието.');
    await radio(page, 2).check();  // the page answers at once
    await expect(field(page, 2)).toBeEditable();
  });

  test('a decimal comma under decimal-point settings is read as far as it goes, and said so', async ({ page, calculator }) => {
    const notice = page.locator('#reading-notice');
    await enter(page, 1, '7,5');
    await calculate(page);
    await expect(field(page, 0)).toHaveValue('2.3333');  // 7 / 3
    await expect(notice).toBeVisible();
    await expect(notice).toContainText('прочетено като 7.0000: „,5“ не е част от числото.');
    await expect(notice).toContainText('точката (.)');
    await expect(field(page, 1)).toHaveAttribute('aria-describedby', 'reading-notice');
    await expect(page.locator('#announcement')).toContainText('„,5“');
    // Over the statement: no result and no button is covered.
    const box = await notice.boundingBox();
    for (const control of await page.locator('.field, .command').all()) {
      const other = await control.boundingBox();
      const apart = box.x + box.width <= other.x || other.x + other.width <= box.x ||
                    box.y + box.height <= other.y || other.y + other.height <= box.y;
      expect(apart, await control.getAttribute('id')).toBe(true);
    }
    await radio(page, 0).check();
    await expect(notice).toBeHidden();
    await expect(field(page, 1)).not.toHaveAttribute('aria-describedby');
    await enter(page, 1, '7.5');
    await calculate(page);
    await expect(field(page, 0)).toHaveValue('2.5000');
    await expect(notice).toBeHidden();
  });

  // Phones' keyboards type through composition, whose beforeinput cannot be cancelled; the
  // text is judged when the composition ends, here through the browser's own IME commands.
  test('a composed text that does not fit is refused whole, with the hint', async ({ page, calculator }) => {
    await radio(page, 0).check();
    await field(page, 0).focus();
    await page.keyboard.type('12');
    await page.keyboard.press('ArrowLeft');  // composes between the digits
    const ime = await page.context().newCDPSession(page);
    const compose = (text) => ime.send('Input.imeSetComposition', {
      text, selectionStart: text.length, selectionEnd: text.length });
    const selection = () => field(page, 0).evaluate((f) => [f.selectionStart, f.selectionEnd]);
    await compose('3');
    await compose('345');
    await ime.send('Input.insertText', { text: '345' });
    await expect(field(page, 0)).toHaveValue('12');
    expect(await selection()).toEqual([1, 1]);
    await expect(page.locator('#length-hint')).toBeVisible();
    // One that fits is taken; Enter while it is still being composed does not calculate.
    await compose('3');
    await field(page, 0).dispatchEvent('keydown', { key: 'Enter', isComposing: true });
    await ime.send('Input.insertText', { text: '3' });
    await expect(field(page, 0)).toHaveValue('132');
    await expect(page.locator('#length-hint')).toBeHidden();
    await expect(field(page, 1)).toHaveValue('');
  });

  test('an overflow is reported in the dialog and the page goes on', async ({ page, calculator }) => {
    await enter(page, 0, '1');
    await calculate(page);
    await radio(page, 2).check();
    await enter(page, 0, '1E200');  // the area, (a·√3)·a/4, is beyond the doubles
    await calculate(page);
    const dialog = page.locator('dialog#failure');
    await expect(dialog).toBeVisible();
    await expect(dialog.locator('h2')).toHaveText('Грешка при изчислението');
    await expect(dialog.locator('#failure-message')).toHaveText(
      'Препълване: резултатът излиза извън обхвата на числата, с които програмата работи.\n' +
      'Въведете по-малка стойност.');
    const texts = await fieldTexts(page);
    expect(texts[0]).toBe('1E200');
    expect(texts[1]).toMatch(/^\d{3}(,\d{3}){66}\.0000$/);  // 3E200, written before the failure
    expect(texts.slice(2)).toEqual(Array(6).fill(''));
    await dialog.getByRole('button').click();
    await expect(dialog).toBeHidden();
    // Every field is disabled after a failure: the user chooses a measure again.
    await enter(page, 1, '6');
    await calculate(page);
    expect((await fieldTexts(page))[0]).toBe('2.0000');
  });

  test('a negative area is reported in the dialog and the page goes on', async ({ page, calculator }) => {
    await enter(page, 2, '-1');
    await calculate(page);
    const dialog = page.locator('dialog#failure');
    await expect(dialog.locator('#failure-message')).toHaveText(
      'Невалиден аргумент: корен квадратен от отрицателно число.\n' +
      'Лицето на триъгълника не може да бъде отрицателно.');
    expect(await fieldTexts(page)).toEqual(['', '', '-1', '', '', '', '', '']);
    await page.keyboard.press('Escape');
    await expect(dialog).toBeHidden();
    await enter(page, 0, '2');
    await calculate(page);
    expect((await fieldTexts(page))[1]).toBe('6.0000');
  });
});
