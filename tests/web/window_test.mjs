// The window as the design draws it: every control's box and colour, the start state, and
// the narrow-screen flow.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test, expect, fieldTexts } from './fixtures.mjs';

// The design's controls in tab order, each with its rectangle in twips and its background
// (build/.../window_design.json, written from design/ by window_design_json): CSS pixels are
// twips divided by 15.
const design = JSON.parse(readFileSync(process.env.WINDOW_DESIGN ??
  assert.fail('WINDOW_DESIGN names the window\'s description for the tests'), 'utf8'));
const pixels = (twips) => twips.map((t) => t / 15);
const rgb = (colour) => colour && `rgb(${colour.join(', ')})`;

for (const width of [498, 1280]) {
  test(`every control sits at its rectangle with its colour at ${width} pixels`, async ({ page, calculator }) => {
    await page.setViewportSize({ width, height: 800 });
    const measured = await page.evaluate((ids) => {
      const client = document.querySelector('.client').getBoundingClientRect();
      const boxOf = (r) => [r.left - client.left, r.top - client.top, r.width, r.height];
      return {
        client: [client.width, client.height],
        clientColour: getComputedStyle(document.querySelector('.client')).backgroundColor,
        // Every control the page has, so that none is missing from the design or added to it.
        shown: [...document.querySelectorAll('.client .control')].map((element) => element.id),
        controls: ids.map((id) => {
          const element = document.getElementById(id);
          const style = getComputedStyle(element);
          return { box: boxOf(element.getBoundingClientRect()), colour: style.backgroundColor,
                   font: style.fontFamily, size: style.fontSize };
        }),
        scrolls: document.documentElement.scrollWidth > innerWidth,
      };
    }, design.controls.map((c) => c.id));
    expect(measured.client).toEqual(pixels(design.clientArea).slice(2));
    expect(measured.clientColour).toBe(rgb(design.background));
    expect(measured.scrolls).toBe(false);
    expect(measured.shown).toEqual(design.controls.map((c) => c.id));
    design.controls.forEach(({ id, rect, background }, i) => {
      const control = measured.controls[i];
      expect(control.box, id).toEqual(pixels(rect));
      if (background) expect(control.colour, id).toBe(rgb(background));
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
