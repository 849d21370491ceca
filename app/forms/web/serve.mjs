// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's files served as a web server serves them, on a free port of 127.0.0.1 alone: for the
// build, which draws the window in a browser, and for the tests and benches.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, normalize } from 'node:path';

export const kinds = { '.html': 'text/html', '.js': 'text/javascript',
  '.wasm': 'application/wasm', '.css': 'text/css', '.svg': 'image/svg+xml', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };

// Answers each request with the file `fileOf` gives for its path, or with what `made` gives for
// the path in its place: a function giving { type, body }, the HTML of a page, or a promise of
// either; `made` is given the request too. `seen` learns of each request with its path and the
// body it was answered with (null for none). Gives the server's origin and a function that stops
// it.
export async function serve(fileOf, made = {}, seen = () => {}) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    let answer;
    if (made[path]) {
      const file = await made[path](request);
      answer = typeof file === 'string' ? { type: 'text/html', body: file } : file;
    } else {
      answer = await readFile(fileOf(path)).then(
        (body) => ({ type: kinds[extname(path)] || 'application/octet-stream', body }),
        () => null);
    }
    seen(request, path, answer && answer.body);
    if (answer) {
      response.writeHead(200, { 'Content-Type': answer.type });
      response.end(answer.body);
    } else {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { origin: `http://127.0.0.1:${server.address().port}`, stop: () => server.close() };
}
