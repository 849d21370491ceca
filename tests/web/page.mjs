// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web build in Debian's Chromium, driven as a user does: every control at its design place,
// the Tab order, typing through the key filter, a conversion, the energy and its colour, the
// clipboard, the About dialog and Close. Usage: node page.mjs BUILD-DIR DESIGN-TSV
import { createServer } from 'node:http';
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import AxeBuilder from '@axe-core/playwright';
import { chromium } from 'playwright-core';

const [buildDir, designFile] = process.argv.slice(2);
const kTwipsPerPixel = 15;
const kinds = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.svg': 'image/svg+xml', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };

// The page, served from the build as a web server serves it, on this machine alone.
const server = createServer(async (request, response) => {
  const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
  try {
    const body = await readFile(join(buildDir, path === '/' ? 'index.html' : path));
    response.writeHead(200, { 'Content-Type': kinds[extname(path)] || 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404);
    response.end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const origin = `http://127.0.0.1:${server.address().port}`;

// The design's rows, as the tests write them down once.
const design = (await readFile(designFile, 'utf8')).split('\n')
  .filter((line) => line && !line.startsWith('#') && !line.startsWith('window\t'))
  .map((line) => {
    const [window, control, kind, container, left, top, width, height, tab, caption] =
      line.split('\t');
    return { window, control, kind, container, left: +left, top: +top, width: +width,
      height: +height, tab: tab === '-' ? -1 : +tab, caption };
  });

let passed = 0;
let failed = 0;
const faults = [];
async function check(name, steps) {
  faults.length = 0;
  try {
    await steps();
  } catch (error) {
    faults.push(String(error && error.message || error).split('\n')[0]);
  }
  if (faults.length === 0) {
    ++passed;
    console.log(`ok    ${name}`);
  } else {
    ++failed;
    console.log(`FAIL  ${name}`);
    for (const fault of faults) console.log(`      ${fault}`);
  }
}
function expect(what, actual, expected) {
  const a = JSON.stringify(actual);
  const e = JSON.stringify(expected);
  if (a !== e) faults.push(`${what}: expected ${e}, got ${a}`);
}
async function until(what, test, seconds = 5) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    if (await test()) return;
    if (Date.now() > deadline) throw new Error(`${what}: not within ${seconds} s`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

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

const focused = () => page.evaluate(() => {
  let at = document.activeElement;
  while (at && !at.id) at = at.parentElement;
  return at ? at.id.replace(/^Form\d-/, '') : '(none)';
});
const value = (id) => page.locator(`#Form1-${id}`).inputValue();
const text = (id) => page.locator(`#Form1-${id}`).textContent();
const clientSize = async () => {
  const box = await page.locator('#Form1 > .client').boundingBox();
  return `${Math.round(box.width)}x${Math.round(box.height)}`;
};
// Empties a box as a paste would (Ctrl+A does nothing in the number boxes), then types.
async function typeInto(id, typed) {
  await page.locator(`#Form1-${id}`).fill('');
  await page.keyboard.type(typed);
}

await page.goto(`${origin}/index.html`);
await page.waitForSelector('#Form1:not([hidden])');

await check('start: the caption is the title, the client area 359x252, Option1 has the keys',
  async () => {
    expect('title', await page.title(), 'Velmara');
    expect('client area', await clientSize(), '359x252');
    expect('focus', await focused(), 'Option1');
  });

await check('every control of the main window at its design place and size', async () => {
  const client = await page.locator('#Form1 > .client').boundingBox();
  const frames = {};
  for (const row of design.filter((r) => r.window === 'Form1' && r.kind !== 'Form')) {
    if (row.kind === 'Line') continue;
    const box = await page.locator(`#Form1-${row.control}`).boundingBox();
    const base = row.container === '-' ? { x: 0, y: 0 } : frames[row.container];
    const want = [base.x + Math.round(row.left / kTwipsPerPixel),
      base.y + Math.round(row.top / kTwipsPerPixel), Math.round(row.width / kTwipsPerPixel),
      Math.round(row.height / kTwipsPerPixel)];
    if (!box) {
      // Out of view below the collapsed window, but there.
      faults.push(`${row.control}: not laid out`);
      continue;
    }
    const got = [Math.round(box.x - client.x), Math.round(box.y - client.y),
      Math.round(box.width), Math.round(box.height)];
    expect(row.control, got, want);
    if (row.kind === 'Frame') frames[row.control] = { x: got[0], y: got[1] };
  }
});

await check('Tab goes by the tab indexes, an option group one stop, round at the end', async () => {
  const stops = [];
  for (let i = 0; i < 17; ++i) {
    await page.keyboard.press('Tab');
    stops.push(await focused());
  }
  expect('stops', stops, ['Check1', 'Text1', 'Command4', 'Command3', 'Command2', 'Command1',
    'Option11', 'Text2', 'Text3', 'Command5', 'Command6', 'Command8', 'Command7', 'Text4',
    'Text5', 'Option1', 'Check1']);
  expect('client area, the energy panel reached out of view', await clientSize(), '359x252');
  await page.keyboard.press('Shift+Tab');
  expect('Shift+Tab', await focused(), 'Option1');
});

await check('typing: only digits and one point go in; Backspace is ignored; 10 at most',
  async () => {
    await typeInto('Text1', 'a1,2.3.4x');
    expect('typed', await value('Text1'), '12.34');
    await page.keyboard.press('Control+A');
    await page.keyboard.type('5');
    expect('Ctrl+A selects nothing', await value('Text1'), '12.345');
    await page.keyboard.press('Backspace');
    expect('after Backspace', await value('Text1'), '12.345');
    await typeInto('Text1', '123456789012');
    expect('the length limit', await value('Text1'), '1234567890');
    await page.locator('#Form1-Text1').fill('');
  });

await check('Pounds - Kilograms: 10 lbs is 4.54 kg, Alt+A calculates', async () => {
  await page.locator('#Form1-Option3 input').click();
  expect('units', [await text('Label3'), await text('Label4')], ['lbs', 'kg']);
  await typeInto('Text1', '10');
  await page.keyboard.press('Alt+A');
  await until('the result', async () => (await value('Text4')) === '4.54');
});

await check('Alt+C, on both Calculate and Close, moves between them and presses neither',
  async () => {
    await typeInto('Text1', '3');
    await page.keyboard.press('Alt+C');
    expect('first', await focused(), 'Command2');
    await page.keyboard.press('Alt+C');
    expect('second', await focused(), 'Command1');
    expect('nothing calculated', await value('Text4'), '4.54');
    expect('still running', await page.locator('#Form1').isVisible(), true);
  });

await check('arrow keys choose round the option group', async () => {
  await page.locator('#Form1-Option1 input').click();
  await page.keyboard.press('ArrowUp');
  expect('Up from the first', await focused(), 'Option10');
  expect('unit', await text('Label3'), 'Miles');
  await page.keyboard.press('ArrowDown');
  expect('Down from the last', await focused(), 'Option1');
});

await check('energy: Alt+M opens the panel; 15 grains at 610 fps is 12.3967217 on yellow',
  async () => {
    await page.keyboard.press('Alt+M');
    expect('client area', await clientSize(), '359x366');
    expect('caption', await page.locator('#Form1-Command4').textContent(), '<< Muzzle Energy');
    await typeInto('Text2', '15');
    await typeInto('Text3', '610');
    await page.keyboard.press('Alt+E');
    await until('the energy', async () => (await value('Text5')) === '12.3967217');
    expect('colour', await page.locator('#Form1-Text5').evaluate(
      (box) => getComputedStyle(box).backgroundColor), 'rgb(255, 255, 0)');
  });

await check('Copy To Clipboard writes the energy and its unit', async () => {
  await page.locator('#Form1-Command7').click();
  await until('the clipboard', async () =>
    (await page.evaluate(() => navigator.clipboard.readText())) === '12.3967217 ft/lbs');
});

await check('About: a modal dialog; Escape leaves it open; Enter closes it', async () => {
  await page.locator('#Form1-Command8').click();
  await until('the dialog', () => page.locator('#Form2').evaluate((d) => d.open));
  expect('its OK has the keys', await focused(), 'Command1');
  const over = await page.locator('#Form1 > .client').boundingBox();
  const about = await page.locator('#Form2').boundingBox();
  expect('its size, with its frame', [about.width, about.height], [318, 172]);
  expect('over the middle of the main window',
    [Math.round(about.x + about.width / 2), Math.round(about.y + about.height / 2)],
    [Math.round(over.x + over.width / 2), Math.round(over.y + over.height / 2)]);
  expect('the main window takes no input', await page.locator('#Form1').evaluate(
    (main) => main.inert), true);
  await page.keyboard.press('Escape');
  expect('open after Escape', await page.locator('#Form2').evaluate((d) => d.open), true);
  await page.keyboard.press('Alt+M');
  expect('Alt+M does not reach the main window', await clientSize(), '359x366');
  await page.keyboard.press('Enter');
  await until('closed', async () => (await page.locator('#Form2').count()) === 0);
  expect('the main window takes input', await page.locator('#Form1').evaluate(
    (main) => main.inert), false);
  expect('the keys start again from Option1', await focused(), 'Option1');
});

await check('About opened again: Alt+O closes it', async () => {
  await page.locator('#Form1-Command8').click();
  await until('the dialog', async () => (await page.locator('#Form2[open]').count()) === 1);
  await page.keyboard.press('Alt+O');
  await until('closed', async () => (await page.locator('#Form2').count()) === 0);
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

await check('Close ends Velmara: the page says so', async () => {
  await page.locator('#Form1-Command1').click();
  await until('the end', async () => (await page.locator('.ended').count()) === 1);
  expect('windows left', await page.locator('.form').count(), 0);
});

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
await installing.close();
await rm(profile, { recursive: true, force: true });

await check('no script error, refused policy or foreign request on the way',
  async () => expect('errors', errors, []));

// A phone narrower than the window: the window scaled to its width, taps, the numeric keypad.
const phone = await browser.newContext({ viewport: { width: 320, height: 640 }, isMobile: true,
  hasTouch: true, deviceScaleFactor: 2 });
const small = await phone.newPage();
await check("phone: the window fits the screen's width, taps calculate", async () => {
  await small.goto(`${origin}/index.html`);
  await small.waitForSelector('#Form1:not([hidden])');
  const box = await small.locator('#Form1 > .client').boundingBox();
  expect('width on the screen', Math.round(box.width), 320);
  expect('no sideways scrolling', await small.evaluate(
    () => document.documentElement.scrollWidth <= document.documentElement.clientWidth), true);
  expect('keypad', await small.locator('#Form1-Text1').getAttribute('inputmode'), 'decimal');
  await small.locator('#Form1-Option3').tap();
  await small.locator('#Form1-Text1').tap();
  await small.locator('#Form1-Text1').fill('');
  await small.keyboard.type('10');
  await small.locator('#Form1-Command2').tap();
  await until('the result', async () =>
    (await small.locator('#Form1-Text4').inputValue()) === '4.54');
});
await phone.close();

await browser.close();
server.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 && passed > 0 ? 0 : 1);
