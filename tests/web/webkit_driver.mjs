// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's WebKitGTK MiniBrowser, driven with selenium-webdriver through WebKitGTK's WebDriver on
// a private Xvfb, and a page over it that gives what the scenarios ask of playwright's and
// puppeteer's pages.
import { spawn, spawnSync } from 'node:child_process';
import { createServer } from 'node:net';

import { Builder, By, Key, Origin } from 'selenium-webdriver';

import { until } from './harness.mjs';

// Starts the browser; gives its page, `key` to press a key with its modifiers ("Alt+A"), the
// driver, and a function that ends them all.
export async function openWebKit() {
  // A private X display, and WebKit's WebDriver on a free port.
  const xvfb = spawn('Xvfb',
    ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const display = await new Promise((resolve, reject) => {
    xvfb.stdio[3].once('data', (data) => resolve(`:${String(data).trim()}`));
    xvfb.once('exit', () => reject(new Error('Xvfb did not start')));
  });
  const port = await new Promise((resolve) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
      const { port: free } = probe.address();
      probe.close(() => resolve(free));
    });
  });
  const webDriver = spawn(process.env.VELMARA_WEBKIT_DRIVER || 'WebKitWebDriver',
    [`--port=${port}`, '--host=127.0.0.1'], { env: { ...process.env, DISPLAY: display },
      stdio: 'ignore' });
  const driver = await (async () => {
    const deadline = Date.now() + 20000;
    for (;;) {
      try {
        return await new Builder().usingServer(`http://127.0.0.1:${port}`)
          .withCapabilities({ browserName: 'MiniBrowser', pageLoadStrategy: 'none' }).build();
      } catch (error) {
        if (Date.now() > deadline) throw error;
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
    }
  })();

  // WebDriver's keys by the names the scenarios give them.
  const kKeys = { Tab: Key.TAB, Shift: Key.SHIFT, Alt: Key.ALT, Control: Key.CONTROL,
    Enter: Key.ENTER, Escape: Key.ESCAPE, Backspace: Key.BACK_SPACE, ArrowUp: Key.ARROW_UP,
    ArrowDown: Key.ARROW_DOWN, ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, ' ': ' ' };
  const keyOf = (name) => kKeys[name] || name.toLowerCase();

  // What the scenarios ask of a page, as playwright and puppeteer give it.
  const page = {
    goto: (url) => driver.get(url),
    url: () => driver.getCurrentUrl(),
    title: () => driver.getTitle(),
    evaluate: (script, argument) => driver.executeScript(
      `return (${script}).apply(null, arguments);`, argument),
    focus: (selector) => driver.executeScript(
      (s) => document.querySelector(s).focus(), selector),
    click: async (selector) => (await driver.findElement(By.css(selector))).click(),
    waitForSelector: (selector) => until(selector, async () =>
      (await driver.findElements(By.css(selector))).length > 0, 10),
    isClosed: async () => driver.getWindowHandle().then(() => false, () => true),
    keyboard: { type: (text) => driver.actions().sendKeys(text).perform() },
    mouse: { click: (x, y) => driver.actions()
      .move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT }).click().perform() },
    // The viewport's picture cut to `clip`, in ImageMagick, with no time in it. WebKit's picture
    // may be of a frame painted before the last change of style: the page paints two frames first.
    screenshot: async ({ clip }) => {
      await driver.executeScript(() => new Promise(
        (painted) => requestAnimationFrame(() => requestAnimationFrame(painted))));
      const whole = Buffer.from(await driver.takeScreenshot(), 'base64');
      const [x, y, width, height] = [clip.x, clip.y, clip.width, clip.height].map(Math.round);
      const cut = spawnSync('convert', ['png:-', '-crop', `${width}x${height}+${x}+${y}`,
        '+repage', '-strip', '-define', 'png:exclude-chunks=date,time', 'png:-'], { input: whole });
      if (cut.status !== 0) throw new Error(`convert: ${cut.stderr}`);
      return cut.stdout;
    },
  };

  // A key with its modifiers, "Alt+A" as the modifiers held round the key.
  async function key(combo) {
    const parts = combo.split('+');
    const pressed = keyOf(parts.pop());
    let actions = driver.actions();
    for (const modifier of parts) actions = actions.keyDown(keyOf(modifier));
    actions = actions.keyDown(pressed).keyUp(pressed);
    for (const modifier of parts.reverse()) actions = actions.keyUp(keyOf(modifier));
    await actions.perform();
  }

  const close = async () => {
    await driver.quit().catch(() => {});
    webDriver.kill();
    xvfb.kill();
  };
  return { page, key, driver, close };
}
