// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' properties, read from and written to their widgets.
#include <QApplication>

#include "controls.h"
#include "forms/native.h"
#include "text.h"
#include "window.h"

namespace forms::native {

String Text(const NativeControl& control) {
  return qt::FromQString(static_cast<const QLineEdit&>(control.Widget()).text());
}

void SetText(NativeControl& control, const String& text) {
  const QString shown = qt::ToQString(text);
  QWidget& widget = control.Widget();
  switch (control.Api().ControlKind()) {
    case Kind::CommandButton:
    case Kind::OptionButton:
    case Kind::CheckBox: {
      auto& button = static_cast<QAbstractButton&>(widget);
      button.setText(shown);
      // Qt would take the first marked letter as a shortcut of its own; the window answers them.
      button.setShortcut(QKeySequence());
      break;
    }
    case Kind::TextBox:
      static_cast<QLineEdit&>(widget).setText(shown);
      break;
    case Kind::Label:
      static_cast<QLabel&>(widget).setText(shown);
      break;
    case Kind::Frame:
      static_cast<QGroupBox&>(widget).setTitle(shown);
      break;
    case Kind::Line:
    case Kind::Image:
      break;
  }
}

void SetAccessibleName(NativeControl& control, const String& name) {
  control.Widget().setAccessibleName(qt::ToQString(name));
}

void SetBackColor(NativeControl& control, std::uint32_t) {
  static_cast<qt::TextBoxWidget&>(control.Widget()).ApplyBackColor();
}

void Refresh(NativeControl& control) { control.Widget().repaint(); }

bool IsChecked(const NativeControl& control) {
  return static_cast<const QAbstractButton&>(control.Widget()).isChecked();
}

void Choose(NativeControl& control) {
  // Qt unticks the group's other buttons; the toggle runs Click.
  static_cast<QAbstractButton&>(control.Widget()).setChecked(true);
}

void Press(NativeControl& control) {
  static_cast<QAbstractButton&>(control.Widget()).animateClick();
}

bool IsUsable(const NativeControl& control) {
  const QWidget& widget = control.Widget();
  return widget.isVisibleTo(widget.window()) && widget.isEnabledTo(widget.window());
}

void Focus(NativeControl& control) { control.Widget().setFocus(Qt::TabFocusReason); }

void SelectAll(NativeControl& control) { static_cast<QLineEdit&>(control.Widget()).selectAll(); }

NativeControl* FocusedControl(const NativeForm& window) {
  QWidget* focus = window.focusWidget();
  return focus ? dynamic_cast<NativeControl*>(focus) : nullptr;
}

}  // namespace forms::native
