// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' properties, read from and written to their widgets.
#include "controls.h"
#include "text.h"

namespace forms {

using qt::FromQString;
using qt::ToQString;
using qt::WidgetOf;

String CommandButton::Caption() const {
  return FromQString(WidgetOf<qt::CommandButtonWidget>(*this).text());
}

void CommandButton::SetCaption(const String& caption) {
  WidgetOf<qt::CommandButtonWidget>(*this).SetCaption(ToQString(caption));
}

String TextBox::Text() const { return FromQString(WidgetOf<qt::TextBoxWidget>(*this).text()); }

void TextBox::SetText(const String& text) {
  WidgetOf<qt::TextBoxWidget>(*this).setText(ToQString(text));
}

void TextBox::SetBackColor(std::uint32_t value) {
  backColor_ = value;
  WidgetOf<qt::TextBoxWidget>(*this).ApplyBackColor();
}

void TextBox::Refresh() { WidgetOf(*this).repaint(); }

String Label::Caption() const { return FromQString(WidgetOf<qt::LabelWidget>(*this).text()); }

void Label::SetCaption(const String& caption) {
  WidgetOf<qt::LabelWidget>(*this).SetCaption(ToQString(caption));
}

std::int16_t OptionButton::Value() const {
  return WidgetOf<qt::OptionButtonWidget>(*this).isChecked() ? kTrue : kFalse;
}

std::int16_t CheckBox::Value() const {
  return WidgetOf<qt::CheckBoxWidget>(*this).isChecked() ? 1 : 0;
}

}  // namespace forms
