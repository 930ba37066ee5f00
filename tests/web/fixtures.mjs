// The page under test: the built folder served by the test itself, loaded and started.
import { test as base, expect } from '@playwright/test';
import { serve } from './serve.mjs';

export const test = base.extend({
  site: [async ({}, use) => {
    const folder = process.env.SITE_DIR;
    if (!folder) throw new Error('SITE_DIR names the built page folder');
    const server = await serve(folder);
    await use(server.url);
    await server.close();
  }, { scope: 'worker' }],
  baseURL: async ({ site }, use) => use(site),
  // Opened, with the module loaded and the window started.
  calculator: async ({ page }, use) => {
    await open(page);
    await use(page);
  },
});

export async function open(page) {
  await page.goto('/');
  await page.locator('html[data-ready]').waitFor({ state: 'attached' });
}

export { expect };

export const field = (page, k) => page.locator(`#field-${k}`);
export const radio = (page, k) => page.locator(`#radio-${k}`);
export const calculate = (page) => page.locator('#command-0').click();
export const clear = (page) => page.locator('#command-1').click();

export async function fieldTexts(page) {
  return page.locator('.field').evaluateAll((fields) => fields.map((f) => f.value));
}

// Chooses measure k and types text into its field.
export async function enter(page, k, text) {
  await radio(page, k).check();
  await field(page, k).fill('');
  await field(page, k).pressSequentially(text);
}
