// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "win_api.h"

namespace forms {
class NativeForm;
}

namespace forms::win32 {

// The keys a form's window handles before the dialog manager sees them: access keys, Enter on
// the focused button, and the arrows in an option group. True when `message` is done with.
bool FilterKey(const MSG& message);

// The control that Tab (or with `backwards` Shift+Tab) moves the keyboard to from `from`, by the
// tab indexes, round at the ends; from nullptr the first. An option group is one stop, on its
// chosen button.
HWND TabStopAfter(const NativeForm& form, HWND from, bool backwards);

}  // namespace forms::win32
