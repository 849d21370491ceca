// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <algorithm>

namespace forms {
namespace {

constexpr long long kTwipsPerInch = 1440;

// `value` / `divisor` rounded to the nearest integer, a half away from zero (divisor > 0).
int RoundedQuotient(long long value, long long divisor) {
  return static_cast<int>((value + (value >= 0 ? divisor / 2 : -divisor / 2)) / divisor);
}

}  // namespace

int PixelsFromTwips(int twips, int dpi) {
  return RoundedQuotient(static_cast<long long>(twips) * dpi, kTwipsPerInch);
}

int TwipsFromPixels(int pixels, int dpi) {
  return RoundedQuotient(static_cast<long long>(pixels) * kTwipsPerInch, dpi);
}

int FormHeightTwips(BorderStyle border, int clientPixels, int dpi) {
  const int frame = border == BorderStyle::Sizable ? kSizableFrameHeight : 0;
  return TwipsFromPixels(clientPixels, dpi) + frame;
}

std::optional<int> ClientHeightTwips(BorderStyle border, int formTwips) {
  if (border != BorderStyle::Sizable) return std::nullopt;
  return std::max(formTwips - kSizableFrameHeight, 0);
}

}  // namespace forms
