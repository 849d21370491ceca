// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QKeyEvent>

#include "forms/keyboard.h"

namespace forms::qt {

// The arrow a Qt key is, if it is one.
std::optional<keyboard::Arrow> ArrowOf(int key);

// The letter Alt is pressed with, for the access keys: nothing for other keys.
std::optional<char16_t> AccessLetterOf(const QKeyEvent& event);

}  // namespace forms::qt
