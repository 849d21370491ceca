// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: the page served from the build on this machine alone, the
// design's rows as the tests write them down once, and named cases with their checks.
import { createHash } from 'node:crypto';
import { readFile } from 'node:fs/promises';
import { extname, join } from 'node:path';

import { kinds, serve as serveFiles } from '../../app/forms/web/serve.mjs';

export const kTwipsPerPixel = 15;

// Serves `buildDir` as a web server serves it, and besides it or in place of its files what
// `made` gives by path (see serve.mjs). Gives its origin, a function that stops it, and what it
// saw: `asked` the requests for each path, by the page or by its service worker, and `served` the
// SHA-256 of the last body it gave for each path. With `watch`, every page it serves first loads
// watch.js, which reports to `errors` what goes wrong in it, for a driver that hears nothing of
// the page's console.
export async function serve(buildDir, made = {}, { watch = false } = {}) {
  const asked = {};
  const served = {};
  const errors = [];
  const fileOf = (path) => join(buildDir, path === '/' ? 'index.html' : path);
  if (watch) {
    const page = async () => (await readFile(fileOf('/'), 'utf8')).replace(
      /(<meta http-equiv="Content-Security-Policy"[^>]*>)/, '$1<script src="watch.js"></script>');
    made['/'] = page;
    made['/index.html'] = page;
    made['/watch.js'] = async () => ({ type: kinds['.js'],
      body: await readFile(new URL('watch.js', import.meta.url)) });
    made['/watch'] = async (request) => {
      let said = '';
      for await (const chunk of request) said += chunk;
      errors.push(said);
      return { type: 'text/plain', body: '' };
    };
  }
  const seen = (request, path, body) => {
    const by = (request.headers.referer || '').endsWith('/service-worker.js') ? 'worker' : 'page';
    asked[path] = asked[path] || { page: 0, worker: 0 };
    ++asked[path][by];
    if (body) served[path] = createHash('sha256').update(body).digest('hex');
  };
  return { ...(await serveFiles(fileOf, made, seen)), asked, served, errors };
}

// Holds back the server's answer for the build's file `path` until the function it gives is
// called; the file is given as the build has it, and as usual after that.
export function holdBack(made, buildDir, path) {
  let release;
  const released = new Promise((resolve) => { release = resolve; });
  made[path] = async () => {
    await released;
    delete made[path];
    return { type: kinds[extname(path)], body: await readFile(join(buildDir, path)) };
  };
  return release;
}

// The rows of the design table, lengths in twips; tab -1 for none.
export async function designRows(designFile) {
  return (await readFile(designFile, 'utf8')).split('\n')
    .filter((line) => line && !line.startsWith('#') && !line.startsWith('window\t'))
    .map((line) => {
      const [window, control, kind, container, left, top, width, height, tab, caption] =
        line.split('\t');
      return { window, control, kind, container, left: +left, top: +top, width: +width,
        height: +height, tab: tab === '-' ? -1 : +tab, caption };
    });
}

let passed = 0;
let failed = 0;
const faults = [];

// Runs one named case; a fault or an exception fails it, and the next case runs all the same.
export async function check(name, steps) {
  faults.length = 0;
  try {
    await steps();
  } catch (error) {
    faults.push(String((error && error.message) || error).split('\n')[0]);
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

// A value as text, an object's members in the order of their names: a driver may give them in
// any order.
function canonical(value) {
  return JSON.stringify(value, (name, member) => (member && typeof member === 'object' &&
    !Array.isArray(member) ? Object.fromEntries(Object.entries(member).sort()) : member));
}

export function expect(what, actual, expected) {
  const a = canonical(actual);
  const e = canonical(expected);
  if (a !== e) faults.push(`${what}: expected ${e}, got ${a}`);
}

// Polls `test` until it gives true, failing the case after `seconds`.
export async function until(what, test, seconds = 5) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    if (await test()) return;
    if (Date.now() > deadline) throw new Error(`${what}: not within ${seconds} s`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Polls `read` until it gives `expected`, failing the case after `seconds` with what it gave
// last.
export async function untilEqual(what, read, expected, seconds = 5) {
  const wanted = JSON.stringify(expected);
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const actual = JSON.stringify(await read());
    if (actual === wanted) return;
    if (Date.now() > deadline) {
      throw new Error(`${what}: expected ${wanted}, still ${actual} after ${seconds} s`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Prints the tally and gives the exit status: a run without a case fails too.
export function finish() {
  console.log(`${passed} passed, ${failed} failed`);
  return failed === 0 && passed > 0 ? 0 : 1;
}
