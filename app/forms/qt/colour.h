// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QColor>
#include <QPalette>

#include "forms/colour.h"

namespace forms::qt {

// The palette's colour that stands for a desktop colour of the designs.
QPalette::ColorRole RoleOf(SystemColour colour);

// A colour value of a design: 24-bit blue-green-red, or a desktop colour taken from the palette.
QColor ColourFromValue(std::uint32_t value, const QPalette& palette);

}  // namespace forms::qt
