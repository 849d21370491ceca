// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/design.h"

class QWidget;

namespace forms::qt {

// Gives a control the face, size and weight its design's extras name, over the window's font.
void ApplyFont(QWidget& widget, const Extras& extras);

}  // namespace forms::qt
