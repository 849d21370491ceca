// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions.h"

#include <cmath>

#include "number_text.h"

namespace velmara {

const std::array<Conversion, 10> kConversions{{
    {"ft/P", "J", Variant::Double(1.3558)},
    {"grains", "g", Variant::Double(0.0648)},
    {"lbs", "kg", Variant::Double(0.454)},
    {"lbs", "oz", Variant::Integer16(16)},
    {"lbs", "grains", Variant::Integer16(7000)},
    // The speed factor is 0.305, not the length factor 0.3048: the table says "0.3050 m/s".
    {"fps", "m/s", Variant::Double(0.305)},
    {"inch", "cm", Variant::Double(2.54)},
    {"ft", "m", Variant::Double(0.3048)},
    {"yds", "m", Variant::Double(0.9144)},
    {"Miles", "ft", Variant::Integer16(5280)},
}};

std::optional<std::string> ConvertedText(const Variant& factor, std::string_view input) {
  const auto number = NumberFromText(input);
  if (!number) return std::nullopt;
  const double product = factor.ToDouble() * *number;
  if (!std::isfinite(product)) return std::nullopt;
  return TextFromNumber(product);
}

Variant ReciprocalOf(const Variant& factor) { return Variant::Double(1 / factor.ToDouble()); }

}  // namespace velmara
