// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard.h"

#include <algorithm>
#include <cstring>

#include "caption.h"

namespace forms::keyboard {
namespace {

// The controls with a tab index, by it, equal ones in design order; those without one left out.
std::vector<std::size_t> InTabOrder(States controls) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].row->tabIndex >= 0) order.push_back(i);
  }
  // Not stable_sort: the design order as the tie-break gives its order without its merging code,
  // kilobytes of the web page's program.
  std::sort(order.begin(), order.end(), [controls](std::size_t a, std::size_t b) {
    const int first = controls[a].row->tabIndex;
    const int second = controls[b].row->tabIndex;
    return first != second ? first < second : a < b;
  });
  return order;
}

bool CanFocus(const ControlState& control) { return control.usable && TakesFocus(*control.row); }

// A control Tab stops on: one that takes the keyboard, and of an option group only its target.
bool IsTabStop(States controls, std::size_t control) {
  return CanFocus(controls[control]) && FocusTargetOf(controls, control) == control;
}

}  // namespace

bool TakesFocus(const ControlDesign& row) {
  switch (row.kind) {
    case Kind::CommandButton:
    case Kind::TextBox:
    case Kind::OptionButton:
    case Kind::CheckBox:
      return row.tabIndex >= 0;
    default:
      return false;
  }
}

bool InOneGroup(const ControlDesign& a, const ControlDesign& b) {
  if (a.kind != Kind::OptionButton || b.kind != Kind::OptionButton) return false;
  return a.container == b.container ||
         (a.container && b.container && std::strcmp(a.container, b.container) == 0);
}

std::vector<std::size_t> GroupOf(States controls, std::size_t option) {
  std::vector<std::size_t> group;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (InOneGroup(*controls[i].row, *controls[option].row)) group.push_back(i);
  }
  return group;
}

std::size_t FocusTargetOf(States controls, std::size_t control) {
  if (controls[control].row->kind != Kind::OptionButton) return control;
  const auto group = GroupOf(controls, control);
  for (const std::size_t option : group) {
    if (controls[option].chosen && CanFocus(controls[option])) return option;
  }
  for (const std::size_t option : InTabOrder(controls)) {
    if (std::find(group.begin(), group.end(), option) != group.end() && CanFocus(controls[option]))
      return option;
  }
  return control;
}

std::optional<std::size_t> TabStopAfter(States controls, std::optional<std::size_t> from,
                                        bool backwards) {
  auto order = InTabOrder(controls);
  if (backwards) std::reverse(order.begin(), order.end());
  const int fromIndex = from ? controls[*from].row->tabIndex : -1;
  const auto beyond = [&](std::size_t control) {
    const int index = controls[control].row->tabIndex;
    return backwards ? index < fromIndex : index > fromIndex;
  };
  std::optional<std::size_t> first;
  for (const std::size_t control : order) {
    if (!IsTabStop(controls, control)) continue;
    if (!from || beyond(control)) return control;
    if (!first) first = control;
  }
  return first;
}

std::size_t StepInGroup(States controls, std::size_t option, Arrow arrow) {
  const long step = arrow == Arrow::Down || arrow == Arrow::Right ? 1 : -1;
  std::vector<std::size_t> group;
  for (const std::size_t member : GroupOf(controls, option)) {
    if (member == option || controls[member].usable) group.push_back(member);
  }
  const auto count = static_cast<long>(group.size());
  const long at = std::find(group.begin(), group.end(), option) - group.begin();
  return group[static_cast<std::size_t>((at + step + count) % count)];
}

std::optional<KeyAction> AccessKey(States controls, char16_t key,
                                   std::optional<std::size_t> focused) {
  const auto order = InTabOrder(controls);
  const char16_t wanted = AccessKeyOf(key);
  std::vector<std::size_t> marked;
  for (const std::size_t control : order) {
    const auto keys = AccessKeysOf(controls[control].caption);
    if (controls[control].usable && std::find(keys.begin(), keys.end(), wanted) != keys.end())
      marked.push_back(control);
  }
  if (marked.empty()) return std::nullopt;
  if (marked.size() > 1) {
    const auto at = std::find_if(marked.begin(), marked.end(), [&](std::size_t control) {
      return focused && FocusTargetOf(controls, control) == *focused;
    });
    const std::size_t next =
        at == marked.end() || at + 1 == marked.end() ? marked.front() : *(at + 1);
    return KeyAction{KeyAction::Do::Focus, FocusTargetOf(controls, next)};
  }
  const std::size_t mark = marked.front();
  const Kind kind = controls[mark].row->kind;
  if (kind != Kind::Label && kind != Kind::Frame) return KeyAction{KeyAction::Do::Press, mark};
  // A label or a frame sends the keyboard on to the next control after it that takes it.
  const auto at = std::find(order.begin(), order.end(), mark) - order.begin();
  for (std::size_t n = 1; n < order.size(); ++n) {
    const std::size_t next = order[(static_cast<std::size_t>(at) + n) % order.size()];
    if (CanFocus(controls[next]))
      return KeyAction{KeyAction::Do::Focus, FocusTargetOf(controls, next)};
  }
  return std::nullopt;
}

}  // namespace forms::keyboard
