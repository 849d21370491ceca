// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>
#include <version>

// Doubles are read and written by <charconv> where the standard library has its floating-point
// conversions, and by the program's own exact conversions where it has not (the web build's).
// Defining VELMARA_NUMBER_TEXT_OWN_DIGITS takes the program's own way everywhere, for testing.
#if defined(__cpp_lib_to_chars) && !defined(VELMARA_NUMBER_TEXT_OWN_DIGITS)
#define VELMARA_DOUBLE_CHARCONV 1
#else
#define VELMARA_DOUBLE_CHARCONV 0
#include "decimal.h"
#endif

namespace velmara {
namespace {

constexpr int kSignificantDigits = 15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The shape of an accepted number, checked before the standard library converts it.
struct NumberShape {
  bool negative = false;
  std::string_view body;          // the number without its sign: mantissa and optional exponent
  long long decimalExponent = 0;  // where the first significant digit stands; 0 when all zero
  bool allZero = true;
};

std::optional<NumberShape> ShapeOf(std::string_view text) {
  NumberShape shape;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    shape.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  shape.body = text;

  std::size_t i = 0;
  int points = 0;
  int digits = 0;
  long long integerDigits = 0;  // digits before the point, leading zeros excluded
  long long leadingFractionZeros = 0;
  bool seenPoint = false;
  for (; i < text.size() && (IsDigit(text[i]) || text[i] == '.'); ++i) {
    if (text[i] == '.') {
      if (++points > 1) return std::nullopt;
      seenPoint = true;
      continue;
    }
    ++digits;
    if (text[i] != '0') {
      shape.allZero = false;
    }
    if (!seenPoint) {
      if (!shape.allZero) ++integerDigits;
    } else if (shape.allZero) {
      ++leadingFractionZeros;
    }
  }
  if (digits == 0) return std::nullopt;

  long long exponent = 0;
  if (i < text.size()) {
    if (text[i] != 'E' && text[i] != 'e') return std::nullopt;
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    if (i == text.size()) return std::nullopt;
    for (; i < text.size(); ++i) {
      if (!IsDigit(text[i])) return std::nullopt;
      // Saturate far beyond the length of any text, so that no run of digits before or after
      // the point can bring a saturated exponent back into the double range.
      if (exponent < 100'000'000'000'000'000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (negativeExponent) exponent = -exponent;
  }
  shape.decimalExponent =
      (integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
  return shape;
}

// Reads a number's text without sign or blanks as from_chars does: result_out_of_range when the
// value passes the largest double or is too small for even a subnormal, invalid_argument when
// the number does not take the whole text.
std::errc ReadDouble(std::string_view text, double& value) {
#if VELMARA_DOUBLE_CHARCONV
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, value, std::chars_format::general);
  if (error == std::errc{} && end != last) return std::errc::invalid_argument;
  return error;
#else
  return decimal::Read(text, value);
#endif
}

// The magnitude in exponent form with `precision` digits after the point, correctly rounded, a
// lowercase "e" and a signed exponent of at least two digits: "1.50e+00".
std::string ScientificText(double magnitude, int precision) {
#if VELMARA_DOUBLE_CHARCONV
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, precision);
  return std::string(buffer.data(), result.ptr);
#else
  return decimal::Scientific(magnitude, precision);
#endif
}

}  // namespace

std::optional<double> NumberFromText(std::string_view text) {
  const auto shape = ShapeOf(TrimBlanks(text));
  if (!shape) return std::nullopt;

  double value = 0.0;
  const std::errc error = ReadDouble(shape->body, value);
  if (error == std::errc::result_out_of_range) {
    // Too small to hold reads as zero; too large to hold is a failure.
    if (!shape->allZero && shape->decimalExponent >= 0) return std::nullopt;
    value = 0.0;
  } else if (error != std::errc{} || !std::isfinite(value)) {
    return std::nullopt;
  }
  return shape->negative ? -value : value;
}

namespace {

// The value's 15 significant digits and decimal exponent, as the standard library rounds them.
struct Digits {
  std::string mantissa;  // kSignificantDigits digits, no point
  int exponent = 0;
};

Digits RoundedDigits(double magnitude) {
  const std::string text = ScientificText(magnitude, kSignificantDigits - 1);
  const auto e = text.find('e');
  Digits digits;
  for (char c : text.substr(0, e)) {
    if (IsDigit(c)) digits.mantissa.push_back(c);
  }
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  digits.exponent);
  return digits;
}

bool FitsDouble(const Digits& digits) {
  const std::string text = digits.mantissa.substr(0, 1) + "." + digits.mantissa.substr(1) + "e" +
                           std::to_string(digits.exponent);
  double value = 0.0;
  return ReadDouble(text, value) == std::errc{};
}

// The 15 digits cut rather than rounded, for the few values next to the largest double whose
// rounding would leave the double range.
Digits CutDigits(double magnitude) {
  const std::string text = ScientificText(magnitude, 30);
  const auto e = text.find('e');
  Digits digits;
  for (char c : text.substr(0, e)) {
    if (IsDigit(c) && digits.mantissa.size() < kSignificantDigits) digits.mantissa.push_back(c);
  }
  std::from_chars(text.data() + e + 2, text.data() + text.size(), digits.exponent);
  return digits;
}

std::string ExponentForm(std::string_view mantissa, int exponent) {
  std::string text(1, mantissa.front());
  if (mantissa.size() > 1) {
    text += '.';
    text += mantissa.substr(1);
  }
  text += exponent < 0 ? "E-" : "E+";
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) text += '0';
  text += std::to_string(magnitude);
  return text;
}

std::string FixedForm(std::string_view mantissa, int exponent) {
  if (exponent < 0) {
    return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + std::string(mantissa);
  }
  const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
  std::string text(mantissa.substr(0, integerDigits));
  if (text.size() < integerDigits) text.append(integerDigits - text.size(), '0');
  if (mantissa.size() > integerDigits) {
    text += '.';
    text += mantissa.substr(integerDigits);
  }
  return text;
}

}  // namespace

std::string TextFromNumber(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";

  Digits digits = RoundedDigits(std::fabs(value));
  if (digits.exponent >= std::numeric_limits<double>::max_exponent10 && !FitsDouble(digits)) {
    digits = CutDigits(std::fabs(value));
  }
  while (digits.mantissa.size() > 1 && digits.mantissa.back() == '0') digits.mantissa.pop_back();
  if (digits.mantissa == "0") return "0";

  std::string text = value < 0 ? "-" : "";
  if (digits.exponent >= kSignificantDigits || digits.exponent < -4) {
    text += ExponentForm(digits.mantissa, digits.exponent);
  } else {
    text += FixedForm(digits.mantissa, digits.exponent);
  }
  return text;
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
  return std::string(text.substr(0, count));
}

}  // namespace velmara
