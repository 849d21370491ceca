// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text.h"

namespace forms::Clipboard {

// The system clipboard. Where it cannot be written the calls do nothing: the program goes on
// and the clipboard stays as it was.
void Clear();
void SetText(const String& text);

}  // namespace forms::Clipboard
