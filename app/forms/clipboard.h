// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace forms::Clipboard {

// The system clipboard. Where it cannot be written the calls do nothing: the program goes on
// and the clipboard stays as it was.
void Clear();
void SetText(const QString& text);

}  // namespace forms::Clipboard
