// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

#include <optional>

#include "window.h"

namespace forms::win32 {
namespace {

std::optional<keyboard::Arrow> ArrowOf(WPARAM key) {
  switch (key) {
    case VK_UP:
      return keyboard::Arrow::Up;
    case VK_DOWN:
      return keyboard::Arrow::Down;
    case VK_LEFT:
      return keyboard::Arrow::Left;
    case VK_RIGHT:
      return keyboard::Arrow::Right;
    default:
      return std::nullopt;
  }
}

// Alt with a letter: the key's character, for the shared rule of the access keys.
bool AccessKey(Form& form, const MSG& message) {
  if (GetKeyState(VK_CONTROL) < 0) return false;
  const auto letter = static_cast<char16_t>(
      MapVirtualKeyW(static_cast<UINT>(message.wParam), MAPVK_VK_TO_CHAR) & 0xFFFF);
  if (!letter || !form.AccessKey(letter)) return false;
  // The key still passes by the window, unread, so that releasing Alt opens no menu.
  DispatchMessageW(&message);
  return true;
}

}  // namespace

bool FilterKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  NativeForm* window = NativeForm::FromHandle(GetAncestor(message.hwnd, GA_ROOT));
  if (!window || !window->Enabled()) return false;
  Form& form = window->Api();
  if (message.message == WM_SYSKEYDOWN) return AccessKey(form, message);
  if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
    form.TabKey(GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  NativeControl* focus = NativeControl::FromHandle(GetFocus());
  if (!focus) return false;
  // Enter presses the focused button, as it does on the platform the designs were drawn for.
  if (message.wParam == VK_RETURN && focus->ControlKind() == Kind::CommandButton) {
    focus->Activate();
    return true;
  }
  const auto arrow = ArrowOf(message.wParam);
  return arrow && form.ArrowKey(*arrow);
}

}  // namespace forms::win32
