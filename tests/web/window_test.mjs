// The window as the design draws it: every control's box and colour, the start state, and
// the narrow-screen flow.
import { test, expect, fieldTexts } from './fixtures.mjs';

// From the design: each control's rectangle in twips divided by 15, in tab order.
const boxes = [
  ['info-0', 360, 3480, 6735, 1815],
  ['info-1', 720, 4080, 6735, 1815],
  ['label-0', 1440, 0, 4575, 375],
  ['option-0', 240, 600, 1815, 375], ['field-0', 2160, 600, 1455, 405],
  ['option-1', 240, 1080, 1815, 375], ['field-1', 2160, 1080, 1455, 405],
  ['option-2', 240, 1560, 1815, 375], ['field-2', 2160, 1560, 1455, 405],
  ['option-3', 240, 2040, 1815, 375], ['field-3', 2160, 2040, 1455, 405],
  ['option-4', 240, 2520, 1815, 375], ['field-4', 2160, 2520, 1455, 405],
  ['option-5', 240, 3000, 1815, 375], ['field-5', 2160, 3000, 1455, 405],
  ['option-6', 3720, 600, 1815, 375], ['field-6', 5640, 600, 1455, 405],
  ['option-7', 3720, 1080, 1815, 375], ['field-7', 5640, 1080, 1455, 405],
  ['command-0', 3960, 2040, 1815, 495],
  ['command-1', 5280, 2760, 1815, 495],
].map(([id, ...twips]) => ({ id, box: twips.map((t) => t / 15) }));

const apricot = 'rgb(255, 192, 128)';
const colours = {
  'label-0': apricot,
  ...Object.fromEntries([...Array(8).keys()].map((k) => [`option-${k}`, apricot])),
  'command-0': 'rgb(128, 255, 128)',
  'command-1': 'rgb(255, 0, 0)',
};

for (const width of [498, 1280]) {
  test(`every control sits at its rectangle with its colour at ${width} pixels`, async ({ page, calculator }) => {
    await page.setViewportSize({ width, height: 800 });
    const measured = await page.evaluate((ids) => {
      const client = document.querySelector('.client').getBoundingClientRect();
      const boxOf = (r) => [r.left - client.left, r.top - client.top, r.width, r.height];
      return {
        client: [client.width, client.height],
        clientColour: getComputedStyle(document.querySelector('.client')).backgroundColor,
        controls: ids.map((id) => {
          const element = document.getElementById(id);
          const style = getComputedStyle(element);
          return { box: boxOf(element.getBoundingClientRect()), colour: style.backgroundColor,
                   font: style.fontFamily, size: style.fontSize };
        }),
        scrolls: document.documentElement.scrollWidth > innerWidth,
      };
    }, boxes.map((b) => b.id));
    expect(measured.client).toEqual([7470 / 15, 5460 / 15]);
    expect(measured.clientColour).toBe('rgb(192, 192, 255)');
    expect(measured.scrolls).toBe(false);
    boxes.forEach(({ id, box }, i) => {
      const control = measured.controls[i];
      expect(control.box, id).toEqual(box);
      if (colours[id]) expect(control.colour, id).toBe(colours[id]);
      expect(control.font, id).toMatch(/^"Times New Roman", "Liberation Serif", serif$/);
      expect(control.size, id).toBe('16px');  // 12 points
    });
  });
}

test('starts with nothing chosen, every field empty, read-only, skipped by Tab and limited to four', async ({ page, calculator }) => {
  await expect(page).toHaveTitle('www.ravnostranen.example Геометрия - равностранен триъгълник');
  await expect(page.locator('#label-0')).toHaveText('Равностранен триъгълнк - лице, периметър');
  await expect(page.locator('.option')).toHaveText(['страна', 'периметър', ' лице', 'медиана',
    'височина', 'ъглополовяща', 'R описана', 'r вписана']);
  await expect(page.locator('#command-0')).toHaveText('Изчисли');
  await expect(page.locator('#command-1')).toHaveText('Изтрий');
  await expect(page.locator('#info-0')).toHaveValue(/^За равностранен триъгълник,[^]*резултати\.\n$/);
  await expect(page.locator('#info-1')).toHaveValue(/^Неприятното в това[^]*било\. \n$/);
  await expect(page.locator('#info-0')).toBeFocused();
  expect(await fieldTexts(page)).toEqual(Array(8).fill(''));
  for (const field of await page.locator('.field').all()) {
    await expect(field).not.toBeEditable();
    await expect(field).toHaveAttribute('tabindex', '-1');
    await expect(field).toHaveAttribute('data-max-length', '4');
    await expect(field).not.toHaveAttribute('maxlength');  // the browser's would cut an edit
    await expect(field).toHaveAttribute('inputmode', 'decimal');
  }
  for (const radio of await page.locator('input[type=radio]').all()) {
    await expect(radio).not.toBeChecked();
  }
});

test('on a 360 x 640 phone the whole window fits without sideways scrolling', async ({ page, calculator }, testInfo) => {
  await page.setViewportSize({ width: 360, height: 640 });
  const layout = await page.evaluate(() => ({
    scrollWidth: document.documentElement.scrollWidth,
    controls: [...document.querySelectorAll('.control, .figure')].map((element) => {
      const r = element.getBoundingClientRect();
      return { id: element.id, left: r.left, right: r.right,
               size: parseFloat(getComputedStyle(element).fontSize) };
    }),
  }));
  expect(layout.scrollWidth).toBeLessThanOrEqual(360);
  for (const control of layout.controls) {
    expect(control.left, control.id).toBeGreaterThanOrEqual(0);
    expect(control.right, control.id).toBeLessThanOrEqual(360);
    expect(control.size, control.id).toBeGreaterThanOrEqual(16);
  }
  await testInfo.attach('phone', { body: await page.screenshot({ fullPage: true }),
                                   contentType: 'image/png' });
});

// From the design's width on the figure is beside or below the window; narrower, it follows
// the buttons in the window's column, covering no control.
test('the figure stays outside the window, and on a phone clear of every control', async ({ page, calculator }) => {
  for (const width of [1280, 498, 360]) {
    await page.setViewportSize({ width, height: 800 });
    const [[window], [figure], controls] = await page.evaluate(() =>
      ['.window', '#figure', '.control'].map((s) => [...document.querySelectorAll(s)].map((e) => {
        const r = e.getBoundingClientRect();
        return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
      })));
    const apart = (p, q) => p.left >= q.right || p.top >= q.bottom || q.left >= p.right ||
      q.top >= p.bottom;
    if (width >= 498) {
      expect(apart(figure, window), `at ${width} pixels`).toBe(true);
    } else {
      for (const control of controls) expect(apart(figure, control), `at ${width}`).toBe(true);
    }
  }
});
