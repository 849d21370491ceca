// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web build in Debian's Firefox ESR, driven with puppeteer-core over WebDriver BiDi: the
// desktop's scenarios, the conversions, energies and Clear, nothing stored, as in Chromium, and
// Close. Usage: node firefox.mjs BUILD-DIR DESIGN-TSV
import puppeteer from 'puppeteer-core';

import { check, designRows, expect, finish, holdBack, serve } from './harness.mjs';
import { calculationScenarios, closeScenario, desktopScenarios, downloadScenario,
  drawnWindowScenario, storageScenario } from './scenarios.mjs';

const [buildDir, designFile] = process.argv.slice(2);
const held = {};
const { origin, stop, asked, served } = await serve(buildDir, held);
const design = await designRows(designFile);

const browser = await puppeteer.launch({ browser: 'firefox', headless: true,
  executablePath: process.env.VELMARA_FIREFOX || '/usr/bin/firefox-esr' });
const page = await browser.newPage();
await page.setViewport({ width: 800, height: 600 });
const errors = [];
page.on('pageerror', (error) => errors.push(error.message));

// A key with its modifiers, "Alt+A" as the modifiers held round the key; a letter by its key's
// code, as a keyboard sends it.
async function key(combo) {
  const parts = combo.split('+');
  const pressed = parts.pop();
  for (const modifier of parts) await page.keyboard.down(modifier);
  await page.keyboard.press(/^[A-Z]$/.test(pressed) ? `Key${pressed}` : pressed);
  for (const modifier of parts.reverse()) await page.keyboard.up(modifier);
}

await drawnWindowScenario(page, `${origin}/index.html`,
  holdBack(held, buildDir, '/velmara.wasm'), 'firefox');
await desktopScenarios(page, key, design);
await calculationScenarios(page);
await storageScenario(page, () => browser.cookies(), served);
await downloadScenario(asked);
await closeScenario(page);
await check('no script error on the way', async () => expect('errors', errors, []));

await browser.close();
stop();
process.exit(finish());
