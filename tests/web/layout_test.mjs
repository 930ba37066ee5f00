// The layout as a pupil reads it, on phones, tablets and PCs: each field stands on the row of
// its own option, to its right, with no other option between them, and the texts, the buttons,
// the figure and the solution cover no option and no field.
import { test, expect, calculate, enter } from './fixtures.mjs';

const screens = [
  { width: 360, height: 640, touch: true }, { width: 412, height: 915, touch: true },
  { width: 640, height: 360, touch: true }, { width: 768, height: 1024, touch: true },
  { width: 1024, height: 768 }, { width: 1366, height: 768 }, { width: 1920, height: 1080 },
];

// Every box in page coordinates, whatever the page's scrolling.
function measure() {
  const box = (element) => {
    const r = element.getBoundingClientRect();
    return { id: element.id, left: r.left + scrollX, right: r.right + scrollX,
             top: r.top + scrollY, bottom: r.bottom + scrollY, width: r.width, height: r.height };
  };
  const byId = (id) => box(document.getElementById(id));
  const eight = [...Array(8).keys()];
  return {
    options: eight.map((k) => byId(`option-${k}`)),
    fields: eight.map((k) => byId(`field-${k}`)),
    others: ['info-0', 'info-1', 'command-0', 'command-1', 'figure', 'solution'].map(byId),
  };
}

const middle = (b) => ({ x: (b.left + b.right) / 2, y: (b.top + b.bottom) / 2 });
const overlap = (p, q) => p.left < q.right && q.left < p.right && p.top < q.bottom &&
  q.top < p.bottom;

// What a pupil would find wrong, as sentences; none is expected.
function misplaced({ options, fields, others }) {
  const faults = [];
  fields.forEach((field, k) => {
    const own = options[k];
    const rowOf = (option) => Math.abs(middle(option).y - middle(field).y) <= option.height / 2;
    if (!rowOf(own)) {
      faults.push(`${field.id} (y ${middle(field).y}) is not on the row of option-${k} ` +
                  `(y ${middle(own).y})`);
    }
    if (field.left < own.right) faults.push(`${field.id} is not to the right of option-${k}`);
    // Read from the field leftwards, its own option is the first one met on its row.
    options.forEach((other, j) => {
      if (j !== k && rowOf(other) && other.right <= field.left && other.right > own.right) {
        faults.push(`option-${j} stands between option-${k} and ${field.id}`);
      }
    });
  });
  for (const other of others.filter((b) => b.width > 0 && b.height > 0)) {
    for (const control of [...options, ...fields]) {
      if (overlap(other, control)) faults.push(`${other.id} overlaps ${control.id}`);
    }
  }
  return faults;
}

for (const { width, height, touch = false } of screens) {
  test.describe(`${width} x ${height}${touch ? ', touch' : ''}`, () => {
    test.use({ viewport: { width, height }, hasTouch: touch, isMobile: touch });
    test(`every field stands beside its own option at ${width} x ${height}`, async ({ page, calculator }) => {
      expect(misplaced(await page.evaluate(measure)), 'at the start').toEqual([]);
      await enter(page, 2, '12');
      await calculate(page);
      await expect(page.locator('#solution')).toBeVisible();
      expect(misplaced(await page.evaluate(measure)), 'after the area 12').toEqual([]);
    });
  });
}

// The statement has the focus, as designed, but on a phone it lies below the controls and the
// figure: the page still opens at its top, where the controls are.
test.describe('360 x 640, touch, opening', () => {
  test.use({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true });
  test('the page opens at its controls, the statement focused', async ({ page, calculator }) => {
    await expect(page.locator('#info-0')).toBeFocused();
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done))));
    expect(await page.evaluate(() => scrollY)).toBe(0);
    const statementTop = await page.locator('#info-0').evaluate((e) => e.getBoundingClientRect().top);
    expect(statementTop).toBeGreaterThan(640);  // the test means something: it is out of view
  });
});

// Notices where the pupil looks: on a phone the reading notice stands at the field just typed
// in, on the screen; the length limit's hint covers no field and no button.
const boxesOf = (page, selector) => page.evaluate((s) => [...document.querySelectorAll(s)]
  .map((e) => ({ id: e.id, ...e.getBoundingClientRect().toJSON() })), selector);
const covered = (box, controls) => controls.filter((c) => overlap(box, c)).map((c) => c.id);

for (const { width, height } of [{ width: 360, height: 640 }, { width: 640, height: 360 }]) {
  test.describe(`${width} x ${height}, touch, notices`, () => {
    test.use({ viewport: { width, height }, hasTouch: true, isMobile: true, locale: 'en-US' });
    test(`the reading notice shows at its field, on the screen, at ${width} x ${height}`, async ({ page, calculator }) => {
      for (const k of [7, 0]) {
        await enter(page, k, '2,5');  // a decimal comma under decimal-point settings
        await calculate(page);
        const notice = page.locator('#reading-notice');
        await expect(notice).toBeVisible();
        await expect(notice).toContainText('прочетено като 2.0000: „,5“ не е част от числото.');
        const [box] = await boxesOf(page, '#reading-notice');
        expect(box.top).toBeGreaterThanOrEqual(0);
        expect(box.bottom).toBeLessThanOrEqual(height);
        expect(box.left).toBeGreaterThanOrEqual(0);
        expect(box.right).toBeLessThanOrEqual(width);
        expect(covered(box, await boxesOf(page, '.field, .command, .option'))).toEqual([]);
        // Right under its own field's row.
        const [own] = await boxesOf(page, `#field-${k}`);
        expect(box.top - own.bottom).toBeGreaterThanOrEqual(0);
        expect(box.top - own.bottom).toBeLessThan(8);
        await page.locator('#command-1').click();
        await expect(notice).toBeHidden();
      }
    });
  });
}

test.describe('1366 x 768, the length hint', () => {
  test.use({ viewport: { width: 1366, height: 768 } });
  test('the four-character hint covers no field and no button, at every field', async ({ page, calculator }) => {
    for (let k = 0; k < 8; k++) {
      await enter(page, k, '12345');
      await expect(page.locator('#length-hint')).toBeVisible();
      const [box] = await boxesOf(page, '#length-hint');
      expect(covered(box, await boxesOf(page, '.field, .command')), `at field-${k}`).toEqual([]);
      expect(box.right).toBeLessThanOrEqual(1366);
    }
  });
});
