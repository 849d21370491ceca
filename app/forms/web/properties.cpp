// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' properties, read from and written to their elements.
#include <string>
#include <vector>

#include "colour.h"
#include "dom.h"
#include "forms/caption.h"
#include "forms/native.h"
#include "window.h"

namespace forms::native {

String Text(const NativeControl& control) {
  std::string text(static_cast<std::size_t>(velmara_dom_value_length(control.Id())) + 1, '\0');
  velmara_dom_value_copy(control.Id(), text.data(), static_cast<int>(text.size()));
  text.pop_back();
  return StringFromUtf8(text);
}

void SetText(NativeControl& control, const String& text) {
  if (control.Row().kind == Kind::TextBox) {
    velmara_dom_caption(control.Id(), Utf8FromString(text).c_str(), nullptr, 0);
    return;
  }
  const Caption caption = ReadCaption(text);
  const std::vector<int> marks(caption.markedAt.begin(), caption.markedAt.end());
  velmara_dom_caption(control.Id(), Utf8FromString(caption.shown).c_str(), marks.data(),
                      static_cast<int>(marks.size()));
}

void SetAccessibleName(NativeControl& control, const String& name) {
  velmara_dom_name(control.Id(), Utf8FromString(name).c_str());
}

void SetBackColor(NativeControl& control, std::uint32_t colour) {
  velmara_dom_back_colour(control.Id(), web::CssColour(colour).c_str());
}

// The page paints once the handler returns; nothing paints sooner.
void Refresh(NativeControl&) {}

bool IsChecked(const NativeControl& control) { return velmara_dom_checked(control.Id()) != 0; }

// Setting the choice raises no event in the page: Click runs here.
void Choose(NativeControl& control) {
  if (IsChecked(control)) return;
  velmara_dom_check(control.Id(), 1);
  static_cast<Clickable&>(control.Api()).FireClick();
}

void Press(NativeControl& control) {
  switch (control.Row().kind) {
    case Kind::OptionButton:
      Choose(control);
      break;
    case Kind::CheckBox:
      velmara_dom_check(control.Id(), IsChecked(control) ? 0 : 1);
      static_cast<Clickable&>(control.Api()).FireClick();
      break;
    default:
      static_cast<Clickable&>(control.Api()).FireClick();
      break;
  }
}

bool IsUsable(const NativeControl& control) { return velmara_dom_usable(control.Id()) != 0; }

void Focus(NativeControl& control) { velmara_dom_focus(control.Id()); }

void SelectAll(NativeControl& control) { velmara_dom_select_all(control.Id()); }

}  // namespace forms::native
