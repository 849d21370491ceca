// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include <QString>

// Between the windows' texts and the rules' plain strings. Numbers are ASCII, so UTF-8 is only
// a way to carry whatever a paste left in a box to the rules that refuse it.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) { return text.toStdString(); }

inline std::u16string_view ToU16View(const QString& text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}
