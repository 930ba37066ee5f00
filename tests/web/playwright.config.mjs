// Browser tests of the built page (SITE_DIR), in Debian's chromium, headless.
import { defineConfig } from '@playwright/test';

export default defineConfig({
  testDir: '.',
  testMatch: '*_test.mjs',
  workers: 1,
  timeout: 30_000,
  reporter: [['list']],
  outputDir: process.env.TEST_OUTPUT_DIR ?? 'test-results',
  use: {
    headless: true,
    launchOptions: {
      executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    },
  },
});
