// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dom.h"
#include "forms/native.h"

namespace forms::native {

// Writing the clipboard replaces what it held: clearing is an empty text.
void ClearClipboard() { velmara_dom_clipboard(""); }

void SetClipboardText(const String& text) { velmara_dom_clipboard(Utf8FromString(text).c_str()); }

}  // namespace forms::native
