// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <Qt>

class QKeyEvent;

namespace forms::qt {

// The 16-bit character code a key produces for a KeyPress handler, or nothing for keys that
// produce no character (Delete, Tab, arrows, Home, End, page and function keys, modifiers).
// Ctrl+A to Ctrl+Z give 1 to 26, Backspace 8, Return and Enter 13, Escape 27; any other key with
// one printable character gives that character's code.
std::optional<std::int16_t> KeyCodeFor(int key, Qt::KeyboardModifiers modifiers,
                                       const QString& text);
std::optional<std::int16_t> KeyCodeFor(const QKeyEvent& event);

}  // namespace forms::qt
