// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// First paint of the web page against a plain HTML page of the same elements, in headless
// Chromium: the plain page is the page's own window as the program builds it, saved once without
// its scripts. Each pair loads both in fresh browser contexts (nothing cached), in turn beginning
// with the other one, and reads the first contentful paint. Prints each run's medians and the
// median of the per-pair ratios Velmara / plain page, then the range of those over the runs.
// The page paints the window it arrives with; the program's own takes its place when it has
// started, and the time of that, when the window takes input, is given too. With `phone`, both
// are loaded as on a phone 390 pixels wide with a touch screen, where the window is laid out for
// a thumb.
// Usage: node first_paint.mjs BUILD-DIR RUNS PAIRS [phone]
import { serve } from '../../tests/web/harness.mjs';

const { chromium } = await import(
  new URL('../../tests/web/node_modules/playwright-core/index.mjs', import.meta.url));

const [buildDir, runsText, pairsText, phone] = process.argv.slice(2);
const device = phone === 'phone'
  ? { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true }
  : { viewport: { width: 800, height: 600 } };
const runs = Number(runsText);
const pairs = Number(pairsText);

let plainPage = '';
const { origin, stop } = await serve(buildDir, { '/plain.html': () => plainPage });
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });

// The first contentful paint of `path`, and the time `ready` first matched.
async function firstPaint(path, ready) {
  const context = await browser.newContext({ ...device, serviceWorkers: 'block' });
  await context.addInitScript((selector) => {
    new MutationObserver((changes, observer) => {
      if (!document.querySelector(selector)) return;
      window.velmaraReady = performance.now();
      observer.disconnect();
    }).observe(document, { childList: true, subtree: true, attributes: true });
  }, ready);
  const page = await context.newPage();
  await page.goto(`${origin}/${path}`);
  await page.waitForSelector(ready);
  const times = await page.evaluate(() => new Promise((resolve) => {
    const seen = () => performance.getEntriesByName('first-contentful-paint')[0];
    const give = () => resolve({ paint: seen().startTime, ready: window.velmaraReady });
    if (seen()) return give();
    new PerformanceObserver(() => seen() && give()).observe({ type: 'paint', buffered: true });
  }));
  await context.close();
  return times;
}

// The plain page: the window as the program built it, without the scripts that build it.
{
  const context = await browser.newContext({ ...device, serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(`${origin}/index.html`);
  await page.waitForSelector('#Form1:not([hidden])');
  plainPage = await page.evaluate(() => {
    const copy = document.documentElement.cloneNode(true);
    // Without the scripts, the program they fetch, and the policy that lets only the scripts
    // style the elements.
    copy.querySelectorAll('script, noscript, meta[http-equiv]').forEach((node) => node.remove());
    return `<!DOCTYPE html>\n${copy.outerHTML}`;
  });
  await context.close();
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const results = [];
for (let run = 1; run <= runs; ++run) {
  const velmara = [];
  const plain = [];
  const ratios = [];
  const ready = [];
  for (let pair = 0; pair < pairs; ++pair) {
    const order = pair % 2 === 0 ? ['velmara', 'plain'] : ['plain', 'velmara'];
    const times = {};
    for (const which of order) {
      times[which] = which === 'velmara'
        ? await firstPaint('index.html', '#Form1:not([hidden])')
        : await firstPaint('plain.html', '#Form1-Command1');
    }
    velmara.push(times.velmara.paint);
    plain.push(times.plain.paint);
    ratios.push(times.velmara.paint / times.plain.paint);
    ready.push(times.velmara.ready);
  }
  const result = { velmara: median(velmara), plain: median(plain), ratio: median(ratios),
    ready: median(ready) };
  results.push(result);
  console.log(`run ${run}: first paint ${result.velmara.toFixed(1)} ms against ` +
    `${result.plain.toFixed(1)} ms, ratio ${result.ratio.toFixed(3)}; the program's window ` +
    `at ${result.ready.toFixed(1)} ms (medians of ${pairs} pairs)`);
}
const range = (key, digits) => {
  const values = results.map((r) => r[key]);
  return `${Math.min(...values).toFixed(digits)} to ${Math.max(...values).toFixed(digits)}`;
};
console.log(`over ${runs} runs: Velmara ${range('velmara', 1)} ms, plain page ` +
  `${range('plain', 1)} ms, ratio ${range('ratio', 3)}; the program's window at ` +
  `${range('ready', 1)} ms`);
await browser.close();
stop();
