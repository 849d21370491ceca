// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_code.h"

#include <QKeyEvent>

#include "forms/key_code.h"

namespace forms::qt {

std::optional<std::int16_t> KeyCodeFor(int key, Qt::KeyboardModifiers modifiers,
                                       const QString& text) {
  // The platforms disagree on the text of control keys (X11 gives Ctrl+A the text 0x01 and
  // Delete 0x7F, the offscreen platform gives Ctrl+A "a"), so the key decides, not the text.
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  const bool alt = modifiers.testFlag(Qt::AltModifier);
  if (control && !alt && key >= Qt::Key_A && key <= Qt::Key_Z) {
    return KeyCodeOfControlLetter(static_cast<char32_t>(key));
  }
  switch (key) {
    case Qt::Key_Backspace:
      return KeyCodeOf(ControlKey::Backspace);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return KeyCodeOf(ControlKey::Enter);
    case Qt::Key_Escape:
      return KeyCodeOf(ControlKey::Escape);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return std::nullopt;
    default:
      break;
  }
  if (alt && !control) return std::nullopt;  // Alt+letter is an access key, not a character
  const auto characters = text.toUcs4();
  if (characters.size() != 1) return std::nullopt;
  const char32_t character = characters.front();
  if (character < 0x20 || character == 0x7F || !QChar::isPrint(character)) return std::nullopt;
  return KeyCodeOfCharacter(character);
}

std::optional<std::int16_t> KeyCodeFor(const QKeyEvent& event) {
  return KeyCodeFor(event.key(), event.modifiers(), event.text());
}

}  // namespace forms::qt
