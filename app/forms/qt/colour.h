// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QColor>

class QPalette;

namespace forms::qt {

inline constexpr std::uint32_t kSystemColourFlag = 0x80000000;

// A colour value of a design: 24-bit blue-green-red, or a system colour (high bit set, the
// system colour's index in the low bits) taken from the palette.
QColor ColourFromValue(std::uint32_t value, const QPalette& palette);

}  // namespace forms::qt
