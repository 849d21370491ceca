// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include <algorithm>

#include "window.h"

namespace forms::win32 {
namespace {

bool Usable(const NativeControl& control) {
  return IsWindowVisible(control.Handle()) && IsWindowEnabled(control.Handle());
}

// The controls of `form` by tab index, those without one left out.
std::vector<NativeControl*> InTabOrder(const NativeForm& form) {
  std::vector<NativeControl*> order;
  for (const auto& control : form.Controls()) {
    if (control->Row().tabIndex >= 0) order.push_back(control.get());
  }
  std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
    return a->Row().tabIndex < b->Row().tabIndex;
  });
  return order;
}

// Where the keyboard goes for a control: an option group's chosen button, or the control.
HWND FocusTargetOf(const NativeControl& control) {
  if (control.ControlKind() == Kind::OptionButton) {
    for (NativeControl* option : control.Group()) {
      if (option->Checked() && Usable(*option)) return option->Handle();
    }
  }
  return control.Handle();
}

}  // namespace

HWND TabStopAfter(const NativeForm& form, HWND from, bool backwards) {
  auto order = InTabOrder(form);
  if (backwards) std::reverse(order.begin(), order.end());
  const NativeControl* current = NativeControl::FromHandle(from);
  const auto beyond = [&](const NativeControl* control) {
    const int a = control->Row().tabIndex;
    const int b = current->Row().tabIndex;
    return backwards ? a < b : a > b;
  };
  HWND first = nullptr;
  for (NativeControl* control : order) {
    if (!control->TakesFocus() || !Usable(*control) || FocusTargetOf(*control) != control->Handle())
      continue;
    if (!current || beyond(control)) return control->Handle();
    if (!first) first = control->Handle();
  }
  return first;
}

namespace {

// Tab and Shift+Tab go by the tab indexes; a box reached so has its text selected, as the
// dialog manager does.
void Tabbed(const NativeForm& form, HWND focus) {
  const HWND next = TabStopAfter(form, focus, GetKeyState(VK_SHIFT) < 0);
  if (!next) return;
  const NativeControl* control = NativeControl::FromHandle(next);
  if (control && control->ControlKind() == Kind::TextBox) SendMessageW(next, EM_SETSEL, 0, -1);
  SetFocus(next);
}

// A label's or a frame's access key moves the keyboard to the next control that takes it.
void FocusAfter(const NativeForm& form, const NativeControl& mark) {
  const auto order = InTabOrder(form);
  auto it = std::find(order.begin(), order.end(), &mark);
  for (std::size_t n = 1; it != order.end() && n < order.size(); ++n) {
    NativeControl* next = order[static_cast<std::size_t>(it - order.begin() + n) % order.size()];
    if (next->TakesFocus() && Usable(*next)) {
      SetFocus(FocusTargetOf(*next));
      return;
    }
  }
}

void Act(const NativeForm& form, NativeControl& control) {
  switch (control.ControlKind()) {
    case Kind::Label:
    case Kind::Frame:
      FocusAfter(form, control);
      break;
    default:
      control.Activate();
      break;
  }
}

// Alt with a letter some caption marks: one control acts; several share the focus in turn,
// none acting (the rule of a shared access key).
bool AccessKey(const NativeForm& form, const MSG& message) {
  if (GetKeyState(VK_CONTROL) < 0) return false;
  wchar_t key = static_cast<wchar_t>(
      MapVirtualKeyW(static_cast<UINT>(message.wParam), MAPVK_VK_TO_CHAR) & 0xFFFF);
  if (!key) return false;
  CharUpperBuffW(&key, 1);
  std::vector<NativeControl*> marked;
  for (NativeControl* control : InTabOrder(form)) {
    const auto& keys = control->AccessKeys();
    if (Usable(*control) && std::find(keys.begin(), keys.end(), key) != keys.end())
      marked.push_back(control);
  }
  if (marked.empty()) return false;
  if (marked.size() == 1) {
    Act(form, *marked.front());
  } else {
    const HWND focus = GetFocus();
    auto it = std::find_if(marked.begin(), marked.end(),
                           [focus](const auto* c) { return FocusTargetOf(*c) == focus; });
    NativeControl* next = it == marked.end() || it + 1 == marked.end() ? marked.front() : *(it + 1);
    SetFocus(FocusTargetOf(*next));
  }
  // The key still passes by the window, unread, so that releasing Alt opens no menu.
  DispatchMessageW(&message);
  return true;
}

// Down and Right choose the group's next button, Up and Left the one before, round at the ends,
// whatever the buttons' places.
bool StepInGroup(NativeControl& option, WPARAM key) {
  int step = 0;
  switch (key) {
    case VK_DOWN:
    case VK_RIGHT:
      step = 1;
      break;
    case VK_UP:
    case VK_LEFT:
      step = -1;
      break;
    default:
      return false;
  }
  std::vector<NativeControl*> group;
  for (NativeControl* member : option.Group()) {
    if (member == &option || Usable(*member)) group.push_back(member);
  }
  const auto count = static_cast<long>(group.size());
  const long at = std::find(group.begin(), group.end(), &option) - group.begin();
  NativeControl* next = group[static_cast<std::size_t>((at + step + count) % count)];
  SetFocus(next->Handle());
  next->Choose();
  return true;
}

}  // namespace

bool FilterKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  const NativeForm* form = NativeForm::FromHandle(GetAncestor(message.hwnd, GA_ROOT));
  if (!form || !form->Enabled()) return false;
  if (message.message == WM_SYSKEYDOWN) return AccessKey(*form, message);
  if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
    Tabbed(*form, GetFocus());
    return true;
  }
  NativeControl* focus = NativeControl::FromHandle(GetFocus());
  if (!focus) return false;
  if (message.wParam == VK_RETURN && focus->ControlKind() == Kind::CommandButton) {
    focus->Activate();
    return true;
  }
  return focus->ControlKind() == Kind::OptionButton && StepInGroup(*focus, message.wParam);
}

}  // namespace forms::win32
