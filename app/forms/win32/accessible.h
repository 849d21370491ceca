// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "win_api.h"

namespace forms::win32 {

// The answer to a WM_GETOBJECT for a control's client object: the control's standard accessible
// object, which screen readers know, saying `name` as its name. 0 when there is none to give,
// and the control answers as it would without one.
LRESULT NamedAccessibleObject(HWND control, std::wstring name, WPARAM wParam);

}  // namespace forms::win32
