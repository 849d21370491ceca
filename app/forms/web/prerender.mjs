// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the main window into the page, so that the browser paints it as soon as the markup and
// the stylesheet arrive, before the program has been fetched and compiled. The program builds
// its window once in headless Chromium; its markup, inert and without what only the program
// needs (names, tooltips, the keys), goes into index.html, and its placing, which the page's
// security policy lets only the stylesheet give, goes into style.css. The program puts its own
// window in this one's place when it starts.
// Usage: node prerender.mjs CHROMIUM PAGE-SOURCE-DIR BUILD-DIR
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { serve } from './serve.mjs';

const [chromium, sourceDir, buildDir] = process.argv.slice(2);
const kTimeoutMs = 60000;

// The window as the program built it, in the page: markup and placing.
function drawnWindow() {
  // What the page's markup keeps: what draws the window.
  const kept = new Set(['class', 'type', 'value', 'checked', 'readonly', 'disabled', 'hidden',
    'src', 'alt', 'width', 'height', 'viewBox', 'x1', 'y1', 'x2', 'y2', 'inert']);
  const live = document.querySelector('main.form');
  const copy = live.cloneNode(true);
  copy.classList.add('standin');
  copy.inert = true;
  // What the program set as properties, the markup says as attributes; what lies below the
  // window's height (the closed energy panel) is out of view, and left out.
  const bottom = live.querySelector('.client').getBoundingClientRect().bottom;
  const unseen = [];
  const pair = (from, to) => {
    if (from.getBoundingClientRect().top >= bottom) unseen.push(to);
    if (from instanceof HTMLInputElement) {
      if (from.type === 'text') to.setAttribute('value', from.value);
      to.toggleAttribute('checked', from.checked);
    }
    [...from.children].forEach((child, i) => pair(child, to.children[i]));
  };
  pair(live, copy);
  unseen.forEach((element) => element.remove());
  const rules = [];
  const walk = (element, selector) => {
    for (const name of element.getAttributeNames()) {
      if (!kept.has(name) && name !== 'style') element.removeAttribute(name);
    }
    // The fit to a narrow screen is the page's, made anew on each screen.
    element.style.removeProperty('zoom');
    if (element.style.length) {
      rules.push(`${selector}{${element.style.cssText.replace(/\s*([:;])\s*/g, '$1')}}`);
    }
    element.removeAttribute('style');
    [...element.children].forEach((child, i) => walk(child, `${selector}>:nth-child(${i + 1})`));
  };
  walk(copy, '.standin');
  return { markup: copy.outerHTML, rules: rules.join('\n') };
}

// The stylesheet as the page gets it: its licence, and its rules without the comments and the
// indentation that are there for those who read its source.
function compact(css) {
  const [licence] = css.match(/^(\/\*.*SPDX.*\*\/\n)+/);
  return `${licence}${css.slice(licence.length).replace(/\/\*[\s\S]*?\*\//g, '')
    .replace(/\s*\n\s*/g, '\n').trim()}\n`;
}

// The page and its stylesheet as written, the rest as built.
const fromSource = new Set(['/index.html', '/style.css']);
const { origin, stop } =
  await serve((path) => join(fromSource.has(path) ? sourceDir : buildDir, path));

// Chromium driven over its debugging pipe: messages of JSON, each ended by a NUL.
const profile = mkdtempSync(join(tmpdir(), 'velmara-prerender-'));
const browser = spawn(chromium, ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
  '--remote-debugging-pipe', `--user-data-dir=${profile}`, 'about:blank'],
{ stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
const answers = new Map();
const events = new Map();
let received = '';
let lastId = 0;
browser.stdio[4].on('data', (chunk) => {
  received += chunk;
  for (let end = received.indexOf('\0'); end >= 0; end = received.indexOf('\0')) {
    const message = JSON.parse(received.slice(0, end));
    received = received.slice(end + 1);
    const waiting = message.id ? answers.get(message.id) : events.get(message.method);
    if (waiting) waiting(message);
  }
});
function send(method, params = {}, sessionId = undefined) {
  const id = ++lastId;
  browser.stdio[3].write(`${JSON.stringify({ id, method, params, sessionId })}\0`);
  return new Promise((resolve, reject) => answers.set(id, (message) => (message.error
    ? reject(new Error(`${method}: ${message.error.message}`)) : resolve(message.result))));
}
const once = (method) => new Promise((resolve) => events.set(method, resolve));

const ended = new Promise((resolve) => browser.on('exit', resolve));
async function finish(status, message) {
  if (message) console.error(message);
  browser.kill();
  stop();
  // The profile goes once Chromium has stopped writing to it; its helpers may still be closing
  // their files for a while after. A profile they keep is left behind, and the page is made all
  // the same.
  await ended;
  for (let tries = 1; ; ++tries) {
    try {
      rmSync(profile, { recursive: true, force: true });
      break;
    } catch (error) {
      if (tries === 50) {
        console.error(`prerender: ${profile} left behind: ${error.message}`);
        break;
      }
      await new Promise((resolve) => setTimeout(resolve, 200));
    }
  }
  process.exit(status);
}
setTimeout(() => finish(1, `prerender: no window from ${chromium} within ${kTimeoutMs} ms`),
  kTimeoutMs);

try {
  const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
  await send('Page.enable', {}, sessionId);
  const loaded = once('Page.loadEventFired');
  await send('Page.navigate', { url: `${origin}/index.html` }, sessionId);
  await loaded;
  const { result, exceptionDetails } = await send('Runtime.evaluate', {
    expression: `new Promise((resolve) => {
      const look = () => document.querySelector('main.form:not([hidden])')
        ? resolve((${drawnWindow})()) : setTimeout(look, 10);
      look();
    })`,
    awaitPromise: true,
    returnByValue: true,
  }, sessionId);
  if (exceptionDetails) throw new Error(exceptionDetails.exception?.description);
  const { markup, rules } = result.value;
  const html = readFileSync(join(sourceDir, 'index.html'), 'utf8');
  if (!html.includes('</body>')) throw new Error('index.html has no </body>');
  writeFileSync(join(buildDir, 'index.html'), html.replace('</body>', `${markup}\n</body>`));
  writeFileSync(join(buildDir, 'style.css'),
    `${compact(readFileSync(join(sourceDir, 'style.css'), 'utf8'))}${rules}\n`);
} catch (error) {
  await finish(1, `prerender: ${error.message}`);
}
await finish(0);
