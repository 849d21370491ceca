// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' properties, read from and written to their windows.
#include "controls.h"
#include "forms/native.h"
#include "text.h"
#include "window.h"

namespace forms::native {

String Text(const NativeControl& control) { return win32::FromWide(control.Text()); }

void SetText(NativeControl& control, const String& text) { control.SetText(win32::Wide(text)); }

void SetAccessibleName(NativeControl& control, const String& name) {
  control.SetAccessibleName(win32::Wide(name));
}

void SetBackColor(NativeControl& control, std::uint32_t) {
  InvalidateRect(control.Handle(), nullptr, TRUE);
}

void Refresh(NativeControl& control) {
  RedrawWindow(control.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

bool IsChecked(const NativeControl& control) { return control.Checked(); }

void Choose(NativeControl& control) { control.Choose(); }

void Press(NativeControl& control) { control.Activate(); }

// The control's own state: a hidden window's children count as shown, as Windows has them.
bool IsUsable(const NativeControl& control) {
  const auto style = GetWindowLongPtrW(control.Handle(), GWL_STYLE);
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

void Focus(NativeControl& control) { SetFocus(control.Handle()); }

void SelectAll(NativeControl& control) { SendMessageW(control.Handle(), EM_SETSEL, 0, -1); }

NativeControl* FocusedControl(const NativeForm& window) {
  NativeControl* focused = NativeControl::FromHandle(GetFocus());
  return focused && &focused->Form() == &window ? focused : nullptr;
}

}  // namespace forms::native
