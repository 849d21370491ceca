// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/design.h"

namespace test_support {

// A row of a design for the rules that read only kind, container, caption, tab index and
// extras: its place and size are none.
inline forms::ControlDesign ControlRow(const char* name, forms::Kind kind, const char* container,
                                       const char* caption, int tabIndex,
                                       forms::Extras extras = {}) {
  return {.name = name,
          .kind = kind,
          .container = container,
          .caption = caption,
          .left = 0,
          .top = 0,
          .width = 0,
          .height = 0,
          .tabIndex = tabIndex,
          .extras = extras};
}

}  // namespace test_support
