// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reads a table of rows on standard input and writes what the rules make of each, so that every
// build, native or web, can be held to the one table of expected results (number_texts.tsv,
// checked by compare_texts.cmake).
//
// A row is tab-separated: a kind, its arguments and the expected result. The expected result is
// left out of the output: each output line is the kind and the arguments as read, then the
// result this build gives.
//   read <text>                                  NumberFromText: the double's 64 bits in
//                                                hexadecimal, or "refused"
//   write <bits>                                 TextFromNumber of the double with these bits
//   convert <option> forward|backward <input>    ConvertedText, or "kept"
//   energy foot-pound|joule <mass> <velocity>    EnergyText, or "failed"
// Lines starting with "#" and empty lines are skipped. In a text, "{N*c}" stands for N copies of
// the character c: the long texts a paste can bring.
#include <charconv>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/conversions.h"
#include "main_window/double_bits.h"
#include "main_window/energy.h"
#include "main_window/number_text.h"

namespace {

using velmara::BitsOf;
using velmara::DoubleOf;

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

std::optional<std::uint64_t> Number(std::string_view text, int base) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// The text with each "{N*c}" replaced by N copies of c.
std::optional<std::string> Expanded(std::string_view text) {
  std::string expanded;
  for (auto open = text.find('{'); open != std::string_view::npos; open = text.find('{')) {
    const auto star = text.find('*', open);
    if (star == std::string_view::npos || star + 2 >= text.size() || text[star + 2] != '}') {
      return std::nullopt;
    }
    const auto count = Number(text.substr(open + 1, star - open - 1), 10);
    if (!count) return std::nullopt;
    expanded += text.substr(0, open);
    expanded.append(*count, text[star + 1]);
    text.remove_prefix(star + 3);
  }
  expanded += text;
  return expanded;
}

std::string Bits(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "0x%016" PRIx64, BitsOf(value));
  return buffer;
}

// The result of one row, its expected result left out, or nothing when the row is malformed.
std::optional<std::string> Result(const std::vector<std::string_view>& row) {
  const std::string_view kind = row[0];
  if (kind == "read" && row.size() == 2) {
    const auto text = Expanded(row[1]);
    if (!text) return std::nullopt;
    const auto value = velmara::NumberFromText(*text);
    return value ? Bits(*value) : "refused";
  }
  if (kind == "write" && row.size() == 2 && row[1].starts_with("0x")) {
    const auto bits = Number(row[1].substr(2), 16);
    if (!bits) return std::nullopt;
    return velmara::TextFromNumber(DoubleOf(*bits));
  }
  if (kind == "convert" && row.size() == 4 && (row[2] == "forward" || row[2] == "backward")) {
    const auto option = Number(row[1], 10);
    const auto input = Expanded(row[3]);
    if (!option || *option < 1 || *option > velmara::kConversions.size() || !input) {
      return std::nullopt;
    }
    const velmara::Variant& forward = velmara::kConversions[*option - 1].factor;
    const auto text = velmara::ConvertedText(
        row[2] == "forward" ? forward : velmara::ReciprocalOf(forward), *input);
    return text.value_or("kept");
  }
  if (kind == "energy" && row.size() == 4 && (row[1] == "foot-pound" || row[1] == "joule")) {
    const auto mass = Expanded(row[2]);
    const auto velocity = Expanded(row[3]);
    if (!mass || !velocity) return std::nullopt;
    const auto& system = row[1] == "joule" ? velmara::kJouleSystem : velmara::kFootPoundSystem;
    return velmara::EnergyText(*mass, *velocity, system.divisor).value_or("failed");
  }
  return std::nullopt;
}

}  // namespace

int main() {
  std::string input;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, stdin)) > 0;) input.append(chunk, n);

  std::string_view rest = input;
  for (int lineNumber = 1; !rest.empty(); ++lineNumber) {
    const auto newline = rest.find('\n');
    const std::string_view line = rest.substr(0, newline);
    rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    if (line.empty() || line.front() == '#') continue;

    auto row = Fields(line);
    row.pop_back();  // the expected result
    const auto result = row.empty() ? std::nullopt : Result(row);
    if (!result) {
      std::fprintf(stderr, "line %d: not a row: %.*s\n", lineNumber, static_cast<int>(line.size()),
                   line.data());
      return 2;
    }
    for (const auto field : row)
      std::printf("%.*s\t", static_cast<int>(field.size()), field.data());
    std::printf("%s\n", result->c_str());
  }
  return 0;
}
