// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "win_api.h"

namespace forms::win32 {

// A design's colour value: 0x00BBGGRR, or 0x80000000 with a system colour's index.
COLORREF ColourFromValue(std::uint32_t value);

// A brush of that colour, kept for the run: a system colour's follows the system's changes.
HBRUSH BrushFor(std::uint32_t value);

// Deletes the brushes made for fixed colours.
void ReleaseBrushes();

}  // namespace forms::win32
