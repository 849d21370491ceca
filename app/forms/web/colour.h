// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "forms/colour.h"

namespace forms::web {

// The CSS system colour that stands for a desktop colour of the designs.
const char* CssColourOf(SystemColour colour);

// A design's colour value as CSS: a system colour's keyword, or "#rrggbb".
std::string CssColour(std::uint32_t value);

}  // namespace forms::web
