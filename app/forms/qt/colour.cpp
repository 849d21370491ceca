// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour.h"

#include <QPalette>

namespace forms::qt {
namespace {

QPalette::ColorRole RoleOfSystemColour(std::uint32_t index) {
  switch (index) {
    case 4:   // menu
    case 15:  // button face
      return QPalette::Button;
    case 5:  // window background
      return QPalette::Base;
    case 7:  // menu text
    case 8:  // window text
      return QPalette::Text;
    case 13:  // highlight
      return QPalette::Highlight;
    case 14:  // highlighted text
      return QPalette::HighlightedText;
    case 18:  // button text
      return QPalette::ButtonText;
    default:
      return QPalette::Window;
  }
}

}  // namespace

QColor ColourFromValue(std::uint32_t value, const QPalette& palette) {
  if (value & kSystemColourFlag) {
    return palette.color(QPalette::Active, RoleOfSystemColour(value & 0xFF));
  }
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace forms::qt
