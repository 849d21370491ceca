// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "energy.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"

namespace velmara {
namespace {
constexpr std::size_t kShownCharacters = 10;
}

const UnitSystem kFootPoundSystem{"grains", "fps", "ft/lbs", Variant::Integer32(450240)};
const UnitSystem kJouleSystem{"grams", "m/s", "Joules", Variant::Integer16(2000)};

// The foot-pound green band ends at 11, not 12: the gaps are deliberate.
const std::array<Band, 3> kFootPoundBands{{
    {0, 11, kGreen},
    {12, 12.5, kYellow},
    {12.6, 999999999, kRed},
}};

const std::array<Band, 3> kJouleBands{{
    {0, 15.7, kGreen},
    {15.8, 16.3, kYellow},
    {16.4, 999999999, kRed},
}};

std::optional<std::uint32_t> BandColour(std::span<const Band> bands, double bandValue) {
  const auto band = std::find_if(bands.begin(), bands.end(), [bandValue](const Band& b) {
    return b.lowest <= bandValue && bandValue <= b.highest;
  });
  if (band == bands.end()) return std::nullopt;
  return band->colour;
}

std::optional<std::string> EnergyText(std::string_view massText, std::string_view velocityText,
                                      const Variant& divisor) {
  const auto mass = NumberFromText(massText);
  const auto velocity = NumberFromText(velocityText);
  if (!mass || !velocity) return std::nullopt;
  const double product = *velocity * *velocity * *mass;
  if (!std::isfinite(product)) return std::nullopt;
  return TextFromNumber(product / divisor.ToDouble());
}

std::string ShownEnergyText(std::string_view energyText) {
  const auto exponent = energyText.find('E');
  if (exponent == std::string_view::npos || energyText.size() <= kShownCharacters) {
    return FirstCharacters(energyText, kShownCharacters);
  }
  const auto suffix = energyText.substr(exponent);
  return FirstCharacters(energyText.substr(0, exponent), kShownCharacters - suffix.size()) +
         std::string(suffix);
}

std::uint32_t EnergyColour(std::span<const Band> bands, std::optional<double> bandValue) {
  if (!bandValue) return kButtonFace;
  return BandColour(bands, *bandValue).value_or(kButtonFace);
}

}  // namespace velmara
