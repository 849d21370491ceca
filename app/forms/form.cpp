// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "caption.h"
#include "native.h"

namespace forms {
namespace {

// The windows loaded and not yet discarded.
std::vector<std::shared_ptr<Form>>& LiveForms() {
  static std::vector<std::shared_ptr<Form>> forms;
  return forms;
}

// A design that names what it lacks is a fault of the program itself.
[[noreturn]] void DesignFault(const char* what, const char* name) {
  for (const char* part : {"no ", what, " ", name, " in the design\n"}) std::fputs(part, stderr);
  std::abort();
}

}  // namespace

void NativeFormDeleter::operator()(NativeForm* native) const { native::DestroyForm(native); }

Form::Form(const FormDesign& design) : design_(design), native_(native::CreateForm(*this, design)) {
  for (const ControlDesign& row : design.controls) {
    NativeControl* container = nullptr;
    if (row.container) {
      const auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) {
        return std::strcmp(c->Name(), row.container) == 0;
      });
      // A container comes before the controls it holds.
      if (found == controls_.end()) DesignFault("container", row.container);
      container = &(*found)->Native();
    }
    auto control = MakeControl(row);
    control->Attach(native::CreateControl(*native_, row, container, *control));
    controls_.push_back(std::move(control));
  }
  native::Built(*native_);
  for (const auto& control : controls_) {
    if (const auto name = AccessibleName(control->Row(), control->ShownCaption()))
      native::SetAccessibleName(control->Native(), *name);
    if (control->ControlKind() != Kind::TextBox) continue;
    if (const auto back = control->Row().extras.backColor)
      static_cast<TextBox&>(*control).SetBackColor(*back);
  }
}

Form::~Form() = default;

Control& Form::ControlNamed(const char* name, Kind kind) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& control) {
    return control->ControlKind() == kind && std::strcmp(control->Name(), name) == 0;
  });
  // A handler names a control its window's design lacks.
  if (found == controls_.end()) DesignFault("control of that kind:", name);
  return **found;
}

int Form::Height() const {
  return FormHeightTwips(design_.border, native::ClientHeight(*native_), native::Dpi(*native_));
}

void Form::SetHeight(int twips) {
  if (const auto client = ClientHeightTwips(design_.border, twips))
    native::SetClientHeight(*native_, *client);
}

bool Form::Enabled() const { return native::IsEnabled(*native_); }
void Form::SetEnabled(bool enabled) { native::SetEnabled(*native_, enabled); }
bool Form::Visible() const { return native::IsVisible(*native_); }

void Form::SetVisible(bool visible) {
  if (visible) {
    native::Show(*native_);
  } else {
    native::Hide(*native_);
  }
}

std::vector<keyboard::ControlState> Form::KeyboardStates() const {
  std::vector<keyboard::ControlState> states;
  states.reserve(controls_.size());
  for (const auto& control : controls_) {
    const bool option = control->ControlKind() == Kind::OptionButton;
    states.push_back({.row = &control->Row(),
                      .caption = control->ShownCaption(),
                      .usable = native::IsUsable(control->Native()),
                      .chosen = option && native::IsChecked(control->Native())});
  }
  return states;
}

std::optional<std::size_t> Form::Focused() const {
  const NativeControl* focused = native::FocusedControl(*native_);
  for (std::size_t i = 0; focused && i < controls_.size(); ++i) {
    if (&controls_[i]->Native() == focused) return i;
  }
  return std::nullopt;
}

// A box the keyboard reaches by a key has its whole text selected, ready to be typed over.
void Form::FocusFromKey(std::size_t control) {
  NativeControl& native = controls_[control]->Native();
  native::Focus(native);
  if (controls_[control]->ControlKind() == Kind::TextBox) native::SelectAll(native);
}

bool Form::TabKey(bool backwards) {
  const auto next = keyboard::TabStopAfter(KeyboardStates(), Focused(), backwards);
  if (!next) return false;
  FocusFromKey(*next);
  return true;
}

bool Form::ArrowKey(keyboard::Arrow arrow) {
  const auto focused = Focused();
  if (!focused || controls_[*focused]->ControlKind() != Kind::OptionButton) return false;
  NativeControl& next =
      controls_[keyboard::StepInGroup(KeyboardStates(), *focused, arrow)]->Native();
  native::Focus(next);
  native::Choose(next);
  return true;
}

bool Form::AccessKey(char16_t letter) {
  if (!Enabled()) return false;
  const auto action = keyboard::AccessKey(KeyboardStates(), letter, Focused());
  if (!action) return false;
  if (action->what == keyboard::KeyAction::Do::Press) {
    native::Press(controls_[action->control]->Native());
  } else {
    FocusFromKey(action->control);
  }
  return true;
}

Control* Form::FirstTabStop() const {
  const auto first = keyboard::TabStopAfter(KeyboardStates(), std::nullopt, false);
  return first ? controls_[*first].get() : nullptr;
}

void Form::Unload() {
  if (unloading_) return;
  unloading_ = true;
  Form_Unload();
  native::Hide(*native_);
  native::Later([this] {
    auto& live = LiveForms();
    const auto it = std::find_if(live.begin(), live.end(),
                                 [this](const auto& form) { return form.get() == this; });
    if (it == live.end()) return;
    // Out of the list first: the window's destruction must not find itself still there.
    const std::shared_ptr<Form> last = std::move(*it);
    live.erase(it);
  });
  if (!startup_) return;
  for (const auto& form : std::vector(LiveForms())) {
    if (form.get() != this) form->Unload();
  }
  native::QuitEventLoop();
}

void Adopt(std::shared_ptr<Form> form) { LiveForms().push_back(std::move(form)); }

int RunEventLoop() { return native::RunEventLoop(); }

}  // namespace forms
