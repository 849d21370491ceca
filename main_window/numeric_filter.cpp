// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric_filter.h"

#include "number_text.h"

namespace velmara {

void FilterNumericKey(std::int16_t& keyAscii, std::u16string_view boxText) {
  const auto character = static_cast<char16_t>(keyAscii);
  // Of the one-character texts, exactly the ten digits read as numbers.
  if (character < 0x80 && NumberFromText(std::string(1, static_cast<char>(character)))) return;
  if (character != u'.') {
    keyAscii = 0;
    return;
  }
  if (boxText.find(u'.') != std::u16string_view::npos) keyAscii = 0;
}

}  // namespace velmara
