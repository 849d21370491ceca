// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's files, each as it lies and gzipped, and their sum, which must stay within what a
// phone fetches quickly at the range.
//   node bundle_size.mjs <limit in bytes, gzipped> <directory> <file>...
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const [limit, directory, ...files] = process.argv.slice(2);
let [raw, gzipped] = [0, 0];
for (const file of files) {
  const bytes = readFileSync(join(directory, file));
  const packed = gzipSync(bytes, { level: 9 }).length;
  console.log(`${file.padEnd(24)} ${String(bytes.length).padStart(7)} ${String(packed).padStart(7)}`);
  raw += bytes.length;
  gzipped += packed;
}
console.log(`${'all files'.padEnd(24)} ${String(raw).padStart(7)} ${String(gzipped).padStart(7)}`);
if (files.length === 0 || gzipped > Number(limit)) {
  console.error(`The page is ${gzipped} bytes gzipped, more than ${limit}.`);
  process.exit(1);
}
