// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "win_api.h"

namespace forms::win32 {

// The keys a form's window handles before the dialog manager sees them: Tab, the access keys,
// Enter on the focused button and the arrows in an option group, the first three by the shared
// rules. True when `message` is done with.
bool FilterKey(const MSG& message);

}  // namespace forms::win32
