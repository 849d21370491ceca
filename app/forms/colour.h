// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// The colours of a design: a 24-bit blue-green-red value (red 255, green 65280, yellow 65535), or
// one of the desktop's own colours, written as the flag below with the colour's index. Each home
// maps the named colours to its platform's.
namespace forms {

inline constexpr std::uint32_t kSystemColourFlag = 0x80000000;

// The desktop's colours the designs name, by their index.
enum class SystemColour : std::uint8_t {
  Menu = 4,
  WindowBackground = 5,
  MenuText = 7,
  WindowText = 8,
  Highlight = 13,
  HighlightText = 14,
  ButtonFace = 15,
  ButtonText = 18,
};

// A design's colour value for a desktop colour.
constexpr std::uint32_t ColourValue(SystemColour colour) {
  return kSystemColourFlag | static_cast<std::uint32_t>(colour);
}

// The desktop colour a value names; nothing for a blue-green-red value. A flagged value whose
// index no design uses reads as button face, the colour a window is drawn in.
constexpr std::optional<SystemColour> SystemColourOf(std::uint32_t value) {
  if (!(value & kSystemColourFlag)) return std::nullopt;
  const std::uint32_t index = value & ~kSystemColourFlag;
  const auto colour = static_cast<SystemColour>(index & 0xFF);
  if (index <= 0xFF) {
    switch (colour) {
      case SystemColour::Menu:
      case SystemColour::WindowBackground:
      case SystemColour::MenuText:
      case SystemColour::WindowText:
      case SystemColour::Highlight:
      case SystemColour::HighlightText:
      case SystemColour::ButtonFace:
      case SystemColour::ButtonText:
        return colour;
    }
  }
  return SystemColour::ButtonFace;
}

// The three channels of a blue-green-red value.
struct Rgb {
  int red;
  int green;
  int blue;
};

constexpr Rgb RgbOf(std::uint32_t value) {
  return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
          static_cast<int>((value >> 16) & 0xFF)};
}

}  // namespace forms
