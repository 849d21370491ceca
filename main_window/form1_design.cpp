// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "energy.h"
#include "form1.h"

namespace {

using forms::Align;
using forms::ControlDesign;
using Kind = forms::Kind;

// Ten equivalences, each padded with spaces so that in the label's width each starts a line.
constexpr const char* kTable =
    "1 foot pound = 1.3558 joule    "
    "1 grain = 0.0648 gram             "
    "1 pound = 0.454 kilogram       "
    "1 pound = 16 ounce               "
    "1 pound = 7000 grain             "
    "1 fps = 0.3050 m/s                 "
    "1 inch = 2.54 centimeter         "
    "1 foot = 0.3048 meter             "
    "1 yard = 0.9144 meter             "
    "1 mile = 5280 foot ";

constexpr forms::Extras kUnitCaption{.border = true};
constexpr auto kMenu = velmara::kMenuColour;

// clang-format off
const auto kControls = std::to_array<ControlDesign>({
  // name       kind                 container  caption                  left  top   width height tab  extras
  // Window-level buttons
  {"Command4",  Kind::CommandButton, nullptr,   "&Muzzle Energy >>",     120,  3360, 1695, 375,   12,
   {.toolTip = "Press to view / hide muzzle energy calculator"}},
  {"Command1",  Kind::CommandButton, nullptr,   "&Close",                4200, 3360, 1095, 375,   15,
   {.toolTip = "Press to exit the converter"}},
  {"Command8",  Kind::CommandButton, nullptr,   "About Velmara",         120,  5040, 2655, 375,   22},

  // Conversion panel
  {"Frame1",    Kind::Frame,         nullptr,   "Conversions",           120,  120,  2655, 3180,  24},
  {"Option1",   Kind::OptionButton,  "Frame1",  "Foot Pounds - Joules",  120,  240,  2055, 255,   0,
   {.selected = true}},
  {"Option2",   Kind::OptionButton,  "Frame1",  "Grains - Grams",        120,  480,  2055, 255,   1},
  {"Option3",   Kind::OptionButton,  "Frame1",  "Pounds - Kilograms",    120,  720,  1935, 255,   2},
  {"Option4",   Kind::OptionButton,  "Frame1",  "Pounds - Ounces",       120,  960,  1815, 255,   3},
  {"Option5",   Kind::OptionButton,  "Frame1",  "Pounds - Grain",        120,  1200, 1935, 255,   4},
  {"Option6",   Kind::OptionButton,  "Frame1",  "Feet per sec - Metres per sec", 120, 1440, 2415, 255, 5},
  {"Option7",   Kind::OptionButton,  "Frame1",  "Inch - Centimeters",    120,  1680, 2415, 255,   6},
  {"Option8",   Kind::OptionButton,  "Frame1",  "Feet - Meters",         120,  1920, 2295, 255,   7},
  {"Option9",   Kind::OptionButton,  "Frame1",  "Yards - Meters",        120,  2160, 2055, 255,   8},
  {"Option10",  Kind::OptionButton,  "Frame1",  "Miles - Feet",          120,  2400, 1575, 255,   9},
  {"Line1",     Kind::Line,          "Frame1",  nullptr,                 120,  2760, 0,    0,     -1,
   {.x2 = 2520, .y2 = 2760}},
  {"Check1",    Kind::CheckBox,      "Frame1",  "Reverse Conversion",    120,  2860, 2415, 255,   10,
   {.toolTip = "Press to reverse the conversion (feet - metres or metres to feet)"}},
  {"Text1",     Kind::TextBox,       nullptr,   "0",                     2880, 2640, 1695, 285,   11,
   {.maxLength = 10, .alignment = Align::Right, .accessibleName = "Value to convert"}},
  {"Label3",    Kind::Label,         nullptr,   "",                      4680, 2640, 615,  285,   25,
   kUnitCaption},
  {"Text4",     Kind::TextBox,       nullptr,   "0",                     2880, 3000, 1695, 285,   36,
   {.backColor = kMenu, .alignment = Align::Right, .readOnly = true,
    .accessibleName = "Converted value"}},
  {"Label4",    Kind::Label,         nullptr,   "",                      4680, 3000, 615,  285,   26,
   kUnitCaption},
  {"Command3",  Kind::CommandButton, nullptr,   "Clear",                 1920, 3360, 855,  375,   13,
   {.toolTip = "Press to clear conversion values"}},
  {"Command2",  Kind::CommandButton, nullptr,   "&C&alculate",           2880, 3360, 1215, 375,   14,
   {.toolTip = "Press to calculate the conversion"}},

  // Table panel
  {"Frame2",    Kind::Frame,         nullptr,   "Table",                 2880, 120,  2415, 2415,  27},
  {"Label1",    Kind::Label,         "Frame2",  kTable,                  120,  360,  2175, 1995,  28,
   {.transparent = true, .accessibleName = "Table of equivalences"}},

  // Energy panel
  {"Frame3",    Kind::Frame,         nullptr,   "Energy Measurement",    120,  3840, 2655, 615,   29},
  {"Option11",  Kind::OptionButton,  "Frame3",  "Foot / Pounds",         120,  240,  2175, 255,   16,
   {.selected = true, .toolTip = "Select if using imperial measurements"}},
  {"Option12",  Kind::OptionButton,  "Frame3",  "Joules",                1680, 240,  855,  255,   17,
   {.toolTip = "Select if using metric measurements"}},
  {"Label5",    Kind::Label,         nullptr,   "Mass",                  2880, 3960, 1095, 255,   30},
  {"Text2",     Kind::TextBox,       nullptr,   "0",                     3480, 3960, 1095, 285,   18,
   {.toolTip = "Enter the mass of the pellet (weight on tin)", .alignment = Align::Right,
    .accessibleName = "Pellet mass"}},
  {"Label7",    Kind::Label,         nullptr,   "",                      4680, 3960, 615,  285,   32,
   kUnitCaption},
  {"Label6",    Kind::Label,         nullptr,   "Velocity",              2880, 4320, 975,  255,   31},
  {"Text3",     Kind::TextBox,       nullptr,   "0",                     3480, 4320, 1095, 285,   19,
   {.toolTip = "Enter the velocity of the pellet (from chronograph)", .alignment = Align::Right,
    .accessibleName = "Pellet velocity"}},
  {"Label8",    Kind::Label,         nullptr,   "",                      4680, 4320, 615,  285,   33,
   kUnitCaption},
  {"Label9",    Kind::Label,         nullptr,   "Energy",                2880, 4680, 1215, 255,   35,
   {.transparent = true}},
  {"Text5",     Kind::TextBox,       nullptr,   "0",                     3480, 4680, 1095, 285,   37,
   {.backColor = kMenu, .alignment = Align::Right, .accessibleName = "Muzzle energy"}},
  {"Label11",   Kind::Label,         nullptr,   "",                      4680, 4680, 615,  285,   34,
   kUnitCaption},
  {"Command5",  Kind::CommandButton, nullptr,   "Calculate &Energy",     120,  4560, 1695, 375,   20,
   {.toolTip = "Press to calculate the muzzle energy"}},
  {"Command6",  Kind::CommandButton, nullptr,   "Clear",                 1920, 4560, 855,  375,   21,
   {.toolTip = "Press to clear energy values"}},
  {"Command7",  Kind::CommandButton, nullptr,   "Copy To Clipboard",     2880, 5040, 2415, 375,   23,
   {.toolTip = "Press to copy energy value into clipboard"}},
});
// clang-format on

}  // namespace

const forms::FormDesign kForm1Design{
    .name = "Form1",
    .caption = "Velmara",
    .border = forms::BorderStyle::Sizable,
    .clientWidth = 5385,
    .clientHeight = 5490,
    .icon = "velmara",
    .controls = kControls,
};
