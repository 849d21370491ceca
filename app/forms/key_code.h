// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The 16-bit codes a KeyPress handler is given, the same from every home: a typed character's
// own code, and the codes of the keys that type no character of their own.
namespace forms {

enum class ControlKey { Backspace, Enter, Escape };

// A typed character's code; one beyond 16 bits has none of its own and, as on a single-byte
// system, says "?".
std::int16_t KeyCodeOfCharacter(char32_t character);

// Ctrl with a letter, A to Z (either case): 1 to 26.
std::int16_t KeyCodeOfControlLetter(char32_t letter);

// Backspace 8, Enter 13, Escape 27.
std::int16_t KeyCodeOf(ControlKey key);

}  // namespace forms
