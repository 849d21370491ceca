// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QSize>

// Values of the design that several tests expect, written down once.
namespace test_support {

// The energy's band colours as blue-green-red values; the desktop's colours as the design writes
// them, the flag 0x80000000 with the colour's index: the button face of a value in no band, and
// the menu colour of the two result boxes.
inline constexpr std::uint32_t kGreen = 65280;
inline constexpr std::uint32_t kYellow = 65535;
inline constexpr std::uint32_t kRed = 255;
inline constexpr std::uint32_t kButtonFace = 0x8000000F;
inline constexpr std::uint32_t kMenuColour = 0x80000004;

// The main window's client area at 96 DPI: collapsed to 4185 twips with its frame, and expanded
// to the design's 5490 twips of client area.
inline constexpr QSize kCollapsedSize{359, 252};
inline constexpr QSize kExpandedSize{359, 366};

}  // namespace test_support
