// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <type_traits>
#include <variant>

namespace velmara {

// A number that remembers the kind it was given: empty, a 16-bit integer, a 32-bit integer or
// a double. Every computation widens it to double; empty widens to 0.
class Variant {
 public:
  enum class Kind { Empty, Integer16, Integer32, Double };

  Variant() = default;
  static Variant Integer16(std::int16_t v) { return Variant(v); }
  static Variant Integer32(std::int32_t v) { return Variant(v); }
  static Variant Double(double v) { return Variant(v); }

  Kind GetKind() const { return static_cast<Kind>(value_.index()); }
  bool IsEmpty() const { return GetKind() == Kind::Empty; }
  double ToDouble() const {
    return std::visit(
        [](auto v) -> double {
          if constexpr (std::is_same_v<decltype(v), std::monostate>) {
            return 0.0;
          } else {
            return static_cast<double>(v);
          }
        },
        value_);
  }

  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  template <class T>
  explicit Variant(T v) : value_(v) {}
  std::variant<std::monostate, std::int16_t, std::int32_t, double> value_;
};

}  // namespace velmara
