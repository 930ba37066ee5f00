// The solution beside the figure: its numbers are the fields', it is real text a pupil reaches
// and copies, the figure's readings never collide, and the page prints on one A4 sheet.
import { test, expect, field, radio, calculate, enter, fieldTexts } from './fixtures.mjs';

test.use({ locale: 'bg-BG' });

const solutionLines = (page) => page.locator('#solution-lines p').allTextContents();

test('after the area 12 the solution shows, step by step, with the fields\' numbers', async ({ page, calculator }) => {
  await expect(page.locator('#solution')).toBeHidden();
  await enter(page, 2, '12');
  await calculate(page);
  const shown = await fieldTexts(page);
  const lines = await solutionLines(page);
  await expect(page.locator('#solution')).toBeVisible();
  expect(lines[0]).toBe('Дадено: S = 12');
  // Each line ends in its measure's value, written as its field writes it.
  const endings = { 1: shown[0], 2: shown[1], 3: shown[4], 4: shown[6], 5: shown[7] };
  for (const [line, value] of Object.entries(endings)) expect(lines[line].endsWith(` ${value}`)).toBe(true);
  expect(lines[1]).toContain(`√(4·${shown[2]}/√3)`);
  expect(lines).toHaveLength(6);
  // The figure's text alternative says what was given.
  await expect(page.locator('#figure')).toHaveAttribute('role', 'img');
  await expect(page.locator('#figure')).toHaveAttribute('aria-label', /Дадено: лице S = 12\./);
  // A failure leaves no solution behind.
  await enter(page, 0, '1');
  await enter(page, 2, '-1');
  await calculate(page);
  await page.locator('#failure button').click();
  await expect(page.locator('#solution')).toBeHidden();
});

test('a pupil copies the whole solution with Ctrl+C in it, or with its button', async ({ page, context, calculator }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await enter(page, 6, '2');
  await calculate(page);
  const whole = `${(await solutionLines(page)).join('\n')}\n`;
  await page.locator('#solution-lines').focus();
  await page.keyboard.press('Control+C');
  expect(await page.evaluate(() => navigator.clipboard.readText())).toBe(whole);
  await page.evaluate(() => navigator.clipboard.writeText(''));
  await page.locator('#copy-solution').click();
  expect(await page.evaluate(() => navigator.clipboard.readText())).toBe(whole);
  expect(whole.startsWith('Дадено: R = 2\nR = a·√3/3  ⇒  a = R·√3 = 2·√3 = 2√3 ≈ 3,4641\n')).toBe(true);
});

test('on a 360 x 640 phone the figure and the solution come right after the buttons', async ({ page, calculator }) => {
  await page.setViewportSize({ width: 360, height: 640 });
  await enter(page, 2, '12');
  await calculate(page);
  const box = (selector) => page.locator(selector).evaluate((e) => {
    const r = e.getBoundingClientRect();
    return { top: r.top + scrollY, bottom: r.bottom + scrollY };
  });
  const [buttons, figure, solution, statement] =
    await Promise.all(['#command-1', '#figure', '#solution', '#info-0'].map(box));
  expect(figure.top).toBeGreaterThanOrEqual(buttons.bottom);
  expect(figure.top).toBeLessThan(640);  // seen after calculating, without scrolling
  expect(solution.top).toBeGreaterThanOrEqual(figure.bottom);
  expect(statement.top).toBeGreaterThanOrEqual(solution.bottom);
  // Tab keeps the desktop's order: the solution comes after the buttons.
  await page.locator('#command-1').focus();
  await page.keyboard.press('Tab');
  expect(await page.evaluate(() => document.activeElement.id)).toBe('solution-lines');
  // Wide again, they are beside the window (once the browser has told the page of the change).
  await page.setViewportSize({ width: 1280, height: 800 });
  await expect(page.locator('.window + #teaching')).toBeAttached();
});

// Every reading inside the figure and clear of every other text, at the real font's widths.
for (const typed of ['1E5', '-1E5', '1E99', '1E150']) {
  test(`the figure's texts never overlap nor leave it for the side ${typed}`, async ({ page, calculator }) => {
    await enter(page, 1, '1');  // the first calculation lifts the fields' length limit
    await calculate(page);
    await radio(page, 0).check();
    await field(page, 0).fill(typed);
    await calculate(page);
    const { figure, texts } = await page.evaluate(() => {
      const box = (e) => {
        const r = e.getBoundingClientRect();
        return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, text: e.textContent };
      };
      return { figure: box(document.querySelector('#figure')),
               texts: [...document.querySelectorAll('#figure text')].map(box) };
    });
    expect(texts).toHaveLength(12);
    for (const [i, text] of texts.entries()) {
      expect(text.left, text.text).toBeGreaterThanOrEqual(figure.left);
      expect(text.right, text.text).toBeLessThanOrEqual(figure.right);
      expect(text.top, text.text).toBeGreaterThanOrEqual(figure.top);
      expect(text.bottom, text.text).toBeLessThanOrEqual(figure.bottom);
      for (const other of texts.slice(i + 1)) {
        const apart = text.right <= other.left || other.right <= text.left ||
          text.bottom <= other.top || other.bottom <= text.top;
        expect(apart, `${text.text} / ${other.text}`).toBe(true);
      }
    }
    // However long the solution's lines, the figure stays beside the window on a wide screen.
    const windowRight = await page.locator('.window').evaluate((e) => e.getBoundingClientRect().right);
    expect(figure.left).toBeGreaterThanOrEqual(windowRight);
    // Each value reads as its field shows it, however it is laid out.
    const shown = await fieldTexts(page);
    for (const k of [1, 2, 7]) await expect(page.locator(`#value-${k}`)).toHaveText(shown[k]);
  });
}

test('printed, the window, the figure and the solution fit one A4 page', async ({ page, calculator }) => {
  await enter(page, 2, '12');
  await calculate(page);
  await page.emulateMedia({ media: 'print' });
  await expect(page.locator('#copy-solution')).toBeHidden();
  await expect(page.locator('#solution-lines')).toBeVisible();
  const pdf = await page.pdf({ format: 'A4', preferCSSPageSize: true });
  const pages = pdf.toString('latin1').match(/\/Type\s*\/Page\b/g) ?? [];
  expect(pages).toHaveLength(1);
});

test('every option\'s name for screen readers starts with its caption', async ({ page, calculator }) => {
  for (let k = 0; k < 8; k++) {
    const caption = (await page.locator(`#option-${k} span`).textContent()).trim();
    const name = await page.locator(`#radio-${k}`).getAttribute('aria-label');
    expect(name.startsWith(caption), `${name} / ${caption}`).toBe(true);
  }
  await expect(page.getByRole('radio', { name: 'R описана' })).toHaveCount(1);
});
