// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded first by every page the test server serves to a driver that hears nothing of the page's
// console: tells the server of each script error, promise rejected unheard, file that failed to
// load and refusal by the page's security policy.
'use strict';
function tell(what) { navigator.sendBeacon('watch', what); }
addEventListener('error', (event) => tell(event.message ||
  `${event.target.tagName} ${event.target.src || event.target.href} did not load`), true);
addEventListener('unhandledrejection', (event) => tell(`unhandled: ${event.reason}`));
document.addEventListener('securitypolicyviolation',
  (event) => tell(`refused by the policy: ${event.violatedDirective} ${event.blockedURI}`));
