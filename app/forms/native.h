// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "form.h"

// What each platform's home gives the forms layer's shared code. Only the forms layer includes
// this.
namespace forms::native {

// Builds the window of `form` with its controls, from the design; adds each control's object to
// `controls`, in the design's order.
std::unique_ptr<NativeForm, NativeFormDeleter> Build(
    Form& form, const FormDesign& design, std::vector<std::unique_ptr<Control>>& controls);

void Hide(NativeForm& native);

// Runs `discard` once the event being handled, and those already waiting, are done.
void Later(std::function<void()> discard);

// Ends RunEventLoop once the events being handled are done.
void QuitEventLoop();

}  // namespace forms::native
