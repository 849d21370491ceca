// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "win_api.h"

namespace forms::win32 {

// The window's dots per inch: its monitor's where Windows tells (10 and later), else the
// screen's.
UINT DpiOf(HWND hwnd);

}  // namespace forms::win32
