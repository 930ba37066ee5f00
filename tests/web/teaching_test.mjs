// The solution beside the figure: its numbers are the fields', it is real text a pupil reaches
// and copies, the figure's readings never collide, and the page prints on one A4 sheet.
import { execFileSync } from 'node:child_process';
import { writeFile } from 'node:fs/promises';
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
    // Four letters, eight readings and five points' names; a negative side draws no triangle,
    // only the readings.
    expect(texts).toHaveLength(typed.startsWith('-') ? 8 : 17);
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

// What a teacher hands out: every result beside its measure, the figure and the solution; no
// button, and no text that its box would cut in the middle of a line.
for (const { name, use } of [
  { name: 'a PC', use: { viewport: { width: 1280, height: 800 } } },
  { name: 'a phone', use: { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true } },
]) {
  test.describe(`printed from ${name}`, () => {
    test.use(use);
    test(`printed from ${name}: the results, the figure and the solution, no button`, async ({ page, calculator }, testInfo) => {
      await enter(page, 2, '12');
      await calculate(page);
      const shown = await fieldTexts(page);
      await page.emulateMedia({ media: 'print' });
      for (const id of ['command-0', 'command-1', 'copy-solution', 'info-0', 'info-1']) {
        await expect(page.locator(`#${id}`), id).toBeHidden();
      }
      for (let k = 0; k < 8; k++) {
        await expect(field(page, k)).toBeVisible();
        await expect(field(page, k)).toHaveValue(shown[k]);
      }
      await expect(page.locator('#figure')).toBeVisible();
      await expect(page.locator('#solution-lines p')).toHaveCount(6);
      // The window ends under its lowest field, which it does not cut; in the design's
      // layout, without the empty room where the texts were.
      const [client, lowest, teachingInside] = await page.evaluate(() => {
        const client = document.querySelector('.client').getBoundingClientRect();
        const bottoms = [...document.querySelectorAll('.field, .option')]
          .map((e) => e.getBoundingClientRect().bottom);
        return [client.bottom, Math.max(...bottoms), !!document.querySelector('.client #teaching')];
      });
      expect(client).toBeGreaterThanOrEqual(lowest);
      if (!teachingInside) expect(client - lowest).toBeLessThan(60);
      const pdf = await page.pdf({ format: 'A4', preferCSSPageSize: true });
      expect(pdf.toString('latin1').match(/\/Type\s*\/Page\b/g) ?? []).toHaveLength(1);
      // What the sheet says, as pdftotext reads it: every result, every line of the solution,
      // the figure's letters and readings; no button, and the texts whole or not at all.
      const file = testInfo.outputPath('printed.pdf');
      await writeFile(file, pdf);
      const printed = execFileSync('pdftotext', [file, '-'], { encoding: 'utf8' });
      // Blanks aside: the sheet wraps a long line of the solution where it likes.
      const squeezed = (text) => text.replace(/\s+/g, '');
      const has = (text) => squeezed(printed).includes(squeezed(text));
      for (const value of shown) expect(has(value), value).toBe(true);
      for (const line of await solutionLines(page)) expect(has(line), line).toBe(true);
      const figureTexts = await page.locator('#figure text').allTextContents();
      expect(figureTexts.length).toBeGreaterThan(0);
      for (const text of figureTexts) expect(has(text), text).toBe(true);
      for (const letter of ['A', 'B', 'C', 'D', 'O']) expect(printed.split(/\s+/)).toContain(letter);
      for (const caption of ['Изчисли', 'Изтрий', 'Копирай решението', 'Копирай връзката']) {
        expect(has(caption), caption).toBe(false);
      }
      // A line of the statement or the saying begun on the sheet is there whole, and so are the
      // others: their boxes would cut them.
      for (const id of ['info-0', 'info-1']) {
        const lines = (await page.locator(`#${id}`).inputValue()).split('\n').filter((l) => l.trim());
        const begun = lines.filter((line) => has(line.trim().split(/\s+/).slice(0, 2).join(' ')));
        expect(lines.filter(has).length, id).toBe(begun.length);
        expect([0, lines.length], id).toContain(begun.length);
      }
    });
  });
}

test('copying says that it copied, to the eye and to screen readers', async ({ page, context, calculator }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const notice = page.locator('#copy-notice');
  await expect(notice).toHaveAttribute('role', 'status');
  await expect(notice).toHaveText('');
  await enter(page, 2, '12');
  await calculate(page);
  await page.locator('#copy-solution').click();
  await expect(notice).toHaveText('Решението е копирано.');
  await expect(notice).toBeVisible();
  await expect(notice).toHaveText('', { timeout: 5000 });  // for a moment only
  await radio(page, 2).focus();
  await page.keyboard.press('Control+C');
  await expect(notice).toHaveText('Осемте величини са копирани.');
  expect(await page.evaluate(() => navigator.clipboard.readText())).toMatch(/^страна: 5,2643\n/);
  // Taps and clicks go through it to what it stands over.
  expect(await notice.evaluate((e) => getComputedStyle(e).pointerEvents)).toBe('none');
});
