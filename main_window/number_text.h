// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmara {

// Reads a box's text as a number, always with "." as the decimal point, whatever the locale.
//
// Accepted: digits with at most one "." and at least one digit ("0", "05", "12.5", ".5", "5."),
// which is everything typing can produce. A paste may also carry blanks (spaces or tabs) around
// the number, one leading "+" or "-", and an exponent "E" or "e" with an optional sign and at
// least one digit, as in the texts TextFromNumber writes ("1.23456789012346E+17", "1E-05").
// A value too small to hold reads as the nearest double (zero or a subnormal).
//
// Fails on the empty text, a text without a digit, a second point, words, "inf", "nan",
// hexadecimal, thousands separators, blanks inside the number, and values beyond the largest
// double.
std::optional<double> NumberFromText(std::string_view text);

// Writes a number the way the program shows it: rounded to at most 15 significant digits, "."
// as the decimal point, no trailing zeros, no point for whole values, "0" before the point below
// 1, "-" for negatives and never "-0". Magnitudes from 1E+15 up, or below 0.0001, are written in
// exponent form: "1.23456789012346E+17", "1E-05". A value whose 15-digit rounding would pass the
// largest double is cut instead, so every text written reads back with NumberFromText.
// Infinities and NaN, which no calculation of the program shows, are written "Infinity",
// "-Infinity" and "NaN" (texts NumberFromText refuses).
std::string TextFromNumber(double value);

// The first `count` characters of `text`, or all of it when shorter: cut, never rounded.
std::string FirstCharacters(std::string_view text, std::size_t count);

}  // namespace velmara
