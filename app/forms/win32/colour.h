// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "forms/colour.h"
#include "win_api.h"

namespace forms::win32 {

// The system colour index that stands for a desktop colour of the designs.
int IndexOf(SystemColour colour);

// A design's colour value: 24-bit blue-green-red, or a desktop colour taken from the system.
COLORREF ColourFromValue(std::uint32_t value);

// A brush of that colour, kept for the run: a system colour's follows the system's changes.
HBRUSH BrushFor(std::uint32_t value);

// Deletes the brushes made for fixed colours.
void ReleaseBrushes();

}  // namespace forms::win32
