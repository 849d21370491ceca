// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the number text rules and the key filter, and stops the run (abort)
// the moment one of their promises is broken. One input serves three ways: as a box's text, its
// first 8 bytes as the bit pattern of a double, and its first 2 bytes as a key code followed by
// the box's text in UTF-16.

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "main_window/decimal.h"
#include "main_window/energy.h"
#include "main_window/number_text.h"
#include "main_window/numeric_filter.h"

namespace {

void Require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits with at most one point and at least one digit: what typing alone can put in a box.
bool IsTypedNumber(std::string_view text) {
  int points = 0;
  int digits = 0;
  for (char c : text) {
    if (c == '.') {
      ++points;
    } else if (IsDigit(c)) {
      ++digits;
    } else {
      return false;
    }
  }
  return points <= 1 && digits > 0;
}

std::string_view WithoutBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The C library's reading of a whole text; false when it stops before the end. The fuzzer never
// changes the process's "C" locale, so "." is the decimal point here.
bool LibraryReads(std::string_view text, double& value) {
  const std::string copy(text);
  char* end = nullptr;
  value = std::strtod(copy.c_str(), &end);
  return !copy.empty() && end == copy.c_str() + copy.size();
}

void CheckReading(std::string_view text) {
  const auto value = velmara::NumberFromText(text);
  if (value) {
    Require(std::isfinite(*value), "an accepted text reads as a finite number");
    double library = 0.0;
    Require(LibraryReads(WithoutBlanks(text), library) && library == *value,
            "an accepted text reads as the nearest double");
  }
  if (IsTypedNumber(text)) {
    double library = 0.0;
    LibraryReads(text, library);
    if (std::isinf(library)) {
      Require(!value, "a typed number beyond the largest double fails");
    } else {
      Require(value && *value == library, "a typed number reads as the nearest double");
    }
  }
}

// Written numbers read back in the number text tests; here every bit pattern is written, the
// infinities and NaN among them, which no calculation reaches.
void CheckWriting(double x) {
  const std::string text = velmara::TextFromNumber(x);
  if (!std::isfinite(x)) {
    Require(!velmara::NumberFromText(text), "the text of an infinity or NaN is refused");
    return;
  }
  Require(velmara::ShownEnergyText(text).size() <= 10,
          "the energy box shows at most 10 characters");
}

// The program's own conversions, which the web build takes, against the standard library's.
void CheckOwnConversions(std::string_view text, double x) {
  double standard = 0.0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, standard);
  double own = 0.0;
  const std::errc ownError = velmara::decimal::Read(text, own);
  // A sign, blanks, "inf" and "nan" are the number text rules' to judge, not the own reading's:
  // compare texts that start as a number does.
  if (!text.empty() && (IsDigit(text.front()) || text.front() == '.')) {
    const bool whole = error != std::errc::invalid_argument && end == last;
    Require(whole == (ownError != std::errc::invalid_argument), "the own reading takes a text");
    if (whole) {
      Require(error == ownError, "the own reading finds a value in range as the standard");
      Require(error != std::errc{} || own == standard, "the own reading gives the nearest double");
    }
  }
  if (!std::isfinite(x)) return;
  for (int precision : {14, 30}) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                       std::chars_format::scientific, precision);
    Require(velmara::decimal::Scientific(std::fabs(x), precision) ==
                std::string_view(buffer.data(), written.ptr),
            "the own writing gives the standard's digits");
  }
}

void CheckFilter(std::int16_t key, std::u16string_view boxText) {
  std::int16_t filtered = key;
  velmara::FilterNumericKey(filtered, boxText);
  Require(filtered == key || filtered == 0, "the filter leaves a key unchanged or makes it 0");
  const bool digit = key >= '0' && key <= '9';
  const bool point = key == '.' && boxText.find(u'.') == std::u16string_view::npos;
  Require((filtered == key && key != 0) == (digit || point),
          "only digits and a first point get through");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckReading(text);

  double x = 0.0;
  if (size >= sizeof(double)) {
    std::memcpy(&x, data, sizeof x);
    CheckWriting(x);
  }
  CheckOwnConversions(text, x);

  if (size >= sizeof(std::int16_t)) {
    std::int16_t key = 0;
    std::memcpy(&key, data, sizeof key);
    std::u16string boxText((size - sizeof key) / sizeof(char16_t), u'\0');
    std::memcpy(boxText.data(), data + sizeof key, boxText.size() * sizeof(char16_t));
    CheckFilter(key, boxText);
  }
  return 0;
}
