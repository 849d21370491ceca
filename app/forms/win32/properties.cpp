// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' properties, read from and written to their windows.
#include "controls.h"
#include "text.h"

namespace forms {

using win32::FromWide;
using win32::Wide;

String CommandButton::Caption() const { return FromWide(Native().Text()); }
void CommandButton::SetCaption(const String& caption) { Native().SetText(Wide(caption)); }

String TextBox::Text() const { return FromWide(Native().Text()); }
void TextBox::SetText(const String& text) { Native().SetText(Wide(text)); }

void TextBox::SetBackColor(std::uint32_t value) {
  backColor_ = value;
  InvalidateRect(Native().Handle(), nullptr, TRUE);
}

void TextBox::Refresh() {
  RedrawWindow(Native().Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

String Label::Caption() const { return FromWide(Native().Text()); }
void Label::SetCaption(const String& caption) { Native().SetText(Wide(caption)); }

std::int16_t OptionButton::Value() const { return Native().Checked() ? kTrue : kFalse; }

std::int16_t CheckBox::Value() const { return Native().Checked() ? 1 : 0; }

}  // namespace forms
