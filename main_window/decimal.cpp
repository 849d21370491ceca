// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "double_bits.h"

namespace velmara::decimal {
namespace {

// A whole number >= 0 of any size: 32-bit limbs, least significant first, no leading zero limb.
class Natural {
 public:
  explicit Natural(std::uint64_t value = 0) {
    for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
  }

  bool IsZero() const { return limbs_.empty(); }

  int BitLength() const {
    if (limbs_.empty()) return 0;
    return static_cast<int>(limbs_.size() * 32) - std::countl_zero(limbs_.back());
  }

  // this = this * factor + addend
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0) {
    std::uint64_t carry = addend;
    for (auto& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    Trim();
  }

  void MultiplyByPowerOfTen(long long exponent) {
    constexpr std::uint32_t kTenToTheNine = 1'000'000'000;
    for (; exponent >= 9; exponent -= 9) MultiplyAdd(kTenToTheNine);
    for (; exponent > 0; --exponent) MultiplyAdd(10);
  }

  void ShiftLeft(long long bits) {
    if (IsZero() || bits <= 0) return;
    limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0);
    MultiplyAdd(std::uint32_t{1} << (bits % 32));
  }

  // this -= other, for other <= this.
  void Subtract(const Natural& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      std::int64_t difference = std::int64_t{limbs_[i]} - borrow;
      if (i < other.limbs_.size()) difference -= other.limbs_[i];
      borrow = difference < 0 ? 1 : 0;
      limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    Trim();
  }

  friend bool operator<(const Natural& a, const Natural& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size();
    return std::lexicographical_compare(a.limbs_.rbegin(), a.limbs_.rend(), b.limbs_.rbegin(),
                                        b.limbs_.rend());
  }
  friend bool operator==(const Natural& a, const Natural& b) = default;

 private:
  void Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }

  std::vector<std::uint32_t> limbs_;
};

Natural Times(Natural value, std::uint32_t factor) {
  value.MultiplyAdd(factor);
  return value;
}

// A fraction numerator / denominator in [1, base), turned into its first `count` digits in that
// base, rounded to nearest with ties to even. The result can reach base^count when it rounds up.
std::vector<int> RoundedDigits(Natural numerator, const Natural& denominator, std::uint32_t base,
                               int count) {
  std::vector<int> digits;
  for (int i = 0; i < count; ++i) {
    if (i > 0) numerator.MultiplyAdd(base);
    int digit = 0;
    for (; !(numerator < denominator); ++digit) numerator.Subtract(denominator);
    digits.push_back(digit);
  }
  // What is left, against half a unit of the last digit.
  const Natural twice = Times(numerator, 2);
  const bool up =
      denominator < twice || (twice == denominator && !digits.empty() && digits.back() % 2 == 1);
  if (up) {
    auto digit = digits.rbegin();
    for (; digit != digits.rend() && *digit == static_cast<int>(base) - 1; ++digit) *digit = 0;
    if (digit == digits.rend()) {
      digits.insert(digits.begin(), 1);
    } else {
      ++*digit;
    }
  }
  return digits;
}

// Scales the fraction numerator / denominator by a power of `base` into [1, base), and gives
// that power: the fraction's exponent in `base`. `estimate` may be off by a few.
long long Normalize(Natural& numerator, Natural& denominator, std::uint32_t base,
                    long long estimate) {
  const auto scale = [base](Natural& n, long long power) {
    if (base == 2) {
      n.ShiftLeft(power);
    } else {
      n.MultiplyByPowerOfTen(power);
    }
  };
  if (estimate >= 0) {
    scale(denominator, estimate);
  } else {
    scale(numerator, -estimate);
  }
  long long exponent = estimate;
  while (!(numerator < Times(denominator, base))) {
    denominator.MultiplyAdd(base);
    ++exponent;
  }
  while (numerator < denominator) {
    numerator.MultiplyAdd(base);
    --exponent;
  }
  return exponent;
}

constexpr int kMantissaBits = 53;
constexpr int kSmallestNormalExponent = -1022;
constexpr int kLargestExponent = 1023;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << (kMantissaBits - 1);

// The leading significant digits kept when reading: more than the 767 a value halfway between
// two doubles can have, so that the digits left out only need to say whether they are all zero.
constexpr int kKeptDigits = 800;
// Far beyond any exponent that can still give a double, whatever the digits.
constexpr long long kExponentLimit = 1'000'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::errc Read(std::string_view text, double& value) {
  Natural digits;
  int kept = 0;
  bool droppedNonZero = false;
  long long exponent = 0;  // value = digits * 10^exponent
  bool point = false;
  bool anyDigit = false;
  std::size_t i = 0;
  for (; i < text.size() && (IsDigit(text[i]) || text[i] == '.'); ++i) {
    if (text[i] == '.') {
      if (point) return std::errc::invalid_argument;
      point = true;
      continue;
    }
    anyDigit = true;
    const int digit = text[i] - '0';
    if (kept < kKeptDigits && (kept > 0 || digit != 0)) {
      digits.MultiplyAdd(10, static_cast<std::uint32_t>(digit));
      ++kept;
      if (point) --exponent;
    } else if (kept == 0) {
      if (point) --exponent;  // a leading zero
    } else {
      droppedNonZero = droppedNonZero || digit != 0;
      if (!point) ++exponent;
    }
  }
  if (!anyDigit) return std::errc::invalid_argument;
  if (i < text.size()) {
    if (text[i] != 'e' && text[i] != 'E') return std::errc::invalid_argument;
    ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size()) return std::errc::invalid_argument;
    long long written = 0;
    for (; i < text.size(); ++i) {
      if (!IsDigit(text[i])) return std::errc::invalid_argument;
      written = std::min(written * 10 + (text[i] - '0'), kExponentLimit);
    }
    exponent += negative ? -written : written;
  }
  value = 0.0;
  if (digits.IsZero()) return std::errc{};
  if (droppedNonZero) {
    // One more nonzero digit stands for all that were left out.
    digits.MultiplyAdd(10, 1);
    --exponent;
    ++kept;
  }
  // The value lies in [10^(kept - 1 + exponent), 10^(kept + exponent)).
  if (kept - 1 + exponent > std::numeric_limits<double>::max_exponent10) {
    value = std::numeric_limits<double>::infinity();
    return std::errc::result_out_of_range;
  }
  if (kept + exponent < std::numeric_limits<double>::min_exponent10 - 20) {
    return std::errc::result_out_of_range;
  }

  Natural numerator = digits;
  Natural denominator(1);
  if (exponent >= 0) {
    numerator.MultiplyByPowerOfTen(exponent);
  } else {
    denominator.MultiplyByPowerOfTen(-exponent);
  }
  // value = (numerator / denominator) * 2^binaryExponent, the fraction in [1, 2).
  const long long binaryExponent =
      Normalize(numerator, denominator, 2, numerator.BitLength() - denominator.BitLength());
  if (binaryExponent > kLargestExponent) {
    value = std::numeric_limits<double>::infinity();
    return std::errc::result_out_of_range;
  }
  // Below the normal range the mantissa has fewer bits, down to none.
  const long long bits =
      std::min<long long>(kMantissaBits, binaryExponent - kSmallestNormalExponent + kMantissaBits);
  std::uint64_t mantissa = 0;
  if (bits > 0) {
    for (int digit : RoundedDigits(numerator, denominator, 2, static_cast<int>(bits))) {
      mantissa = mantissa * 2 + static_cast<std::uint64_t>(digit);
    }
  } else if (bits == 0) {
    // Between half the smallest subnormal and the smallest: only more than half rounds up.
    mantissa = denominator < numerator ? 1 : 0;
  }
  if (bits < kMantissaBits) {
    // A subnormal's bits are its mantissa; one that rounds up to 2^52 is the smallest normal.
    value = DoubleOf(mantissa);
    return mantissa == 0 ? std::errc::result_out_of_range : std::errc{};
  }
  long long exponentOfValue = binaryExponent;
  if (mantissa == 2 * kHiddenBit) {
    mantissa = kHiddenBit;
    ++exponentOfValue;
  }
  if (exponentOfValue > kLargestExponent) {
    value = std::numeric_limits<double>::infinity();
    return std::errc::result_out_of_range;
  }
  const auto biased = static_cast<std::uint64_t>(exponentOfValue + kLargestExponent);
  value = DoubleOf((biased << (kMantissaBits - 1)) | (mantissa - kHiddenBit));
  return std::errc{};
}

std::string Scientific(double magnitude, int precision) {
  const int count = precision + 1;
  std::vector<int> digits(static_cast<std::size_t>(count), 0);
  long long exponent = 0;
  if (magnitude != 0.0) {
    // magnitude = mantissa * 2^binaryExponent
    const auto bits = BitsOf(magnitude);
    const auto biased = static_cast<int>(bits >> (kMantissaBits - 1));
    std::uint64_t mantissa = bits & (kHiddenBit - 1);
    int binaryExponent = kSmallestNormalExponent - (kMantissaBits - 1);
    if (biased != 0) {
      mantissa |= kHiddenBit;
      binaryExponent = biased - kLargestExponent - (kMantissaBits - 1);
    }
    Natural numerator(mantissa);
    Natural denominator(1);
    if (binaryExponent >= 0) {
      numerator.ShiftLeft(binaryExponent);
    } else {
      denominator.ShiftLeft(-binaryExponent);
    }
    // log10(2) is a little above 0.30103: a first guess at the decimal exponent.
    const long long bitsOfValue = numerator.BitLength() - denominator.BitLength();
    exponent = Normalize(numerator, denominator, 10, bitsOfValue * 30103 / 100000);
    digits = RoundedDigits(numerator, denominator, 10, count);
    if (static_cast<int>(digits.size()) > count) {
      digits.pop_back();
      ++exponent;
    }
  }

  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i == 1) text += '.';
    text += static_cast<char>('0' + digits[i]);
  }
  text += exponent < 0 ? "e-" : "e+";
  const std::string written = std::to_string(exponent < 0 ? -exponent : exponent);
  if (written.size() < 2) text += '0';
  text += written;
  return text;
}

}  // namespace velmara::decimal
