// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboard.h"

#include "native.h"

namespace forms::Clipboard {

void Clear() { native::ClearClipboard(); }

void SetText(const String& text) { native::SetClipboardText(text); }

}  // namespace forms::Clipboard
