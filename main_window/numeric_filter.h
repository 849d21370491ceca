// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace velmara {

// Judges one typed character for a number box, before it enters the box. Digits pass; "."
// passes only while the box's whole text (a selected part included) holds no "."; every other
// key code, Backspace and the other control codes included, becomes 0 and the key is discarded.
// The text may be of any length: a paste can make it longer than anyone would type.
void FilterNumericKey(std::int16_t& keyAscii, std::u16string_view boxText);

}  // namespace velmara
