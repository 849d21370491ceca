// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the web page for the README, in Debian's Chromium: the page on a desktop with
// one energy worked out, and on a phone 360 pixels wide with the About window open.
// Usage: node docs/web-screenshots.mjs BUILD-DIR OUT-DIR (docs/make-screenshots --web runs it)
import { join } from 'node:path';

import { serve } from '../tests/web/harness.mjs';

// playwright-core as the tests have it, from their lockfile.
const { chromium } = await import(
  new URL('../tests/web/node_modules/playwright-core/index.mjs', import.meta.url));

const [buildDir, outDir] = process.argv.slice(2);
const { origin, stop } = await serve(buildDir);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });

async function opened(options) {
  const page = await (await browser.newContext(options)).newPage();
  await page.goto(`${origin}/index.html`);
  await page.waitForSelector('#Form1:not([hidden])');
  return page;
}

const desktop = await opened({ viewport: { width: 375, height: 382 } });
await desktop.keyboard.press('Alt+M');
for (const [box, typed] of [['Text2', '15'], ['Text3', '610']]) {
  await desktop.locator(`#Form1-${box}`).fill(typed);
}
await desktop.keyboard.press('Alt+E');
await desktop.waitForFunction(() => document.querySelector('#Form1-Text5').value === '12.3967217');
await desktop.screenshot({ path: join(outDir, 'velmara-web.png') });

const phone = await opened({ viewport: { width: 360, height: 400 }, isMobile: true, hasTouch: true,
  deviceScaleFactor: 1 });
await phone.locator('#Form1-Command4').tap();
await phone.locator('#Form1-Command8').tap();
await phone.waitForSelector('#Form2[open]');
await phone.screenshot({ path: join(outDir, 'velmara-web-phone.png') });

await browser.close();
stop();
