// Beside the solution: the unit its lengths carry, its spoken form for screen readers, and
// the page's address, which holds the calculation so that a teacher can post it.
import { test, expect, field, radio, calculate, clear, enter, fieldTexts, open } from './fixtures.mjs';

test.use({ locale: 'bg-BG' });

// The area 12 gives a = √(4·12/√3) = 5.26429..., worked out by hand (calculation_test.mjs).
const area12 = ['5,2643', '15,7929', '12', '4,5590', '4,5590', '4,5590', '3,0393', '1,5197'];
const unit = (page) => page.getByLabel('Мерна единица:');
const visibleLines = (page) => page.locator('#solution-lines p').allTextContents();
const hash = (page) => page.evaluate(() => location.hash);

async function openAt(page, fragment) {
  await page.goto(`/${fragment}`);
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
}

test('the unit is chosen beside the solution, none at first, and reaches the calculation', async ({ page, calculator }) => {
  await enter(page, 0, '10');
  await calculate(page);
  await expect(unit(page)).toBeVisible();
  await expect(unit(page).locator('option')).toHaveText(
    ['без мерна единица', 'мм', 'см', 'дм', 'м', 'км']);
  await expect(unit(page)).toHaveValue('0');
  expect(await hash(page)).toBe('#m=0&v=10');
  await unit(page).selectOption({ label: 'см' });
  // The module redraws with it: the address it writes names it.
  await expect.poll(() => hash(page)).toBe('#m=0&v=10&u=cm');
  // It lasts for the session: through clearing and the next calculation.
  await clear(page);
  await enter(page, 1, '9');
  await calculate(page);
  await expect(unit(page)).toHaveValue('2');
  expect(await hash(page)).toBe('#m=1&v=9&u=cm');
  await unit(page).selectOption({ label: 'без мерна единица' });
  await expect.poll(() => hash(page)).toBe('#m=1&v=9');
});

test('after the side 10 with см chosen, the solution and the figure carry the unit', async ({ page, context, calculator }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await enter(page, 0, '10');
  await calculate(page);
  // S = a²·√3/4 = 100·√3/4 = 25√3 = 43.30127...
  const area = 'S = a²·√3/4 = 10²·√3/4 = 25√3';
  expect((await visibleLines(page))[2]).toBe(`${area} ≈ 43,3013`);
  await unit(page).selectOption({ label: 'см' });
  await expect(page.locator('#solution-lines p').nth(2)).toHaveText(
    `${area} см² ≈ 43,3013 см²`);
  await expect(page.locator('#solution-lines p').first()).toHaveText('Дадено: a = 10 см');
  await expect(page.locator('#figure text', { hasText: 'S = ' })).toHaveText('S = 43,3013 см²');
  await expect(page.locator('#figure')).toHaveAttribute('aria-label', /P = 30,0000 см;/);
  await expect(page.locator('#solution-lines .spoken').nth(2))
    .toContainText('25 корен квадратен от 3 квадратни сантиметра');
  // The copy is the solution as it now shows.
  await page.locator('#copy-solution').click();
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  expect(copied.split('\n')[2]).toBe(`${area} см² ≈ 43,3013 см²`);
  // The fields, the window's, carry no unit.
  expect(await fieldTexts(page)).toEqual(
    ['10', '30,0000', '43,3013', '8,6603', '8,6603', '8,6603', '5,7735', '2,8868']);
  await unit(page).selectOption({ label: 'без мерна единица' });
  await expect(page.locator('#solution-lines p').nth(2)).toHaveText(`${area} ≈ 43,3013`);
  await expect(page.locator('#figure text', { hasText: 'S = ' })).toHaveText('S = 43,3013');
});

test('screen readers hear each line once, from its spoken copy, while the copy takes the visible text', async ({ page, context, calculator }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await enter(page, 2, '12');
  await calculate(page);
  const shown = await visibleLines(page);
  expect(shown).toHaveLength(6);
  const spoken = await page.locator('#solution-lines .spoken').allTextContents();
  expect(spoken).toHaveLength(shown.length);
  for (const line of spoken) expect(line).not.toBe('');
  // The accessibility tree holds the spoken copies, a paragraph each, and the visible lines
  // not a second time.
  const tree = await page.locator('#solution-lines').ariaSnapshot();
  expect(tree.split('\n')[0]).toBe('- group "Решение":');
  const heard = tree.split('\n').slice(1).map((line) => {
    const [, said] = line.match(/^ {2}- paragraph: (.*)$/) ?? [, line];
    return said.startsWith('"') ? JSON.parse(said) : said;
  });
  expect(heard).toEqual(spoken.map((line) => line.replace(/\s+/g, ' ')));
  await expect(page.locator('#solution-lines p[aria-hidden="true"]')).toHaveCount(6);
  // In words only: the voice says every root and sign, and switches to no symbol's name.
  expect(tree).toContain('корен квадратен от 3');
  expect(tree).toContain('корен четвърти от 3');
  expect(tree).toContain('приблизително');
  expect(tree).not.toMatch(/[√∜⁴·≈²⇒]/);
  expect(shown.join('')).toMatch(/√/);
  // Selected whole with the mouse and copied, the lines come without their spoken copies.
  const first = page.locator('#solution-lines p').first();
  const last = page.locator('#solution-lines p').last();
  const from = await first.boundingBox();
  const to = await last.boundingBox();
  await page.mouse.move(from.x + 1, from.y + from.height / 2);
  await page.mouse.down();
  await page.mouse.move(to.x + to.width - 1, to.y + to.height / 2, { steps: 5 });
  await page.mouse.up();
  await page.keyboard.press('Control+C');
  const copied = (await page.evaluate(() => navigator.clipboard.readText())).trim();
  expect(copied.split(/\n+/)).toEqual(shown);
});

test('after each calculation the address holds it, with no new history entry', async ({ page, calculator }) => {
  const entries = await page.evaluate(() => history.length);
  await enter(page, 2, '12');
  await calculate(page);
  expect(await hash(page)).toBe('#m=2&v=12');
  await enter(page, 1, '2,5');
  await calculate(page);
  expect(await hash(page)).toBe('#m=1&v=2%2C5');
  await enter(page, 0, ' 7 ');
  await calculate(page);
  expect(await hash(page)).toBe('#m=0&v=%207%20');  // the text as typed
  await enter(page, 6, 'абв');  // no number: still the calculation the fields show
  await calculate(page);
  expect(await hash(page)).toBe('#m=6&v=%D0%B0%D0%B1%D0%B2');
  expect(await page.evaluate(() => history.length)).toBe(entries);
  // Without a calculation the address is the page's own again.
  await radio(page, 3).check();
  expect(await hash(page)).toBe('');
  await enter(page, 3, '4');
  await calculate(page);
  await clear(page);
  expect(await hash(page)).toBe('');
  expect(page.url()).toMatch(/\/$/);
  expect(await page.evaluate(() => history.length)).toBe(entries);
});

test('the link reproduces the calculation in a new browser context', async ({ page, browser, context, calculator }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await enter(page, 2, '12');
  await calculate(page);
  await unit(page).selectOption({ label: 'дм' });
  await expect.poll(() => hash(page)).toBe('#m=2&v=12&u=dm');
  await page.locator('#copy-link').click();
  const link = await page.evaluate(() => navigator.clipboard.readText());
  expect(link).toBe(page.url());
  const lines = await visibleLines(page);
  const other = await browser.newContext({ locale: 'bg-BG' });
  try {
    const pupil = await other.newPage();
    await pupil.goto(link);
    await pupil.locator('html[data-ready]').waitFor({ state: 'attached' });
    await expect(radio(pupil, 2)).toBeChecked();
    await expect.poll(() => fieldTexts(pupil)).toEqual(area12);
    await expect(unit(pupil)).toHaveValue('3');
    expect(await visibleLines(pupil)).toEqual(lines);
    await expect(pupil.locator('#figure')).toHaveClass('figure given-2');
    expect(await pupil.evaluate(() => location.hash)).toBe('#m=2&v=12&u=dm');
    // The new tab's blank page, then the link: following it added no entry.
    expect(await pupil.evaluate(() => history.length)).toBe(2);
  } finally {
    await other.close();
  }
});

test('offline, after a first visit, the link reproduces the calculation too', async ({ page, context, calculator }) => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  try {
    const pupil = await context.newPage();
    await openAt(pupil, '#m=6&v=2');
    await expect(radio(pupil, 6)).toBeChecked();
    // R = 2 gives a = 2·√3 = 3.4641..., P = 3a, S = a·√3·a/4 = 3√3, m = 3, r = 1.
    await expect.poll(() => fieldTexts(pupil)).toEqual(
      ['3,4641', '10,3923', '5,1962', '3,0000', '3,0000', '3,0000', '2', '1,0000']);
  } finally {
    await context.setOffline(false);
  }
});

for (const fragment of ['#section-2', '#m=9&v=1', '#m=2&v=12&u=inch', '#m=2&v=%FF', '#m=2']) {
  test(`a fragment not of ours (${fragment}) opens the page as it opens without one`, async ({ page }) => {
    const failures = [];
    page.on('pageerror', (error) => failures.push(error.message));
    await openAt(page, fragment);
    await expect(page.locator('input[type=radio]:checked')).toHaveCount(0);
    expect(await fieldTexts(page)).toEqual(Array(8).fill(''));
    await expect(page.locator('#solution')).toBeHidden();
    expect(await page.evaluate(() => location.hash)).toBe(fragment);
    // And it works as ever.
    await enter(page, 0, '10');
    await calculate(page);
    await expect(field(page, 1)).toHaveValue('30,0000');
    expect(failures).toEqual([]);
  });
}

test('a link whose text reads as no number calculates as a pupil typing it would, and says so', async ({ page }) => {
  await openAt(page, '#m=1&v=abc');
  await expect(radio(page, 1)).toBeChecked();
  await expect(field(page, 1)).toHaveValue('abc');
  const notice = page.locator('#reading-notice');
  await expect(notice).toBeVisible();
  await expect(notice).toContainText('„периметър“');
  await expect(notice).toContainText('в „abc“ няма число.');
  await expect(field(page, 1)).toHaveAttribute('aria-describedby', 'reading-notice');
  // The page goes on as after any calculation.
  await enter(page, 0, '10');
  await calculate(page);
  await expect(field(page, 1)).toHaveValue('30,0000');
  await expect(notice).toBeHidden();
});

test('a link whose text is longer than the field takes is refused, and the field says so', async ({ page }) => {
  await openAt(page, '#m=0&v=12345');  // before any calculation a field takes four characters
  await expect(radio(page, 0)).toBeChecked();
  await expect(field(page, 0)).toBeEditable();
  await expect(field(page, 0)).toHaveValue('');
  await expect(page.locator('#length-hint')).toHaveText(
    'Полето побира най-много 4 знака: въведеното не е прието.');
  await expect(page.locator('#solution')).toBeHidden();
  await field(page, 0).fill('1234');  // the page goes on: a pupil types a shorter value
  await calculate(page);
  await expect(field(page, 1)).toHaveValue(`3${'\u00a0'}702,0000`);
  expect(await page.evaluate(() => location.hash)).toBe('#m=0&v=1234');
});

test('a link given to the open page is followed', async ({ page, calculator }) => {
  await enter(page, 2, '12');
  await calculate(page);
  await page.evaluate(() => { location.hash = 'm=0&v=10&u=km'; });
  await expect(field(page, 1)).toHaveValue('30,0000');
  await expect(radio(page, 0)).toBeChecked();
  await expect(unit(page)).toHaveValue('5');
  await expect(field(page, 0)).toHaveValue('10');
});
