// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the web page for the README, in Debian's Chromium: the page on a desktop with
// one energy worked out, on a phone 390 pixels wide with the same energy worked out by taps, and
// on a tablet with the About window open; and in WebKitGTK, Safari's engine, the page with one
// energy worked out.
// Usage: node docs/web-screenshots.mjs BUILD-DIR OUT-DIR (docs/make-screenshots --web runs it)
import { writeFile } from 'node:fs/promises';
import { join } from 'node:path';

import { serve } from '../tests/web/harness.mjs';
import { openWebKit } from '../tests/web/webkit_driver.mjs';

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

const phone = await opened({ viewport: { width: 390, height: 844 }, isMobile: true,
  hasTouch: true, deviceScaleFactor: 1 });
await phone.locator('#Form1-Command4').tap();
for (const [box, typed] of [['Text2', '15'], ['Text3', '610']]) {
  await phone.locator(`#Form1-${box}`).fill(typed);
}
await phone.locator('#Form1-Command5').tap();
await phone.waitForFunction(() => document.querySelector('#Form1-Text5').value === '12.3967217');
await phone.screenshot({ path: join(outDir, 'velmara-web-phone.png') });

const tablet = await opened({ viewport: { width: 820, height: 1180 }, isMobile: true,
  hasTouch: true, deviceScaleFactor: 1 });
await tablet.locator('#Form1-Command4').tap();
await tablet.locator('#Form1-Command8').tap();
await tablet.waitForSelector('#Form2[open]');
await tablet.screenshot({ path: join(outDir, 'velmara-web-tablet.png') });
await browser.close();

const webkit = await openWebKit();
try {
  await webkit.page.goto(`${origin}/index.html`);
  await webkit.page.waitForSelector('#Form1:not([hidden])');
  await webkit.key('Alt+M');
  for (const [box, typed] of [['Text2', '15'], ['Text3', '610']]) {
    await webkit.page.evaluate((id) => { document.getElementById(id).value = ''; }, `Form1-${box}`);
    await webkit.page.click(`#Form1-${box}`);
    await webkit.page.keyboard.type(typed);
  }
  await webkit.key('Alt+E');
  await webkit.page.waitForSelector('#Form1-Text5[style*="255, 255, 0"]');
  await writeFile(join(outDir, 'velmara-web-webkit.png'),
    await webkit.page.screenshot({ clip: { x: 0, y: 0, width: 375, height: 382 } }));
} finally {
  await webkit.close();
}
stop();
