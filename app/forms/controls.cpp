// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' properties, kept here or read from and written to the platform's side.
#include "controls.h"

#include "caption.h"
#include "native.h"

namespace forms {
namespace {

template <class C>
std::unique_ptr<Control> Made(const ControlDesign& row) {
  return std::make_unique<C>(row);
}

}  // namespace

Control::Control(const ControlDesign& row)
    : row_(row),
      caption_(row.kind == Kind::TextBox ? String()
                                         : StringFromUtf8(row.caption ? row.caption : "")) {}

void Control::Recaption(const String& caption) {
  caption_ = caption;
  native::SetText(Native(), caption_);
  native::SetAccessibleName(Native(), AccessibleName(row_, caption_).value_or(String()));
}

void CommandButton::SetCaption(const String& caption) { Recaption(caption); }

void Label::SetCaption(const String& caption) { Recaption(caption); }

TextBox::TextBox(const ControlDesign& row) : Control(row) {}

String TextBox::Text() const { return native::Text(Native()); }

void TextBox::SetText(const String& text) { native::SetText(Native(), text); }

void TextBox::SetBackColor(std::uint32_t value) {
  backColor_ = value;
  native::SetBackColor(Native(), value);
}

void TextBox::Refresh() { native::Refresh(Native()); }

std::int16_t OptionButton::Value() const { return native::IsChecked(Native()) ? kTrue : kFalse; }

std::int16_t CheckBox::Value() const { return native::IsChecked(Native()) ? 1 : 0; }

std::unique_ptr<Control> MakeControl(const ControlDesign& row) {
  switch (row.kind) {
    case Kind::CommandButton:
      return Made<CommandButton>(row);
    case Kind::TextBox:
      return Made<TextBox>(row);
    case Kind::Label:
      return Made<Label>(row);
    case Kind::OptionButton:
      return Made<OptionButton>(row);
    case Kind::CheckBox:
      return Made<CheckBox>(row);
    case Kind::Frame:
      return Made<Frame>(row);
    case Kind::Line:
      return Made<Line>(row);
    case Kind::Image:
      return Made<Image>(row);
  }
  return nullptr;
}

}  // namespace forms
