// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "form2.h"

namespace {

using forms::ControlDesign;
using Kind = forms::Kind;

// clang-format off
const auto kControls = std::to_array<ControlDesign>({
  // name       kind                 container caption                 left  top   width height tab extras
  {"Label1",    Kind::Label,         nullptr,  "Velmara",              840,  240,  3255, 375,   0,
   {.alignment = forms::Align::Centre, .fontFamily = "MS Sans Serif", .fontPoints = 9.75,
    .bold = true}},
  {"Label2",    Kind::Label,         nullptr,  "January 2000 - V2.1",  1560, 720,  1575, 375,   1},
  {"Image1",    Kind::Image,         nullptr,  nullptr,                3840, 720,  720,  720,   -1,
   {.picture = "velmara", .accessibleName = "Velmara icon"}},
  {"Label4",    Kind::Label,         nullptr,  "Freeware",             1920, 1320, 1335, 375,   4,
   {.transparent = true}},
  {"Label3",    Kind::Label,         nullptr,
   "Comments to velmara.comments@example.org www.velmara.example.org",
                                                                       240,  1560, 4335, 615,   2,
   {.alignment = forms::Align::Centre}},
  {"Command1",  Kind::CommandButton, nullptr,  "&OK",                  1800, 2040, 975,  375,   3},
});
// clang-format on

}  // namespace

const forms::FormDesign kForm2Design{
    .name = "Form2",
    .caption = "",
    .border = forms::BorderStyle::FixedNoTitle,
    .clientWidth = 4680,
    .clientHeight = 2490,
    .icon = nullptr,
    .controls = kControls,
};
