// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "variant.h"

namespace velmara {

// One of the ten unit pairs of the conversion panel, in its forward direction: a number in the
// first unit times the factor gives the number in the second unit.
struct Conversion {
  std::string_view firstUnit;   // shown beside the input box when going forward
  std::string_view secondUnit;  // shown beside the result box when going forward
  Variant factor;
};

// In the order of the option buttons, Option1 to Option10.
extern const std::array<Conversion, 10> kConversions;

// The result box's text for `input` times `factor`, or nothing when the input is no number or
// the product leaves the double range (the result box then keeps what it showed).
std::optional<std::string> ConvertedText(const Variant& factor, std::string_view input);

// The factor that runs a conversion backwards: the reciprocal, stored so that a calculation
// multiplies by it rather than dividing.
Variant ReciprocalOf(const Variant& factor);

}  // namespace velmara
