// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <system_error>

// Exact conversions between doubles and decimal text, with integers as long as they need to be.
// They give what <charconv>'s floating-point conversions give, for a standard library that lacks
// them; small rather than fast, for a few numbers at a time.
namespace velmara::decimal {

// Reads digits with at most one "." and an optional exponent ("12.5", ".5", "5.", "1e-3",
// "2.5E+07"), no sign, as the nearest double, ties to even. Gives result_out_of_range, as
// std::from_chars does, for a value beyond the largest double (`value` is then infinity) or too
// small for even the smallest subnormal (`value` is then zero), and invalid_argument for a text
// that is not such a number.
std::errc Read(std::string_view text, double& value);

// A finite `magnitude` (>= 0) in exponent form with `precision` (>= 0) digits after the point,
// correctly rounded, ties to even, as std::to_chars's scientific form writes it: "1.50e+00",
// "2e-07", "0.0e+00".
std::string Scientific(double magnitude, int precision);

}  // namespace velmara::decimal
