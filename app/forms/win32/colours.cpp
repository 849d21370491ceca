// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours.h"

#include <map>

namespace forms::win32 {
namespace {

constexpr std::uint32_t kSystemColourFlag = 0x80000000;

std::map<COLORREF, HBRUSH>& Brushes() {
  static std::map<COLORREF, HBRUSH> brushes;
  return brushes;
}

}  // namespace

COLORREF ColourFromValue(std::uint32_t value) {
  if (value & kSystemColourFlag) return GetSysColor(static_cast<int>(value & 0xFF));
  return static_cast<COLORREF>(value & 0xFFFFFF);
}

HBRUSH BrushFor(std::uint32_t value) {
  if (value & kSystemColourFlag) return GetSysColorBrush(static_cast<int>(value & 0xFF));
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
