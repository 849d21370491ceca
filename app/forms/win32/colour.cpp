// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour.h"

#include <map>

namespace forms::win32 {
namespace {

std::map<COLORREF, HBRUSH>& Brushes() {
  static std::map<COLORREF, HBRUSH> brushes;
  return brushes;
}

}  // namespace

int IndexOf(SystemColour colour) {
  switch (colour) {
    case SystemColour::Menu:
      return COLOR_MENU;
    case SystemColour::WindowBackground:
      return COLOR_WINDOW;
    case SystemColour::MenuText:
      return COLOR_MENUTEXT;
    case SystemColour::WindowText:
      return COLOR_WINDOWTEXT;
    case SystemColour::Highlight:
      return COLOR_HIGHLIGHT;
    case SystemColour::HighlightText:
      return COLOR_HIGHLIGHTTEXT;
    case SystemColour::ButtonFace:
      return COLOR_BTNFACE;
    case SystemColour::ButtonText:
      return COLOR_BTNTEXT;
  }
  return COLOR_BTNFACE;
}

COLORREF ColourFromValue(std::uint32_t value) {
  if (const auto system = SystemColourOf(value)) return GetSysColor(IndexOf(*system));
  const Rgb rgb = RgbOf(value);
  return RGB(rgb.red, rgb.green, rgb.blue);
}

HBRUSH BrushFor(std::uint32_t value) {
  if (const auto system = SystemColourOf(value)) return GetSysColorBrush(IndexOf(*system));
  const COLORREF colour = ColourFromValue(value);
  HBRUSH& brush = Brushes()[colour];
  if (!brush) brush = CreateSolidBrush(colour);
  return brush;
}

void ReleaseBrushes() {
  for (const auto& [colour, brush] : Brushes()) DeleteObject(brush);
  Brushes().clear();
}

}  // namespace forms::win32
