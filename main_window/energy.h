// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "forms/colour.h"
#include "variant.h"

namespace velmara {

// The bands' colours as 24-bit blue-green-red values, and the desktop's colours the boxes take.
inline constexpr std::uint32_t kGreen = 65280;
inline constexpr std::uint32_t kYellow = 65535;
inline constexpr std::uint32_t kRed = 255;
inline constexpr std::uint32_t kMenuColour = forms::ColourValue(forms::SystemColour::Menu);
inline constexpr std::uint32_t kButtonFace = forms::ColourValue(forms::SystemColour::ButtonFace);

// The captions and divisor of one unit system of the energy panel.
struct UnitSystem {
  std::string_view massUnit;
  std::string_view velocityUnit;
  std::string_view energyUnit;
  Variant divisor;
};

extern const UnitSystem kFootPoundSystem;  // grains and feet per second to foot-pounds
extern const UnitSystem kJouleSystem;      // grams and metres per second to joules

// A closed interval of energies and the colour the energy box takes for it.
struct Band {
  double lowest;
  double highest;
  std::uint32_t colour;
};

extern const std::array<Band, 3> kFootPoundBands;
extern const std::array<Band, 3> kJouleBands;

// The colour of the band holding `bandValue`, if one does: the bands leave gaps between them.
std::optional<std::uint32_t> BandColour(std::span<const Band> bands, double bandValue);

// The energy of a pellet, velocity x velocity x mass / divisor, written as text; nothing when
// either box holds no number or the product leaves the double range.
std::optional<std::string> EnergyText(std::string_view massText, std::string_view velocityText,
                                      const Variant& divisor);

// What the energy box shows of an energy text: its first 10 characters, cut, not rounded. An
// exponent form keeps its exponent and loses mantissa digits instead, so that a tiny or huge
// energy never shows thirteen orders of magnitude off: "2.22103766879886E-13" shows
// "2.2210E-13".
std::string ShownEnergyText(std::string_view energyText);

// The energy box's colour after a calculation: the colour of the band holding the value the
// whole energy text reads as, or button face when the calculation failed or no band holds it.
std::uint32_t EnergyColour(std::span<const Band> bands, std::optional<double> bandValue);

}  // namespace velmara
