// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour.h"

namespace forms::qt {

QPalette::ColorRole RoleOf(SystemColour colour) {
  switch (colour) {
    case SystemColour::Menu:
    case SystemColour::ButtonFace:
      return QPalette::Button;
    case SystemColour::WindowBackground:
      return QPalette::Base;
    case SystemColour::MenuText:
    case SystemColour::WindowText:
      return QPalette::Text;
    case SystemColour::Highlight:
      return QPalette::Highlight;
    case SystemColour::HighlightText:
      return QPalette::HighlightedText;
    case SystemColour::ButtonText:
      return QPalette::ButtonText;
  }
  return QPalette::Button;
}

QColor ColourFromValue(std::uint32_t value, const QPalette& palette) {
  if (const auto system = SystemColourOf(value))
    return palette.color(QPalette::Active, RoleOf(*system));
  const Rgb rgb = RgbOf(value);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace forms::qt
