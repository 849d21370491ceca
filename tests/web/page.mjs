// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web build in Debian's Chromium, driven as a user does: every control at its design place,
// the Tab order, typing through the key filter, the About dialog, copying and pasting, axe,
// every conversion both ways, the energies and their colours, Clear, nothing stored but the
// files for use offline, Close, then installing, offline, and a phone with its touch keyboard.
// Usage: node page.mjs BUILD-DIR DESIGN-TSV
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import AxeBuilder from '@axe-core/playwright';
import { chromium } from 'playwright-core';

import { check, designRows, expect, finish, holdBack, serve, until, untilEqual }
  from './harness.mjs';
import { calculationScenarios, closeScenario, desktopScenarios, downloadScenario,
  drawnWindowScenario, storageScenario, touchScenario } from './scenarios.mjs';

const [buildDir, designFile] = process.argv.slice(2);
// Files the server gives in place of the build's, for a new version of the page.
const replaced = {};
const { origin, stop, asked, served } = await serve(buildDir, replaced);
const design = await designRows(designFile);

const browser = await chromium.launch({ executablePath: process.env.VELMARA_CHROMIUM ||
  '/usr/bin/chromium', args: ['--no-sandbox'] });
const context = await browser.newContext({ viewport: { width: 800, height: 600 } });
await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin });
const page = await context.newPage();
// What goes wrong in any page: a script error, a refusal by the page's security policy, a
// request that leaves the page's own origin.
const errors = [];
function watch(watched) {
  watched.on('pageerror', (error) => errors.push(error.message));
  watched.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  watched.on('request', (request) => {
    if (!request.url().startsWith(`${origin}/`)) errors.push(`a request to ${request.url()}`);
  });
}
watch(page);

await drawnWindowScenario(page, `${origin}/index.html`,
  holdBack(replaced, buildDir, '/velmara.wasm'), 'chromium');
await desktopScenarios(page, (combo) => page.keyboard.press(combo), design);

await check('Copy To Clipboard writes the energy and its unit', async () => {
  await page.locator('#Form1-Command7').click();
  await until('the clipboard', async () =>
    (await page.evaluate(() => navigator.clipboard.readText())) === '12.3967217 ft/lbs');
});

await check('Shift+Insert pastes into Text1; Alt+A: 12.5 ft/P is 16.9475 J', async () => {
  await page.evaluate(() => navigator.clipboard.writeText('12.5'));
  await page.locator('#Form1-Text1').evaluate((box) => { box.value = ''; });
  await page.locator('#Form1-Text1').focus();
  await page.keyboard.press('Shift+Insert');
  await untilEqual('the box', () => page.locator('#Form1-Text1').inputValue(), '12.5');
  await page.keyboard.press('Alt+A');
  await untilEqual('the result', () => page.locator('#Form1-Text4').inputValue(), '16.9475');
});

// What a screen reader's user meets: every rule of axe, with the About window open and closed.
async function axeViolations() {
  const { violations } = await new AxeBuilder({ page }).analyze();
  return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}
await check('accessibility: axe finds no violation, the About window closed and open', async () => {
  expect('closed', await axeViolations(), []);
  await page.locator('#Form1-Command8').click();
  await until('the dialog', async () => (await page.locator('#Form2[open]').count()) === 1);
  expect('open', await axeViolations(), []);
  await page.keyboard.press('Enter');
  await until('closed', async () => (await page.locator('#Form2').count()) === 0);
});

await calculationScenarios(page);
await storageScenario(page, () => context.cookies(), served);
await downloadScenario(asked);
await closeScenario(page);

// Visited once, the page is an installable app and opens with the network off: in a browser
// profile of its own, as a user's is (a private window installs nothing).
const profile = await mkdtemp(join(tmpdir(), 'velmara-profile-'));
const installing = await chromium.launchPersistentContext(profile, {
  executablePath: process.env.VELMARA_CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
const again = await installing.newPage();
watch(again);
await check('installable: no installability errors; its files kept by the service worker',
  async () => {
    await again.goto(`${origin}/index.html`);
    await again.waitForSelector('#Form1:not([hidden])');
    await until('the worker in charge',
      () => again.evaluate(() => navigator.serviceWorker.controller !== null));
    const cdp = await installing.newCDPSession(again);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    expect('installability errors', installabilityErrors, []);
  });

await check('offline: reloaded with the network off, it still converts', async () => {
  await installing.setOffline(true);
  await again.reload();
  await again.waitForSelector('#Form1:not([hidden])');
  await again.locator('#Form1-Text1').fill('');
  await again.locator('#Form1-Text1').focus();
  await again.keyboard.type('10');
  await again.keyboard.press('Alt+A');
  await until('the result', async () =>
    (await again.locator('#Form1-Text4').inputValue()) === '13.558');
});
await check('a new version: the next visit takes it and drops the old files', async () => {
  await installing.setOffline(false);
  const read = (name) => readFile(join(buildDir, name), 'utf8');
  const [worker, style] = await Promise.all([read('service-worker.js'), read('style.css')]);
  const kept = await again.evaluate(() => caches.keys());
  expect('files kept once', kept.length, 1);
  // A build with another stylesheet: its worker keeps the files under another name.
  replaced['/service-worker.js'] = () => ({ type: 'text/javascript',
    body: worker.replace(kept[0], 'velmara-next') });
  replaced['/style.css'] = () => ({ type: 'text/css', body: `${style}/* next */\n` });
  await again.reload();
  await untilEqual('the files kept', () => again.evaluate(() => caches.keys()), ['velmara-next'],
    30);
  await installing.setOffline(true);
  await again.reload();
  await again.waitForSelector('#Form1:not([hidden])');
  expect('the stylesheet the page has offline', (await again.evaluate(
    () => fetch('style.css').then((response) => response.text()))).endsWith('/* next */\n'), true);
});
await installing.close();
await rm(profile, { recursive: true, force: true });

await check('no script error, refused policy or foreign request on the way',
  async () => expect('errors', errors, []));

// A phone's or a tablet's screen, as Chromium's touch emulation gives it.
const touchScreen = (width, height) => ({ viewport: { width, height }, isMobile: true,
  hasTouch: true });

// Phones and tablets, upright and turned: the window laid out for a thumb, and on an upright
// phone and a tablet drawn so before the program runs (the picture compared is the part in view).
for (const screen of [{ width: 320, height: 568 }, { width: 360, height: 740, phone: true },
  { width: 390, height: 844, phone: true, drawn: true }, { width: 844, height: 390 },
  { width: 820, height: 1180, drawn: true }]) {
  const device = await browser.newContext(touchScreen(screen.width, screen.height));
  const handheld = await device.newPage();
  if (screen.drawn) {
    await drawnWindowScenario(handheld, `${origin}/index.html`,
      holdBack(replaced, buildDir, '/velmara.wasm'), `chromium-${screen.width}`);
  } else {
    await handheld.goto(`${origin}/index.html`);
    await handheld.waitForSelector('#Form1:not([hidden])');
  }
  await touchScenario(handheld, screen);
  await device.close();
}

// The keys a keyboard sends into a number box holding "12.5", as CDP plays them: each key with
// the editing command the browser runs for it unless the page keeps the key, and what the box
// then holds. An iPhone's delete is a Backspace key (keyCode 8) before its beforeinput, as
// WebKit's iOS key events make it; an Android keyboard's is a key it cannot name (229). A
// touch-only device deletes with both; a desktop keeps the Backspace key from the boxes. A comma
// region's keypad types "," for the decimal point.
const kTouch = touchScreen(360, 740);
const kDesktop = { viewport: { width: 800, height: 600 } };
const kIPhoneDelete = { key: 'Backspace', code: 'Backspace', windowsVirtualKeyCode: 8,
  commands: ['deleteBackward'] };
const kAndroidDelete = { key: 'Unidentified', windowsVirtualKeyCode: 229,
  commands: ['deleteBackward'] };
const kKeyboards = [
  { name: "an iPhone's delete", device: kTouch, keys: [kIPhoneDelete], box: '12.',
    seen: ['keydown Backspace 8', 'beforeinput deleteContentBackward'] },
  { name: "an iPhone's delete on a selection", device: kTouch, select: [0, 2],
    keys: [kIPhoneDelete], box: '.5' },
  { name: "an Android keyboard's delete", device: kTouch, keys: [kAndroidDelete], box: '12.',
    seen: ['keydown Unidentified 229', 'beforeinput deleteContentBackward'] },
  { name: "a German keypad's comma, one point at most", device: { ...kTouch, locale: 'de-DE' },
    select: [0, 4], typed: '0,5,47', box: '0.547' },
  { name: "the desktop's Backspace", device: kDesktop, keys: [kIPhoneDelete], box: '12.5',
    seen: ['keydown Backspace 8'] },
];
for (const { name, device, select, keys = [], typed = '', box, seen } of kKeyboards) {
  const context = await browser.newContext(device);
  const handset = await context.newPage();
  await check(`keys in a number box: ${name} leaves "${box}"`, async () => {
    await handset.goto(`${origin}/index.html`);
    await handset.waitForSelector('#Form1:not([hidden])');
    const text1 = handset.locator('#Form1-Text1');
    await text1.evaluate((element, range) => {
      element.value = '12.5';
      element.focus();
      element.setSelectionRange(...range);
      window.seen = [];
      element.addEventListener('keydown',
        (event) => window.seen.push(`keydown ${event.key} ${event.keyCode}`));
      element.addEventListener('beforeinput',
        (event) => window.seen.push(`beforeinput ${event.inputType}`));
    }, select || [4, 4]);
    const cdp = await context.newCDPSession(handset);
    for (const { commands, ...key } of keys) {
      const nativeVirtualKeyCode = key.windowsVirtualKeyCode;
      await cdp.send('Input.dispatchKeyEvent',
        { type: 'rawKeyDown', ...key, nativeVirtualKeyCode, commands });
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...key, nativeVirtualKeyCode });
    }
    await handset.keyboard.type(typed);
    await untilEqual('the box', () => text1.inputValue(), box);
    if (seen) expect('the events', await handset.evaluate(() => window.seen), seen);
  });
  await context.close();
}

// With scripts turned off there is no program to take the drawn window's place.
const scriptless = await browser.newContext({ javaScriptEnabled: false });
const still = await scriptless.newPage();
await check('scripts off: the page says what it needs, and shows no window', async () => {
  await still.goto(`${origin}/index.html`);
  expect('the note shown', await still.locator('noscript p').isVisible(), true);
  expect('the drawn window shown', await still.locator('main.standin').isVisible(), false);
  expect('the drawn window in the page', await still.locator('main.standin').count(), 1);
});
await scriptless.close();

await browser.close();
stop();
process.exit(finish());
