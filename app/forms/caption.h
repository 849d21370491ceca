// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "design.h"
#include "text.h"

// What a caption says besides its letters: "&" marks the next letter as an access key, "&&" is a
// plain "&". A caption may mark several letters, as "&C&alculate" does.
namespace forms {

struct Caption {
  String shown;                       // the caption as the window shows it, without its marks
  std::vector<std::size_t> markedAt;  // where each marked letter lies in `shown`
};

Caption ReadCaption(std::u16string_view caption);

// A letter as an access key matches it: upper case (ASCII and Latin-1 letters).
char16_t AccessKeyOf(char16_t letter);

// The access keys a caption marks, in its order, upper case.
std::vector<char16_t> AccessKeysOf(std::u16string_view caption);

// The name a screen reader says for a control: the design's own name for it, else its caption
// without the marks; nothing for a box, a line or a picture the design leaves unnamed, whose
// name the desktop takes from what lies beside it.
std::optional<String> AccessibleName(const ControlDesign& row, std::u16string_view caption);

}  // namespace forms
