// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "native.h"

namespace forms {
namespace {

// The windows loaded and not yet discarded.
std::vector<std::shared_ptr<Form>>& LiveForms() {
  static std::vector<std::shared_ptr<Form>> forms;
  return forms;
}

}  // namespace

Form::Form(const FormDesign& design) : native_(native::Build(*this, design, controls_)) {}

Form::~Form() = default;

Control& Form::ControlNamed(const char* name, Kind kind) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& control) {
    return control->ControlKind() == kind && std::strcmp(control->Name(), name) == 0;
  });
  if (found == controls_.end()) {
    // A handler names a control its window's design lacks: a fault of the program itself.
    std::fprintf(stderr, "no control %s of that kind in the design\n", name);
    std::abort();
  }
  return **found;
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

int PixelsFromTwips(int twips, int dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  constexpr long long kTwipsPerInch = 1440;
  return static_cast<int>((scaled + (scaled >= 0 ? kTwipsPerInch / 2 : -kTwipsPerInch / 2)) /
                          kTwipsPerInch);
}

}  // namespace forms
