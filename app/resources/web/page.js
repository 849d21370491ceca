// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the program: the window fitted to a screen narrower than it, and the files
// kept for use with the network off.
'use strict';

// On a screen narrower than the window the whole window is scaled down, never cut off.
function fitToScreen() {
  const main = document.querySelector('main.form');
  const client = main && main.querySelector('.client');
  if (!client) return;
  const width = client.offsetWidth;
  main.style.zoom = String(Math.min(1, document.documentElement.clientWidth / width));
}
window.addEventListener('resize', fitToScreen);
// The program may have built its window before this script runs, or may build it after.
new MutationObserver(fitToScreen).observe(document.body, {childList: true});
fitToScreen();

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
