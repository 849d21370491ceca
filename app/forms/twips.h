// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "design.h"

// Between a design's twips (1/1440 inch) and a screen's pixels.
namespace forms {

// The standard resolution, at which a pixel is 15 twips.
inline constexpr int kStandardDpi = 96;

// A design length in pixels at `dpi` dots per inch, rounded to the nearest pixel (a half away
// from zero).
int PixelsFromTwips(int twips, int dpi = kStandardDpi);

// A length in pixels as twips at `dpi`, rounded the same way.
int TwipsFromPixels(int pixels, int dpi = kStandardDpi);

// A window's height in twips from its client area's height in pixels: counted with a frame of
// the design's size (a title bar of 345 and a bottom edge of 60 on a sizable window), whatever
// frame the window system draws. A window without a title bar draws its thin frame inside its
// client area.
int FormHeightTwips(BorderStyle border, int clientPixels, int dpi);

// The client area's height in twips for a window height set in twips: nothing for a window
// whose size is fixed, and never below zero.
std::optional<int> ClientHeightTwips(BorderStyle border, int formTwips);

}  // namespace forms
