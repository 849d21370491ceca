// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace forms::win32 {

// The window class of a design's line: one pixel of the window text colour from its start to
// its end, the window spanning the two, transparent to the mouse.
const wchar_t* LineClass();

}  // namespace forms::win32
