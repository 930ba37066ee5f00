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
