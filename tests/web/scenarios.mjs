// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's scenarios in a browser, written once for every browser the tests drive: they use
// what playwright's and puppeteer's pages share, and `key`, the driver's way to press a key with
// its modifiers ("Alt+A", "Shift+Tab").
import { writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { check, expect, kTwipsPerPixel, until, untilEqual } from './harness.mjs';

// The window's parts as a user meets them, read in the page.
function reader(page) {
  const inPage = (selector, read) => page.evaluate(read, selector);
  return {
    focused: () => page.evaluate(() => {
      let at = document.activeElement;
      while (at && !at.id) at = at.parentElement;
      return at ? at.id.replace(/^Form\d-/, '') : '(none)';
    }),
    value: (id) => inPage(`#Form1-${id}`, (s) => document.querySelector(s).value),
    text: (id) => inPage(`#Form1-${id}`, (s) => document.querySelector(s).textContent),
    box: (selector) => inPage(selector, (s) => {
      const element = document.querySelector(s);
      if (!element) return null;
      const r = element.getBoundingClientRect();
      return { x: r.x, y: r.y, width: r.width, height: r.height };
    }),
    clientSize: () => inPage('#Form1 > .client', (s) => {
      const r = document.querySelector(s).getBoundingClientRect();
      return `${Math.round(r.width)}x${Math.round(r.height)}`;
    }),
    open: (selector) => inPage(selector, (s) => {
      const dialog = document.querySelector(s);
      return dialog ? dialog.open : false;
    }),
    count: (selector) => inPage(selector, (s) => document.querySelectorAll(s).length),
    checked: (id) => inPage(`#Form1-${id} input`, (s) => document.querySelector(s).checked),
    background: (selector) =>
      inPage(selector, (s) => getComputedStyle(document.querySelector(s)).backgroundColor),
  };
}

// The ten conversions with the number 1, as the desktop build's window tests work them: the
// units' captions going forward, the result forward (the factor) and reversed (its reciprocal
// to 15 significant digits).
const kConversions = [
  ['Option1', 'ft/P', 'J', '1.3558', '0.737571913261543'],
  ['Option2', 'grains', 'g', '0.0648', '15.4320987654321'],
  ['Option3', 'lbs', 'kg', '0.454', '2.20264317180617'],
  ['Option4', 'lbs', 'oz', '16', '0.0625'],
  ['Option5', 'lbs', 'grains', '7000', '0.000142857142857143'],
  ['Option6', 'fps', 'm/s', '0.305', '3.27868852459016'],
  ['Option7', 'inch', 'cm', '2.54', '0.393700787401575'],
  ['Option8', 'ft', 'm', '0.3048', '3.28083989501312'],
  ['Option9', 'yds', 'm', '0.9144', '1.09361329833771'],
  ['Option10', 'Miles', 'ft', '5280', '0.000189393939393939'],
];

// The energy box's colours; between the bands, or with no energy, it shows the window's face.
const kBands = { green: 'rgb(0, 255, 0)', yellow: 'rgb(255, 255, 0)', red: 'rgb(255, 0, 0)' };

// Energies in both unit systems, as the desktop shows them: cut to ten characters, not rounded,
// on the colour of the band the whole energy falls in. Each row's colour differs from the one
// before, so that a colour left from the last calculation shows.
const kEnergies = [
  { unit: 'ft/lbs', mass: '10', velocity: '500', shown: '5.55259417', colour: 'green' },
  { unit: 'ft/lbs', mass: '8.44', velocity: '800', shown: '11.9971570', colour: 'face' },
  { unit: 'ft/lbs', mass: '15', velocity: '700', shown: '16.3246268', colour: 'red' },
  { unit: 'ft/lbs', mass: '', velocity: '500', shown: '', colour: 'face' },
  { unit: 'Joules', mass: '0.5', velocity: '250', shown: '15.625', colour: 'green' },
  { unit: 'Joules', mass: '1', velocity: '181', shown: '16.3805', colour: 'face' },
  { unit: 'Joules', mass: '1', velocity: '178', shown: '15.842', colour: 'yellow' },
  { unit: 'Joules', mass: '1', velocity: '200', shown: '20', colour: 'red' },
];
const kUnitSystems = { 'ft/lbs': 'Option11', Joules: 'Option12' };

// Each panel's Clear: what its boxes then show, and whether the energy box goes back to the
// window's face. The other panel stays as it was, and the button keeps the keys.
const kClears = [
  { panel: 'conversion', button: 'Command3', boxes: { Text1: '', Text4: '' }, face: false },
  { panel: 'energy', button: 'Command6', boxes: { Text2: '0', Text3: '0', Text5: '0' },
    face: true },
];

// Empties a box as a paste would (Ctrl+A does nothing in the number boxes), then types.
async function typeInto(page, id, typed) {
  await page.evaluate((s) => { document.querySelector(s).value = ''; }, `#Form1-${id}`);
  await page.focus(`#Form1-${id}`);
  await page.keyboard.type(typed);
}

// From the page just opened to the energy calculated and the About window gone again.
export async function desktopScenarios(page, key, design) {
  const read = reader(page);

  await check('start: the caption is the title, the client area 359x252, Option1 has the keys',
    async () => {
      expect('title', await page.title(), 'Velmara');
      expect('client area', await read.clientSize(), '359x252');
      expect('focus', await read.focused(), 'Option1');
      expect("a button's caption in its middle", await page.evaluate(() => {
        const button = document.querySelector('#Form1-Command3');
        const range = document.createRange();
        range.selectNodeContents(button);
        const [text, box] = [range.getBoundingClientRect(), button.getBoundingClientRect()];
        return Math.abs(text.left + text.width / 2 - (box.left + box.width / 2)) <= 1;
      }), true);
      // The table's ten equivalences ("1 foot pound = ...") each start a line of their own.
      expect('lines of the table', await page.evaluate(() => {
        const text = document.querySelector('#Form1-Label1').firstChild;
        const starts = Array.from(text.data.matchAll(/1 [a-z]/g), (m) => m.index);
        const range = document.createRange();
        return starts.map((at) => {
          range.setStart(text, at);
          range.setEnd(text, at + 1);
          return Math.round(range.getBoundingClientRect().left);
        }).filter((left, i, all) => left === all[0]).length;
      }), 10);
    });

  await check('every control of the main window at its design place and size', async () => {
    const client = await read.box('#Form1 > .client');
    const frames = {};
    for (const row of design.filter((r) => r.window === 'Form1' && r.kind !== 'Form')) {
      if (row.kind === 'Line') continue;
      const box = await read.box(`#Form1-${row.control}`);
      const base = row.container === '-' ? { x: 0, y: 0 } : frames[row.container];
      const want = [base.x + Math.round(row.left / kTwipsPerPixel),
        base.y + Math.round(row.top / kTwipsPerPixel), Math.round(row.width / kTwipsPerPixel),
        Math.round(row.height / kTwipsPerPixel)];
      const got = box && [Math.round(box.x - client.x), Math.round(box.y - client.y),
        Math.round(box.width), Math.round(box.height)];
      expect(row.control, got, want);
      if (got && row.kind === 'Frame') frames[row.control] = { x: got[0], y: got[1] };
    }
  });

  await check('Tab goes by the tab indexes, an option group one stop, round at the end',
    async () => {
      const stops = [];
      for (let i = 0; i < 17; ++i) {
        await key('Tab');
        stops.push(await read.focused());
      }
      expect('stops', stops, ['Check1', 'Text1', 'Command4', 'Command3', 'Command2', 'Command1',
        'Option11', 'Text2', 'Text3', 'Command5', 'Command6', 'Command8', 'Command7', 'Text4',
        'Text5', 'Option1', 'Check1']);
      expect('client area, the energy panel reached out of view', await read.clientSize(),
        '359x252');
      await key('Shift+Tab');
      expect('Shift+Tab', await read.focused(), 'Option1');
    });

  await check('typing: only digits and one point go in; Ctrl+A and Backspace do nothing; 10 at most',
    async () => {
      await typeInto(page, 'Text1', 'a1,2.3.4x');
      expect('typed', await read.value('Text1'), '12.34');
      await key('Control+A');
      await page.keyboard.type('5');
      expect('Ctrl+A selects nothing', await read.value('Text1'), '12.345');
      await key('Backspace');
      expect('after Backspace', await read.value('Text1'), '12.345');
      await typeInto(page, 'Text1', '123456789012');
      expect('the length limit', await read.value('Text1'), '1234567890');
      await key('Shift+Tab');
      await key('Tab');
      await page.keyboard.type('7');
      expect('Tab back into the box selected its text, typed over', await read.value('Text1'),
        '7');
    });

  await check('Pounds - Kilograms: 10 lbs is 4.54 kg, Alt+A calculates', async () => {
    await page.click('#Form1-Option3 input');
    expect('units', [await read.text('Label3'), await read.text('Label4')], ['lbs', 'kg']);
    await typeInto(page, 'Text1', '10');
    await key('Alt+A');
    await until('the result', async () => (await read.value('Text4')) === '4.54');
  });

  await check('Alt+C, on both Calculate and Close, moves between them and presses neither',
    async () => {
      await typeInto(page, 'Text1', '3');
      await key('Alt+C');
      expect('first', await read.focused(), 'Command2');
      await key('Alt+C');
      expect('second', await read.focused(), 'Command1');
      expect('nothing calculated', await read.value('Text4'), '4.54');
      expect('still running', await read.count('#Form1:not([hidden])'), 1);
    });

  await check('arrow keys choose round the option group', async () => {
    await page.click('#Form1-Option1 input');
    await key('ArrowUp');
    expect('Up from the first', await read.focused(), 'Option10');
    expect('unit', await read.text('Label3'), 'Miles');
    await key('ArrowDown');
    expect('Down from the last', await read.focused(), 'Option1');
  });

  await check('energy: Alt+M opens the panel; 15 grains at 610 fps is 12.3967217 on yellow',
    async () => {
      await key('Alt+M');
      expect('client area', await read.clientSize(), '359x366');
      expect('caption', await read.text('Command4'), '<< Muzzle Energy');
      await typeInto(page, 'Text2', '15');
      await typeInto(page, 'Text3', '610');
      // AltGr is Ctrl+Alt to a browser on Windows, and types a character there: no access key.
      await key('Control+Alt+E');
      expect('Ctrl+Alt+E: nothing calculated', await read.value('Text5'), '0');
      expect('Ctrl+Alt+E: the keys kept', await read.focused(), 'Text3');
      await key('Alt+E');
      await until('the energy', async () => (await read.value('Text5')) === '12.3967217');
      expect('colour', await read.background('#Form1-Text5'), kBands.yellow);
    });

  await check('About: a modal dialog over the main window; Escape leaves it open; Enter closes it',
    async () => {
      await page.click('#Form1-Command8');
      await until('the dialog', () => read.open('#Form2'));
      expect('its OK has the keys', await read.focused(), 'Command1');
      const over = await read.box('#Form1 > .client');
      const about = await read.box('#Form2');
      expect('its size, with its frame', [about.width, about.height], [318, 172]);
      expect('over the middle of the main window',
        [Math.round(about.x + about.width / 2), Math.round(about.y + about.height / 2)],
        [Math.round(over.x + over.width / 2), Math.round(over.y + over.height / 2)]);
      expect('the main window takes no input',
        await page.evaluate(() => document.querySelector('#Form1').inert), true);
      await key('Escape');
      expect('open after Escape', await read.open('#Form2'), true);
      // A click outside the dialog's controls leaves the keys on OK.
      const option = await read.box('#Form1-Option2');
      const label = await read.box('#Form2-Label1');
      for (const [where, x, y] of [['a control behind it', option.x + 6, option.y + 6],
        ["the main window's face", over.x + 2, over.y + 2],
        ['the page beside the window', over.x + over.width + 40, over.y + 10],
        ["the dialog's name", label.x + label.width / 2, label.y + label.height / 2]]) {
        await page.mouse.click(x, y);
        expect(`the keys after a click on ${where}`, await read.focused(), 'Command1');
      }
      await key('Alt+M');
      expect('Alt+M does not reach the main window', await read.clientSize(), '359x366');
      await key('Enter');
      await until('closed', async () => (await read.count('#Form2')) === 0);
      expect('the main window takes input',
        await page.evaluate(() => document.querySelector('#Form1').inert), false);
      expect('the keys start again from Option1', await read.focused(), 'Option1');
    });

  // Each opening is a fresh window with the keys on OK, which Alt+O and Space press too.
  for (const [name, press] of [['Alt+O', 'Alt+O'], ['Space', ' ']]) {
    await check(`About opened again: the keys on OK, ${name} closes it`, async () => {
      await page.click('#Form1-Command8');
      await until('the dialog', () => read.open('#Form2'));
      expect('dialogs', await read.count('dialog'), 1);
      expect('its OK has the keys', await read.focused(), 'Command1');
      await key(press);
      await until('closed', async () => (await read.count('#Form2')) === 0);
      expect('the keys start again from Option1', await read.focused(), 'Option1');
    });
  }
}

// The page arrives with its window drawn, and shows it before the program runs: the same picture
// as the program's own window, which takes its place, and nothing taken in the meantime. The
// server holds the program back until `release` is called. `name` names the pictures kept when
// the two differ. Leaves the program running in the page.
export async function drawnWindowScenario(page, url, release, name) {
  const read = reader(page);
  await check("before the program runs, the page shows the program's window, taking no input",
    async () => {
      let clip;
      let before;
      // WebKit animates a radio button's dot as it is chosen: the picture once it is still.
      const still = async () => {
        let last = null;
        for (let shots = 0; shots < 20; ++shots) {
          const shot = Buffer.from(await page.screenshot({ clip }));
          if (last && shot.equals(last)) break;
          last = shot;
        }
        return last;
      };
      try {
        await page.goto(url, { waitUntil: 'domcontentloaded' });
        await until('the drawn window, styled', () => page.evaluate(() => {
          const client = document.querySelector('main.standin > .client');
          return client !== null && getComputedStyle(client).position === 'relative';
        }));
        // The caret blinks; the pictures leave it out.
        clip = await page.evaluate(() => {
          document.styleSheets[0].insertRule('* { caret-color: transparent !important; }');
          const r = document.querySelector('main.standin > .client').getBoundingClientRect();
          return { x: r.x, y: r.y, width: r.width, height: r.height };
        });
        before = await still();
        const box = await read.box('main.standin input[type="text"]');
        await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
        await page.keyboard.type('7');
        expect('what has the keys', await page.evaluate(() => document.activeElement.tagName),
          'BODY');
        expect("the program's window, held back", await read.count('#Form1'), 0);
      } finally {
        release();
      }
      await page.waitForSelector('#Form1:not([hidden])');
      expect('drawn windows left', await read.count('main.standin'), 0);
      expect('the first box', await read.value('Text1'), '0');
      // The program's window shows which control has the keys; the drawn one, that none has.
      await page.evaluate(() => document.styleSheets[0].insertRule(
        ':focus, :focus + span { outline: none !important; }'));
      // WebKit draws a radio button with the keys otherwise, and once it has lost them, as it had
      // them until it is drawn anew.
      const keysWith = name === 'webkit' && await page.evaluate(() => new Promise((done) => {
        const focused = document.activeElement;
        focused.blur();
        focused.style.visibility = 'hidden';
        requestAnimationFrame(() => requestAnimationFrame(() => {
          focused.style.removeProperty('visibility');
          done(focused.id || focused.parentElement.id);
        }));
      }));
      const after = await still();
      await page.evaluate((owner) => {
        document.styleSheets[0].deleteRule(0);
        document.styleSheets[0].deleteRule(0);
        const at = owner && document.getElementById(owner);
        if (at) (at.querySelector('input') || at).focus();
      }, keysWith);
      if (!before.equals(after)) {
        const kept = join(tmpdir(), `velmara-drawn-${name}`);
        await writeFile(`${kept}-before.png`, before);
        await writeFile(`${kept}-after.png`, after);
        expect(`the picture before the program and after (${kept}-*.png)`, 'different', 'same');
      }
    });
}

// After the scenarios: no cookie, nothing in the page's web storage or databases, and in the
// service worker's cache the page's own files alone, as the server gave them (`served`, their
// SHA-256 by path). `cookies` gives the browser's cookies for the page's profile.
export async function storageScenario(page, cookies, served) {
  await check("nothing kept but the page's own files for use offline", async () => {
    expect('document.cookie', await page.evaluate(() => document.cookie), '');
    expect("the browser's cookies", (await cookies()).map((c) => `${c.name} of ${c.domain}`), []);
    expect('web storage and databases', await page.evaluate(async () => ({
      localStorage: Object.keys(localStorage),
      sessionStorage: Object.keys(sessionStorage),
      indexedDB: (await indexedDB.databases()).map((database) => database.name),
    })), { localStorage: [], sessionStorage: [], indexedDB: [] });
    // In charge, the worker has kept all its files.
    await until('the service worker in charge',
      () => page.evaluate(() => navigator.serviceWorker.controller !== null));
    const kept = await page.evaluate(async () => {
      const hex = (digest) => Array.from(new Uint8Array(digest),
        (byte) => byte.toString(16).padStart(2, '0')).join('');
      const files = [];
      for (const name of await caches.keys()) {
        const cache = await caches.open(name);
        for (const request of await cache.keys()) {
          const body = await (await cache.match(request)).arrayBuffer();
          const digest = await crypto.subtle.digest('SHA-256', body);
          files.push({ url: request.url, sha256: hex(digest) });
        }
      }
      return files;
    });
    const { origin } = new URL(await page.url());
    const strangers = kept.filter(({ url, sha256 }) => {
      const at = new URL(url);
      return at.origin !== origin || at.search || served[at.pathname] !== sha256;
    }).map(({ url }) => url);
    expect('kept, but not a file of the page as served', strangers, []);
  });
}

// The page asks once for each file it loads; its service worker's own requests, to keep the
// files, aside. `asked` counts the requests the server saw for each path, by the page and by the
// worker.
export async function downloadScenario(asked) {
  await check('the page asks for each of its files once', async () => {
    const byPage = Object.entries(asked).filter(([, by]) => by.page > 0);
    expect('asked for more than once',
      byPage.filter(([, by]) => by.page > 1).map(([path, by]) => `${path} ${by.page} times`), []);
    expect('the program and its page among them', ['/index.html', '/style.css', '/page.js',
      '/velmara.js', '/velmara.wasm'].filter((path) => !(path in asked)), []);
  });
}

// Close ends the program: the page says so, or, where the browser lets a page close itself (a
// window a script opened, an installed app's), the page is gone.
export async function closeScenario(page) {
  const read = reader(page);
  await check('Close ends Velmara: the page says so, or closes', async () => {
    await page.click('#Form1-Command1');
    const ended = async () => {
      if (page.isClosed()) return true;
      try {
        return (await read.count('.ended')) === 1 && (await read.count('.form')) === 0;
      } catch {
        return page.isClosed();
      }
    };
    await until('the end', ended);
  });
}

// Every conversion both ways, the energies and Clear, from the page as the desktop scenarios
// leave it (Option1 chosen, the energy panel shown).
export async function calculationScenarios(page) {
  const read = reader(page);
  const face = await read.background('#Form1 > .client');
  const units = async () => [await read.text('Label3'), await read.text('Label4')];

  // Option1 is chosen already: it comes last, so that every option is chosen from another.
  for (const [option, first, second, forward, reversed] of
    [...kConversions.slice(1), kConversions[0]]) {
    await check(`${option}: 1 ${first} is ${forward} ${second}, reversed 1 ${second} is ` +
      `${reversed} ${first}`, async () => {
      // Going forward, whatever a failed row before left.
      if (await read.checked('Check1')) await page.click('#Form1-Check1 input');
      await page.click(`#Form1-${option} input`);
      expect('units', await units(), [first, second]);
      await typeInto(page, 'Text1', '1');
      await page.click('#Form1-Command2');
      await untilEqual('the result', () => read.value('Text4'), forward);
      await page.click('#Form1-Check1 input');
      expect('units reversed', await units(), [second, first]);
      await page.click('#Form1-Command2');
      await untilEqual('the result reversed', () => read.value('Text4'), reversed);
      await page.click('#Form1-Check1 input');
      expect('units forward again', await units(), [first, second]);
    });
  }

  for (const { unit, mass, velocity, shown, colour } of kEnergies) {
    await check(`energy in ${unit}: ${mass || 'no mass'} at ${velocity} shows "${shown}" on ` +
      (colour === 'face' ? "the window's face" : colour), async () => {
      await page.click(`#Form1-${kUnitSystems[unit]} input`);
      expect('unit', await read.text('Label11'), unit);
      await typeInto(page, 'Text2', mass);
      await typeInto(page, 'Text3', velocity);
      await page.click('#Form1-Command5');
      await untilEqual('the energy', () => read.value('Text5'), shown);
      expect('colour', await read.background('#Form1-Text5'), kBands[colour] || face);
    });
  }

  const everyBox = async () => Object.fromEntries(await Promise.all(
    ['Text1', 'Text4', 'Text2', 'Text3', 'Text5'].map(async (id) => [id, await read.value(id)])));
  for (const { panel, button, boxes, face: toFace } of kClears) {
    const after = Object.entries(boxes).map(([id, text]) => `${id} "${text}"`).join(', ');
    await check(`Clear of the ${panel} panel: ${after}` +
      `${toFace ? ", the energy box on the window's face" : ''}, the keys on ${button}`,
    async () => {
      const before = await everyBox();
      const colour = await read.background('#Form1-Text5');
      await page.click(`#Form1-${button}`);
      await untilEqual('the boxes', everyBox, { ...before, ...boxes });
      expect("the energy box's colour", await read.background('#Form1-Text5'),
        toFace ? face : colour);
      expect('the keys', await read.focused(), button);
    });
  }
}

// What a thumb needs of the window or dialog in front, as the page lays it out on a device with
// no mouse: every control it touches at least 44 pixels each way, the boxes' text at least 16
// pixels and no other text under 14, nothing cut off, no two controls over each other, and no
// sideways scrolling. Gives what falls short.
function thumbFaults() {
  const shown = (element) => element.getClientRects().length > 0;
  const front = document.querySelector('dialog[open]') || document.querySelector('main.form');
  const faults = [];
  const name = (element) => element.id || `${element.tagName} of ${element.parentElement.id}`;
  for (const control of front.querySelectorAll('button, input[type="text"], .option, .check')) {
    const box = control.getBoundingClientRect();
    if (shown(control) && (box.width < 44 || box.height < 44)) {
      faults.push(`${name(control)} ${Math.round(box.width)}x${Math.round(box.height)}`);
    }
  }
  const leaves = [...front.querySelectorAll('.client > :not(fieldset), fieldset > *')]
    .filter(shown);
  for (const leaf of leaves) {
    const size = parseFloat(getComputedStyle(leaf).fontSize);
    if (size < (leaf.matches('input') ? 16 : 14)) faults.push(`${name(leaf)} in ${size}px text`);
    if (leaf.matches('.label') && (leaf.scrollWidth > leaf.clientWidth ||
      leaf.scrollHeight > leaf.clientHeight)) faults.push(`${name(leaf)} cut off`);
  }
  leaves.forEach((leaf, i) => leaves.slice(i + 1).forEach((other) => {
    const [a, b] = [leaf.getBoundingClientRect(), other.getBoundingClientRect()];
    if (Math.min(a.right, b.right) - Math.max(a.left, b.left) > 0.5 &&
      Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 0.5) {
      faults.push(`${name(leaf)} over ${name(other)}`);
    }
  }));
  const page = document.documentElement;
  if (page.scrollWidth > page.clientWidth) faults.push(`${page.scrollWidth}px wide`);
  return faults;
}

// On a phone or a tablet, upright or turned (`width` x `height`; `phone` for one held upright),
// from the page as it opens: the converter, the energy calculator and the About dialog each fit
// for a thumb, and work by taps. On a phone the energy and its button are in view together.
export async function touchScenario(page, { width, height, phone }) {
  const read = reader(page);
  const tapInto = async (id, typed) => {
    await page.tap(`#Form1-${id}`);
    await page.evaluate((s) => { document.querySelector(s).value = ''; }, `#Form1-${id}`);
    await page.keyboard.type(typed);
  };
  await check(`touch, ${width}x${height}: every control fit for a thumb; taps convert, ` +
    'calculate and open About', async () => {
    expect('the converter', await page.evaluate(thumbFaults), []);
    expect('the boxes bring up the decimal keypad', await page.evaluate(() => [...document
      .querySelectorAll('input[type="text"]')].every((box) => box.inputMode === 'decimal')), true);
    await page.tap('#Form1-Option3');
    await tapInto('Text1', '10');
    await page.tap('#Form1-Command2');
    await untilEqual('10 lbs in kg', () => read.value('Text4'), '4.54');
    await page.tap('#Form1-Command4');
    expect('the energy calculator', await page.evaluate(thumbFaults), []);
    await tapInto('Text2', '15');
    await tapInto('Text3', '610');
    await page.tap('#Form1-Command5');
    await untilEqual('the energy', () => read.value('Text5'), '12.3967217');
    expect('its colour', await read.background('#Form1-Text5'), kBands.yellow);
    if (phone) {
      expect('the energy and its button in view', await page.evaluate(() =>
        ['#Form1-Text5', '#Form1-Command5'].every((s) => {
          const box = document.querySelector(s).getBoundingClientRect();
          return box.top >= 0 && box.bottom <= innerHeight;
        })), true);
    }
    await page.tap('#Form1-Command8');
    await until('the dialog', () => read.open('#Form2'));
    expect('the About dialog', await page.evaluate(thumbFaults), []);
    await page.touchscreen.tap(2, 2);
    expect('the keys after a tap beside the dialog', await read.focused(), 'Command1');
    expect('the dialog within the screen', await page.evaluate(() => {
      const box = document.querySelector('#Form2').getBoundingClientRect();
      return box.left >= 0 && box.top >= 0 && box.right <= innerWidth &&
        box.bottom <= innerHeight;
    }), true);
    await page.tap('#Form2-Command1');
    await until('closed', async () => (await read.count('#Form2')) === 0);
  });
}
