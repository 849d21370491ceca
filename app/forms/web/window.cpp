// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A form's window in the page: the page's main block, or a modal dialog over it.
#include "window.h"

#include "dom.h"
#include "forms/native.h"

namespace forms {
namespace {

// The windows and controls by the numbers the page knows them by; a discarded one leaves a gap.
std::vector<NativeForm*>& Forms() {
  static std::vector<NativeForm*> forms;
  return forms;
}

std::vector<NativeControl*>& Controls() {
  static std::vector<NativeControl*> controls;
  return controls;
}

template <class T>
T* At(std::vector<T*>& registry, int id) {
  return id >= 0 && static_cast<std::size_t>(id) < registry.size() ? registry[id] : nullptr;
}

}  // namespace

NativeControl* NativeControl::FromId(int id) { return At(Controls(), id); }

NativeForm* NativeForm::FromId(int id) { return At(Forms(), id); }

NativeForm::NativeForm(Form& form, const FormDesign& design)
    : form_(form),
      design_(design),
      id_(static_cast<int>(Forms().size())),
      clientHeight_(PixelsFromTwips(design.clientHeight)) {
  Forms().push_back(this);
  const bool sizable = design.border == BorderStyle::Sizable;
  velmara_dom_form(id_, design.name, design.caption, sizable ? 1 : 0,
                   PixelsFromTwips(design.clientWidth), clientHeight_,
                   sizable ? 0 : PixelsFromTwips(kFixedFrame));
}

NativeForm::~NativeForm() {
  for (const auto& control : controls_) Controls()[control->Id()] = nullptr;
  Forms()[id_] = nullptr;
  velmara_dom_form_remove(id_);
}

NativeControl& NativeForm::Adopt(const ControlDesign& row, Control& api) {
  const int id = static_cast<int>(Controls().size());
  controls_.push_back(std::make_unique<NativeControl>(*this, row, api, id));
  Controls().push_back(controls_.back().get());
  return *controls_.back();
}

void NativeForm::SetClientHeight(int pixels) {
  clientHeight_ = pixels;
  velmara_dom_form_height(id_, pixels);
}

void NativeForm::SetShown(bool shown) {
  shown_ = shown;
  velmara_dom_form_show(id_, shown ? 1 : 0);
}

void NativeForm::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) lostKeyboard_ = true;
  velmara_dom_form_enable(id_, enabled ? 1 : 0);
  ResumeKeyboard();
}

void NativeForm::ResumeKeyboard() {
  if (!lostKeyboard_ || !enabled_ || !shown_) return;
  for (const NativeForm* other : Forms()) {
    if (other && other != this && other->design_.border != BorderStyle::Sizable && other->shown_)
      return;
  }
  lostKeyboard_ = false;
  if (Control* first = form_.FirstTabStop()) native::Focus(first->Native());
}

namespace native {

void DestroyForm(NativeForm* window) { delete window; }

void Show(NativeForm& window) {
  window.SetShown(true);
  window.ResumeKeyboard();
}

void Hide(NativeForm& window) {
  window.SetShown(false);
  for (NativeForm* other : Forms()) {
    if (other) other->ResumeKeyboard();
  }
}
bool IsVisible(const NativeForm& window) { return window.Shown(); }

void SetEnabled(NativeForm& window, bool enabled) { window.SetEnabled(enabled); }

bool IsEnabled(const NativeForm& window) { return window.Enabled(); }

// The page lays out in CSS pixels, 96 to the inch whatever the screen.
int Dpi(const NativeForm&) { return kStandardDpi; }
int ClientHeight(const NativeForm& window) { return window.ClientHeight(); }
void SetClientHeight(NativeForm& window, int twips) {
  window.SetClientHeight(PixelsFromTwips(twips));
}

NativeControl* FocusedControl(const NativeForm& window) {
  NativeControl* focused = NativeControl::FromId(velmara_dom_focused());
  return focused && &focused->Form() == &window ? focused : nullptr;
}

}  // namespace native
}  // namespace forms
