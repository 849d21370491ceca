// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "forms/design.h"

// A small window design of the tests' own: controls listed out of tab order, and a frame holding
// an option group whose selected button, the top one, is neither the first nor the last of the
// group in tab order.
namespace order_design {

using forms::ControlDesign;
using Kind = forms::Kind;

// clang-format off
inline constexpr auto kControls = std::to_array<ControlDesign>({
  // name     kind                 container caption    left  top   width height tab  extras
  {"Go",      Kind::CommandButton, nullptr,  "&Go",     2400, 1200, 900,  375,   4,
   {.toolTip = "Place the order"}},
  {"Entry",   Kind::TextBox,       nullptr,  "0",       1508, 292,  1192, 293,   0,
   {.maxLength = 8, .alignment = forms::Align::Right, .accessibleName = "Quantity"}},
  {"Sizes",   Kind::Frame,         nullptr,  "Sizes",   120,  120,  1230, 1100,  7},
  {"Small",   Kind::OptionButton,  "Sizes",  "Small",   120,  240,  1000, 255,   2,
   {.selected = true}},
  {"Medium",  Kind::OptionButton,  "Sizes",  "Medium",  120,  480,  1000, 255,   1},
  {"Large",   Kind::OptionButton,  "Sizes",  "Large",   120,  720,  1000, 255,   3},
  {"Gift",    Kind::CheckBox,      nullptr,  "Gift",    1500, 700,  1000, 255,   5},
  {"Unit",    Kind::Label,         nullptr,  "pieces",  2760, 300,  500,  285,   6},
  {"Notes",   Kind::TextBox,       nullptr,  "",        1500, 1230, 800,  285,   8},
});
// clang-format on

inline constexpr forms::FormDesign kSizable{
    .name = "Order",
    .caption = "Order",
    .border = forms::BorderStyle::Sizable,
    .clientWidth = 3300,
    .clientHeight = 1800,
    .icon = nullptr,
    .controls = kControls,
};

inline constexpr forms::FormDesign kFixed{
    .name = "OrderDialog",
    .caption = "",
    .border = forms::BorderStyle::FixedNoTitle,
    .clientWidth = 3300,
    .clientHeight = 1800,
    .icon = nullptr,
    .controls = kControls,
};

}  // namespace order_design
