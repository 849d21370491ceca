// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace forms {

// A caption or a box's text: UTF-16, as the window systems hold text.
using String = std::u16string;

// Between a window's texts and the rules' plain strings. Numbers are ASCII, so UTF-8 only
// carries whatever a paste left in a box to the rules that refuse it. A malformed sequence or a
// lone surrogate becomes U+FFFD.
String StringFromUtf8(std::string_view utf8);
std::string Utf8FromString(std::u16string_view text);

}  // namespace forms
