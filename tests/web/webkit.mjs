// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web build in WebKit, the engine of Safari on an iPhone: Debian's WebKitGTK MiniBrowser,
// driven with selenium-webdriver through WebKitGTK's WebDriver, on a private Xvfb. The desktop's
// scenarios, the conversions, energies and Clear, nothing stored, as in Chromium and Firefox,
// and Close. WebDriver tells nothing of the page's console: the test server has every page load
// watch.js first, which reports what goes wrong.
// Usage: node webkit.mjs BUILD-DIR DESIGN-TSV
import { check, designRows, expect, finish, holdBack, serve } from './harness.mjs';
import { calculationScenarios, closeScenario, desktopScenarios, downloadScenario,
  drawnWindowScenario, storageScenario } from './scenarios.mjs';
import { openWebKit } from './webkit_driver.mjs';

const [buildDir, designFile] = process.argv.slice(2);
const held = {};
const server = await serve(buildDir, held, { watch: true });
const design = await designRows(designFile);

const { page, key, driver, close } = await openWebKit();

try {
  await drawnWindowScenario(page, `${server.origin}/index.html`,
    holdBack(held, buildDir, '/velmara.wasm'), 'webkit');
  await desktopScenarios(page, key, design);
  await calculationScenarios(page);
  await storageScenario(page, () => driver.manage().getCookies(), server.served);
  await downloadScenario(server.asked);
  await closeScenario(page);
  await check('no script error, refused policy or file failed on the way',
    async () => expect('errors', server.errors, []));
} finally {
  await close();
  server.stop();
}
process.exit(finish());
