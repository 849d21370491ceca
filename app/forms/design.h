// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace forms {

// Lengths in a design are twips: 1/1440 inch, 15 to a pixel at the standard resolution.
inline constexpr int kTwipsPerPixel = 15;

enum class Kind { CommandButton, TextBox, Label, OptionButton, CheckBox, Frame, Line, Image };

enum class Align { Left, Right, Centre };

// Settings beyond a control's place and size; anything left alone is the kind's default.
struct Extras {
  bool selected = false;  // OptionButton Value True, CheckBox Value 1
  const char* toolTip = nullptr;
  std::optional<std::uint32_t> backColor;
  int maxLength = 0;  // characters that typing may put in a box; 0 for the default
  Align alignment = Align::Left;
  bool readOnly = false;
  bool border = false;       // a label framed like the boxes beside it
  bool transparent = false;  // a label drawn without a background of its own
  const char* fontFamily = nullptr;
  double fontPoints = 0;
  bool bold = false;
  int x2 = 0;  // Line: where it ends, in its container
  int y2 = 0;
  const char* picture = nullptr;         // Image: one of the program's pictures, stretched to fit
  const char* accessibleName = nullptr;  // when the caption alone would not say what it is
};

// One row of a window design. Left and Top are measured from the container: the window's
// client area, or a frame's outer top-left corner. A Line starts at (left, top) and ends at
// (extras.x2, extras.y2). TabIndex -1: the kind has none.
struct ControlDesign {
  const char* name;
  Kind kind;
  const char* container;  // nullptr: the window itself
  const char* caption;    // caption, or a box's text
  int left;
  int top;
  int width;
  int height;
  int tabIndex;
  Extras extras = {};
};

enum class BorderStyle {
  Sizable,       // title bar, maximise button off, frame the user may drag
  FixedNoTitle,  // a thin fixed frame of our own and no title bar
};

// The frame a design counts around a sizable window's client area, in its height: 345 for the
// title bar and top edge, 60 at the bottom.
inline constexpr int kSizableFrameHeight = 345 + 60;
// The thin fixed frame of a window without a title bar, on every side.
inline constexpr int kFixedFrame = 45;

struct FormDesign {
  const char* name;
  const char* caption;
  BorderStyle border;
  int clientWidth;
  int clientHeight;
  const char* icon;  // one of the program's pictures, or nullptr for none
  std::span<const ControlDesign> controls;
};

}  // namespace forms
