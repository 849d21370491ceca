// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption.h"

namespace forms {

Caption ReadCaption(std::u16string_view caption) {
  Caption read;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      read.shown.push_back(caption[i]);
      continue;
    }
    // A last "&" marks nothing and is not shown.
    if (++i == caption.size()) break;
    if (caption[i] != u'&') read.markedAt.push_back(read.shown.size());
    read.shown.push_back(caption[i]);
  }
  return read;
}

char16_t AccessKeyOf(char16_t letter) {
  constexpr char16_t kCaseStep = u'a' - u'A';
  const bool ascii = letter >= u'a' && letter <= u'z';
  // Latin-1's small letters lie 0x20 above their capitals; the division sign has no capital.
  const bool latin1 = letter >= u'\u00E0' && letter <= u'\u00FE' && letter != u'\u00F7';
  return ascii || latin1 ? static_cast<char16_t>(letter - kCaseStep) : letter;
}

std::vector<char16_t> AccessKeysOf(std::u16string_view caption) {
  const Caption read = ReadCaption(caption);
  std::vector<char16_t> keys;
  keys.reserve(read.markedAt.size());
  for (const std::size_t at : read.markedAt) keys.push_back(AccessKeyOf(read.shown[at]));
  return keys;
}

std::optional<String> AccessibleName(const ControlDesign& row, std::u16string_view caption) {
  if (row.extras.accessibleName) return StringFromUtf8(row.extras.accessibleName);
  switch (row.kind) {
    case Kind::TextBox:
    case Kind::Line:
    case Kind::Image:
      return std::nullopt;
    default:
      return ReadCaption(caption).shown;
  }
}

}  // namespace forms
