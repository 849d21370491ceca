// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Lighthouse on the web page in its default mobile emulation (a phone's screen, simulated slow
// network and CPU), served by the tests' own server. Each run starts Chromium afresh with an
// empty profile. Prints each run's category scores, then their range over the runs, then every
// audit that scored below 1 in any run with what Lighthouse says of it and where. Each run's
// report is kept as JSON and HTML in REPORT-DIR.
// Usage: node lighthouse.mjs BUILD-DIR RUNS REPORT-DIR
import { mkdir, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse, { defaultConfig } from 'lighthouse';
import { serve } from '../../tests/web/harness.mjs';

const [buildDir, runsText, reportDir] = process.argv.slice(2);
const runs = Number(runsText);
// PWA went away in Lighthouse 12; measured if the installed version still has it.
const categories = ['performance', 'accessibility', 'best-practices', 'pwa']
  .filter((id) => id in defaultConfig.categories);

await mkdir(reportDir, { recursive: true });
const { origin, stop } = await serve(buildDir);
const chromeFlags = ['--headless=new'];
if (process.getuid && process.getuid() === 0) chromeFlags.push('--no-sandbox');

const scores = [];
const audits = new Map();  // audit id -> its category and what it gave in each run
let failed = false;
for (let run = 1; run <= runs; ++run) {
  const chrome = await chromeLauncher.launch({ chromePath: '/usr/bin/chromium', chromeFlags });
  let result;
  try {
    result = await lighthouse(`${origin}/index.html`, {
      port: chrome.port, output: ['json', 'html'], logLevel: 'error', onlyCategories: categories,
    });
  } finally {
    await chrome.kill();
  }
  const { lhr, report } = result;
  await writeFile(join(reportDir, `run-${run}.json`), report[0]);
  await writeFile(join(reportDir, `run-${run}.html`), report[1]);
  if (run === 1) {
    console.log(`Lighthouse ${lhr.lighthouseVersion}, ${lhr.environment.hostUserAgent}`);
    console.log(`form factor ${lhr.configSettings.formFactor}, ` +
      `${lhr.configSettings.screenEmulation.width}x${lhr.configSettings.screenEmulation.height}, ` +
      `throttling ${lhr.configSettings.throttlingMethod}`);
  }
  if (lhr.runtimeError) {
    console.log(`run ${run}: ${lhr.runtimeError.code}: ${lhr.runtimeError.message}`);
    failed = true;
  }
  for (const warning of lhr.runWarnings) console.log(`run ${run}: warning: ${warning}`);

  const runScores = {};
  for (const id of categories) {
    const { score } = lhr.categories[id];
    runScores[id] = score === null ? null : Math.round(score * 100);
    // A category without a score had an audit that could not run.
    if (score === null) failed = true;
  }
  scores.push(runScores);
  // Lighthouse's measure of this machine's speed at the time: lower while something else runs.
  console.log(`run ${run}: ` +
    categories.map((id) => `${id} ${runScores[id] ?? 'none'}`).join(', ') +
    ` (benchmark index ${Math.round(lhr.environment.benchmarkIndex)})`);

  for (const id of categories) {
    for (const { id: auditId, weight, group } of lhr.categories[id].auditRefs) {
      const audit = lhr.audits[auditId];
      if (!audits.has(auditId)) {
        audits.set(auditId, { category: id, group, weight, title: audit.title,
          description: audit.description, runs: [] });
      }
      const erred = audit.scoreDisplayMode === 'error';
      const below = erred || (audit.score !== null && audit.score < 1);
      audits.get(auditId).runs.push({ score: erred ? 'error' : audit.score, title: audit.title,
        below, displayValue: audit.displayValue,
        explanation: audit.explanation || audit.errorMessage,
        where: below ? places(audit.details) : [] });
    }
  }
}
stop();

// Where an audit found what it reports: the elements' snippets, the files' addresses, the
// chain of requests that holds up the page; then what it said of the elements.
function places(details, found = new Set(), why = new Set()) {
  const add = (text) => found.add(String(text).replace(/\s+/g, ' ').slice(0, 160));
  for (const item of Array.isArray(details && details.items) ? details.items : []) {
    const { value } = item.type === 'list-section' ? item : {};
    if (item.type === 'table' || item.type === 'list') {
      places(item, found, why);
    } else if (value && value.type === 'network-tree') {
      add(`longest chain ${longestChain(value.chains).join(' -> ')}`);
    } else if (value && value.type === 'text') {
      add(`${item.title}: ${value.value}`);
    } else if (item.type === 'node' || item.node) {
      const node = item.node || item;
      add(`at ${node.snippet}`);
      if (node.explanation) why.add(node.explanation.replace(/\s+/g, ' '));
    } else if (item.source && item.source.type === 'source-location') {
      const { url, line, column } = item.source;
      const what = [item.selector, item.fontSize, item.coverage && `${item.coverage} of the text`,
        item.reflowTime && `${Math.round(item.reflowTime)} ms of reflow`].filter(Boolean);
      add(`at ${url}:${line + 1}:${column + 1}` + (what.length ? ` (${what.join(', ')})` : ''));
    } else if (typeof item.url === 'string') {
      add(`at ${item.url}`);
    }
    const subItems = item.subItems && item.subItems.items;
    for (const sub of Array.isArray(subItems) ? subItems : []) {
      if (sub.relatedNode && sub.relatedNode.snippet) add(`at ${sub.relatedNode.snippet}`);
    }
  }
  return [...found, ...why];
}

function longestChain(chains) {
  const next = Object.values(chains || {}).find((request) => request.isLongest);
  if (!next) return [];
  const name = `${new URL(next.url).pathname.slice(1)} (${Math.round(next.navStartToEndTime)} ms)`;
  return [name, ...longestChain(next.children)];
}

console.log(`over ${runs} runs: ` + categories.map((id) => {
  const values = scores.map((s) => s[id]).filter((v) => v !== null);
  return values.length ? `${id} ${Math.min(...values)} to ${Math.max(...values)}` : `${id} none`;
}).join(', '));

const below = [...audits].filter(([, audit]) => audit.runs.some((r) => r.below));
if (below.length === 0) {
  console.log('every audit scored 1 in every run');
} else {
  console.log('audits below 1 in any run [category, group, weight in the category\'s score]:');
  for (const [id, audit] of below) {
    // Its title when it fails, and what it found in each run.
    const failing = audit.runs.find((r) => r.below);
    console.log(`- ${id} [${audit.category}${audit.group ? ` ${audit.group}` : ''}, ` +
      `weight ${audit.weight}]: ${failing.title}`);
    console.log('    runs: ' + audit.runs.map((r) => {
      const score = typeof r.score === 'number' ? r.score.toFixed(2) : String(r.score);
      return r.displayValue ? `${score} (${r.displayValue})` : score;
    }).join(', '));
    const said = new Set(audit.runs.filter((r) => r.below).flatMap((r) =>
      [r.explanation, ...r.where].filter(Boolean)));
    for (const text of said) console.log(`    ${text.replace(/\s+/g, ' ')}`);
    console.log(`    ${audit.description.replace(/\s+/g, ' ')}`);
  }
}
console.log(`reports: ${reportDir}/run-N.html and .json`);
process.exitCode = failed ? 1 : 0;
