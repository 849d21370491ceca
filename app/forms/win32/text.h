// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "forms/text.h"

// Windows holds text as UTF-16 in its 16-bit wchar_t: the two convert unit for unit.
namespace forms::win32 {

inline std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

inline String FromWide(std::wstring_view text) { return {text.begin(), text.end()}; }

inline std::wstring WideFromUtf8(const char* utf8) {
  return Wide(StringFromUtf8(utf8 ? utf8 : ""));
}

}  // namespace forms::win32
