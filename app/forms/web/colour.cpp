// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour.h"

namespace forms::web {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

}  // namespace

const char* CssColourOf(SystemColour colour) {
  switch (colour) {
    // CSS has no menu colour of its own any more: the desktop's menus are a button's grey.
    case SystemColour::Menu:
    case SystemColour::ButtonFace:
      return "ButtonFace";
    case SystemColour::WindowBackground:
      return "Field";
    case SystemColour::MenuText:
    case SystemColour::WindowText:
      return "FieldText";
    case SystemColour::Highlight:
      return "Highlight";
    case SystemColour::HighlightText:
      return "HighlightText";
    case SystemColour::ButtonText:
      return "ButtonText";
  }
  return "ButtonFace";
}

std::string CssColour(std::uint32_t value) {
  if (const auto system = SystemColourOf(value)) return CssColourOf(*system);
  const Rgb rgb = RgbOf(value);
  std::string text = "#";
  for (const int channel : {rgb.red, rgb.green, rgb.blue}) {
    // By hand: printf would bring the C library's whole formatter into the page.
    text += kHexDigits[channel >> 4];
    text += kHexDigits[channel & 0xF];
  }
  return text;
}

}  // namespace forms::web
