// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "design.h"

// Where the keyboard goes in a window: Tab by the tab indexes, the arrow keys within an option
// group, and the access keys. The rules read a window's controls as they are at one moment and
// name controls by their place in the window's design.
namespace forms::keyboard {

struct ControlState {
  const ControlDesign* row;
  std::u16string_view caption;  // the caption shown now; empty for a box
  bool usable = true;           // neither hidden nor disabled
  bool chosen = false;          // an option button that is its group's chosen one
};
using States = std::span<const ControlState>;

// The kinds that take the keyboard, when the design gives them a tab index.
bool TakesFocus(const ControlDesign& row);

// Two option buttons in one container are one group.
bool InOneGroup(const ControlDesign& a, const ControlDesign& b);

// The option buttons of `option`'s group, in the design's order.
std::vector<std::size_t> GroupOf(States controls, std::size_t option);

// Where the keyboard goes for a control: for an option button its group's chosen button (or,
// with none chosen that takes it, the group's first in tab order), else the control itself.
std::size_t FocusTargetOf(States controls, std::size_t control);

// The control that Tab (Shift+Tab with `backwards`) moves the keyboard to from `from`, by the tab
// indexes, round at the ends; from nothing the first. An option group is one stop.
std::optional<std::size_t> TabStopAfter(States controls, std::optional<std::size_t> from,
                                        bool backwards);

enum class Arrow { Up, Down, Left, Right };

// The option button an arrow key chooses from `option`: Down and Right the group's next, Up and
// Left the one before, round at the ends, passing over buttons that cannot take the keyboard.
std::size_t StepInGroup(States controls, std::size_t option, Arrow arrow);

// What Alt with a letter does. One control marks it: a button, an option or a check box is
// pressed; a label or a frame sends the keyboard to the next control that takes it. Several
// controls mark it: the keyboard goes to the one after the control that has it, in tab order
// and round, and none is pressed. Nothing when no control that can be used marks it.
struct KeyAction {
  enum class Do { Press, Focus } what;
  std::size_t control;
};
std::optional<KeyAction> AccessKey(States controls, char16_t key,
                                   std::optional<std::size_t> focused);

}  // namespace forms::keyboard
