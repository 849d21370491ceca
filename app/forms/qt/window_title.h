// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

namespace forms::qt {

// Gives a window an empty title for the window system: Qt's X11 platform puts the program's
// name in place of an empty title, so the window lists would show two windows named alike.
void ShowEmptyTitle(QWindow& window);

}  // namespace forms::qt
