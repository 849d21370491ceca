// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_code.h"

namespace forms {

std::int16_t KeyCodeOfCharacter(char32_t character) {
  if (character > 0xFFFF) return static_cast<std::int16_t>(u'?');
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(character));
}

std::int16_t KeyCodeOfControlLetter(char32_t letter) {
  const char32_t capital = letter >= U'a' && letter <= U'z' ? letter - (U'a' - U'A') : letter;
  return static_cast<std::int16_t>(capital - U'A' + 1);
}

std::int16_t KeyCodeOf(ControlKey key) {
  switch (key) {
    case ControlKey::Backspace:
      return 8;
    case ControlKey::Enter:
      return 13;
    case ControlKey::Escape:
      return 27;
  }
  return 0;
}

}  // namespace forms
