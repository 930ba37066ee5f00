// Touch screens (targets of at least 44 x 44 CSS pixels at every width and orientation, each
// result's full value by touch and by keyboard) and forced colours (Windows' high contrast).
import { test, expect, field, calculate, enter } from './fixtures.mjs';

test.use({ locale: 'en-US' });

const targets = 'label.option, .field, .command, .info';

for (const [width, height] of [[360, 640], [640, 360], [768, 1024], [1024, 768]]) {
  test.describe(`touch ${width} x ${height}`, () => {
    test.use({ viewport: { width, height }, hasTouch: true, isMobile: true });
    test(`every target is at least 44 x 44 at ${width} x ${height}`, async ({ page, calculator }) => {
      const small = async () => page.locator(`${targets}, dialog[open] button`).evaluateAll(
        (elements) => elements.map((e) => [e.id || e.textContent, e.getBoundingClientRect()])
          .filter(([, r]) => r.width < 44 || r.height < 44)
          .map(([name, r]) => `${name}: ${r.width} x ${r.height}`));
      expect(await small()).toEqual([]);
      expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(width);
      await enter(page, 2, '-1');
      await calculate(page);  // the failure dialog's button too
      await expect(page.locator('dialog[open] button')).toBeVisible();
      expect(await small()).toEqual([]);
    });
  });
}

// In one column (a phone on its side, a tablet upright) the figure and the solution come right
// after the buttons, not below the statement and the saying.
test.describe('touch 768 x 1024, one column', () => {
  test.use({ viewport: { width: 768, height: 1024 }, hasTouch: true, isMobile: true });
  test('the figure and the solution follow the buttons', async ({ page, calculator }) => {
    await enter(page, 2, '12');
    await calculate(page);
    const top = (selector) => page.locator(selector).evaluate((e) => e.getBoundingClientRect().top);
    expect(await top('#teaching')).toBeGreaterThan(await top('#command-1'));
    expect(await top('#teaching')).toBeLessThan(await top('#info-0'));
  });
});

test.describe('touch, the design scaled', () => {
  test.use({ viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true });
  test('where it fits, the design\'s layout is scaled up whole', async ({ page, calculator }) => {
    const boxes = await page.evaluate(() => ['client', 'option-0', 'field-6', 'command-1']
      .map((id) => document.getElementById(id) ?? document.querySelector(`.${id}`))
      .map((e) => e.getBoundingClientRect()));
    const [client] = boxes;
    const scale = client.width / (7470 / 15);
    expect(scale).toBeGreaterThanOrEqual(44 / 25);  // the design's lowest control, 375 twips
    // From the design, in twips: the option's, the field's and the button's left and top.
    const twips = [[240, 600], [5640, 600], [5280, 2760]];
    boxes.slice(1).forEach((box, i) => {
      expect(box.left - client.left).toBeCloseTo(twips[i][0] / 15 * scale, 0);
      expect(box.top - client.top).toBeCloseTo(twips[i][1] / 15 * scale, 0);
    });
  });
});

const details = [
  { how: 'a tap', options: { viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true },
    reach: (page) => field(page, 1).tap() },
  { how: 'the keyboard', options: { viewport: { width: 498, height: 700 } },
    reach: async (page) => { await page.keyboard.press('Tab'); } },
];
for (const { how, options, reach } of details) {
  test.describe(`result by ${how}`, () => {
    test.use(options);
    test(`a result's full value and explanation are shown on ${how}`, async ({ page, calculator }) => {
      await enter(page, 0, '1');
      await calculate(page);  // lifts the limit of four characters
      await page.locator('#radio-1').check();
      await enter(page, 0, '1234.5678');
      await calculate(page);
      await expect(page.locator('#result-details')).toBeHidden();
      await field(page, 0).focus();
      await reach(page);  // from the side, Tab goes on to the perimeter
      await expect(field(page, 1)).toBeFocused();
      const box = page.locator('#result-details');
      await expect(box).toBeVisible();
      // P = 3·a exactly (3·1234.5678 = 3703.7034), then in full in doubles, which round it:
      // wider than its field in the design's layout. The double 3·1234.5678 is
      // 3703.7034000000003, grouped as the fields write numbers.
      await expect(box).toHaveText('P = 3·a = 3,703.7034\n≈ 3,703.7034000000003');
      const [detail, result] = await Promise.all([box.boundingBox(), field(page, 1).boundingBox()]);
      expect(detail.y).toBeGreaterThanOrEqual(result.y + result.height);
      expect(detail.x + detail.width).toBeLessThanOrEqual(options.viewport.width);
      await page.locator('#info-0').focus();
      await expect(box).toBeHidden();
    });
  });
}

// Contrast of two computed colours (rgb(...)), as WCAG defines it.
function contrast(a, b) {
  const luminance = (colour) => {
    const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

for (const colorScheme of ['light', 'dark']) {
  test.describe(`forced colours, ${colorScheme}`, () => {
    test(`every text, line and mark stays visible in forced ${colorScheme} colours, the given measure marked`, async ({ page, calculator }) => {
      await page.emulateMedia({ forcedColors: 'active', colorScheme });
      await enter(page, 4, '2');  // the height: its foot and right angle are marked
      await calculate(page);
      const seen = await page.evaluate(() => {
        const background = getComputedStyle(document.body).backgroundColor;
        const painted = [...document.querySelectorAll('#figure *')]
          .filter((e) => getComputedStyle(e).display !== 'none' && e.tagName !== 'tspan')
          .map((e) => {
            const style = getComputedStyle(e);
            const name = `${e.tagName}.${e.getAttribute('class')}`;
            return e.tagName === 'text' ? { name, text: true, colour: style.fill }
              : { name, colour: style.stroke !== 'none' ? style.stroke : style.fill };
          })
          .filter(({ colour }) => colour !== 'none');
        const controls = [...document.querySelectorAll('.control, .caption')].map((e) => {
          const style = getComputedStyle(e);
          const own = style.backgroundColor;
          return { name: e.id || e.className, text: true, colour: style.color,
                   ground: own === 'rgba(0, 0, 0, 0)' ? background : own };
        });
        return { background, painted, controls,
                 given: getComputedStyle(document.querySelector('.reading.m4')).fill,
                 other: getComputedStyle(document.querySelector('.reading.m0')).fill,
                 givenLine: getComputedStyle(document.querySelector('.segment.m4')).stroke,
                 edge: getComputedStyle(document.querySelector('.edge.m0')).stroke };
      });
      expect(seen.painted.length).toBeGreaterThan(15);
      for (const { name, text, colour, ground } of [...seen.painted, ...seen.controls]) {
        expect(contrast(colour, ground ?? seen.background), `${name}: ${colour}`)
          .toBeGreaterThanOrEqual(text ? 4.5 : 3);
      }
      expect(seen.given).not.toBe(seen.other);
      expect(seen.givenLine).not.toBe(seen.edge);
    });
  });
}
