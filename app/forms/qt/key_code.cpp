// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_code.h"

#include <QKeyEvent>

namespace forms::qt {

std::optional<std::int16_t> KeyCodeFor(int key, Qt::KeyboardModifiers modifiers,
                                       const QString& text) {
  // The platforms disagree on the text of control keys (X11 gives Ctrl+A the text 0x01 and
  // Delete 0x7F, the offscreen platform gives Ctrl+A "a"), so the key decides, not the text.
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  const bool alt = modifiers.testFlag(Qt::AltModifier);
  if (control && !alt && key >= Qt::Key_A && key <= Qt::Key_Z) {
    return static_cast<std::int16_t>(key - Qt::Key_A + 1);
  }
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
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
  // A character beyond 16 bits has no code of its own: like a single-byte system, say "?".
  if (character > 0xFFFF) return static_cast<std::int16_t>(u'?');
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(character));
}

std::optional<std::int16_t> KeyCodeFor(const QKeyEvent& event) {
  return KeyCodeFor(event.key(), event.modifiers(), event.text());
}

}  // namespace forms::qt
