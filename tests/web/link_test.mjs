// Beside the solution: the unit its lengths carry, its spoken form for screen readers, and
// the page's address, which holds the calculation so that a teacher can post it.
import { test, expect, field, radio, calculate, clear, enter, fieldTexts } from './fixtures.mjs';

test.use({ locale: 'bg-BG' });

const unit = (page) => page.getByLabel('Мерна единица:');
const lines = (page) => page.locator('#solution-lines p');
const hash = (page) => page.evaluate(() => location.hash);

async function openAt(page, address) {
  await page.goto(address);
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
}

test('after the side 10 with см chosen, the solution and the figure carry the unit', async ({ page, context, calculator }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await enter(page, 0, '10');
  await calculate(page);
  await expect(unit(page).locator('option')).toHaveText(
    ['без мерна единица', 'мм', 'см', 'дм', 'м', 'км']);
  await expect(unit(page)).toHaveValue('0');
  // S = a²·√3/4 = 100·√3/4 = 25√3 = 43.30127...
  const area = 'S = a²·√3/4 = 10²·√3/4 = 25√3';
  await expect(lines(page).nth(2)).toHaveText(`${area} ≈ 43,3013`);
  await unit(page).selectOption({ label: 'см' });
  await expect(lines(page).nth(2)).toHaveText(`${area} см² ≈ 43,3013 см²`);
  await expect(lines(page).first()).toHaveText('Дадено: a = 10 см');
  await expect(page.locator('#figure text', { hasText: 'S = ' })).toHaveText('S = 43,3013 см²');
  await expect(page.locator('#figure')).toHaveAttribute('aria-label', /P = 30,0000 см;/);
  await page.locator('#copy-solution').click();
  expect((await page.evaluate(() => navigator.clipboard.readText())).split('\n')[2])
    .toBe(`${area} см² ≈ 43,3013 см²`);
  expect((await fieldTexts(page))[2]).toBe('43,3013');  // the window's fields carry none
  // It lasts for the session, through clearing, until another is chosen.
  await clear(page);
  await enter(page, 1, '9');
  await calculate(page);
  await expect(lines(page).first()).toHaveText('Дадено: P = 9 см');
  await unit(page).selectOption({ label: 'без мерна единица' });
  await expect(lines(page).first()).toHaveText('Дадено: P = 9');
});

test('screen readers hear each line once, in words, while a copy takes the visible text', async ({ page, context, calculator }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await enter(page, 2, '12');
  await calculate(page);
  const shown = await lines(page).allTextContents();
  const spoken = await page.locator('#solution-lines .spoken').allTextContents();
  expect(spoken).toHaveLength(6);
  // The accessibility tree holds the spoken copies, a paragraph each, and no visible line.
  const tree = (await page.locator('#solution-lines').ariaSnapshot()).split('\n');
  expect(tree[0]).toBe('- group "Решение":');
  expect(tree.slice(1).map((line) => {
    const said = line.replace(/^ {2}- paragraph: /, '');
    return said.startsWith('"') ? JSON.parse(said) : said;
  })).toEqual(spoken.map((line) => line.replace(/\s+/g, ' ')));
  expect(tree.join('\n')).toContain('корен четвърти от 3');
  expect(tree.join('\n')).toContain('приблизително');
  expect(tree.join('\n')).not.toMatch(/[√∜⁴·≈²⇒]/);
  expect(shown.join('')).toMatch(/√/);
  // Selected whole with the mouse and copied, the lines come without their spoken copies.
  const from = await lines(page).first().boundingBox();
  const to = await lines(page).last().boundingBox();
  await page.mouse.move(from.x + 1, from.y + from.height / 2);
  await page.mouse.down();
  await page.mouse.move(to.x + to.width - 1, to.y + to.height / 2, { steps: 5 });
  await page.mouse.up();
  await page.keyboard.press('Control+C');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  expect(copied.trim().split(/\n+/)).toEqual(shown);
});

test('after each calculation the address holds it, with no new history entry', async ({ page, calculator }) => {
  const entries = await page.evaluate(() => history.length);
  for (const [k, typed, fragment] of [[2, '12', '#m=2&v=12'], [1, '2,5', '#m=1&v=2%2C5'],
    [0, ' 7 ', '#m=0&v=%207%20'], [6, 'абв', '#m=6&v=%D0%B0%D0%B1%D0%B2']]) {
    await enter(page, k, typed);
    await calculate(page);
    await expect.poll(() => hash(page)).toBe(fragment);
  }
  await unit(page).selectOption({ label: 'км' });
  await expect.poll(() => hash(page)).toBe('#m=6&v=%D0%B0%D0%B1%D0%B2&u=km');
  await clear(page);  // without a calculation the address is the page's own again
  await expect(page).toHaveURL(/\/$/);
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
  const other = await browser.newContext({ locale: 'bg-BG' });
  const pupil = await other.newPage();
  await openAt(pupil, link);
  await expect(radio(pupil, 2)).toBeChecked();
  // The area 12 gives a = √(4·12/√3) = 5.26429..., worked out by hand (calculation_test.mjs).
  await expect.poll(() => fieldTexts(pupil)).toEqual(
    ['5,2643', '15,7929', '12', '4,5590', '4,5590', '4,5590', '3,0393', '1,5197']);
  await expect(unit(pupil)).toHaveValue('3');
  expect(await lines(pupil).allTextContents()).toEqual(await lines(page).allTextContents());
  expect(await hash(pupil)).toBe('#m=2&v=12&u=dm');
  // The new tab's blank page, then the link: following it added no entry.
  expect(await pupil.evaluate(() => history.length)).toBe(2);
  await other.close();
});

test('offline, after a first visit, the link reproduces the calculation too', async ({ page, context, calculator }) => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  const pupil = await context.newPage();
  await openAt(pupil, '/#m=6&v=2');
  // R = 2 gives a = 2·√3 = 3.4641..., P = 3a, S = a·√3·a/4 = 3√3, m = 3, r = 1.
  await expect.poll(() => fieldTexts(pupil)).toEqual(
    ['3,4641', '10,3923', '5,1962', '3,0000', '3,0000', '3,0000', '2', '1,0000']);
  await context.setOffline(false);
});

for (const fragment of ['#section-2', '#m=9&v=1']) {
  test(`a fragment not of ours (${fragment}) opens the page as it opens without one`, async ({ page }) => {
    const failures = [];
    page.on('pageerror', (error) => failures.push(error.message));
    await openAt(page, `/${fragment}`);
    await expect(page.locator('input[type=radio]:checked')).toHaveCount(0);
    expect(await fieldTexts(page)).toEqual(Array(8).fill(''));
    expect(await hash(page)).toBe(fragment);
    await enter(page, 0, '10');  // and it works as ever
    await calculate(page);
    await expect(field(page, 1)).toHaveValue('30,0000');
    await expect.poll(() => hash(page)).toBe('#m=0&v=10');
    expect(failures).toEqual([]);
  });
}

test('a link whose text reads as no number calculates as typing it would, and says so', async ({ page }) => {
  await openAt(page, '/#m=1&v=abc');
  await expect(radio(page, 1)).toBeChecked();
  await expect(field(page, 1)).toHaveValue('abc');
  await expect(page.locator('#reading-notice')).toBeVisible();
  await expect(page.locator('#reading-notice')).toContainText('„периметър“');
  await expect(page.locator('#reading-notice')).toContainText('в „abc“ няма число.');
});

test('a link whose text is longer than the field takes is refused, and the field says so', async ({ page }) => {
  await openAt(page, '/#m=0&v=12345');  // before any calculation a field takes four characters
  await expect(radio(page, 0)).toBeChecked();
  await expect(field(page, 0)).toHaveValue('');
  await expect(page.locator('#length-hint')).toHaveText(
    'Полето побира най-много 4 знака: въведеното не е прието.');
  await expect(page.locator('#solution')).toBeHidden();
});

test('a link given to the open page is followed', async ({ page, calculator }) => {
  await enter(page, 2, '12');
  await calculate(page);
  await page.evaluate(() => { location.hash = 'm=0&v=10&u=km'; });
  await expect(field(page, 1)).toHaveValue('30,0000');
  await expect(lines(page).first()).toHaveText('Дадено: a = 10 км');
});
