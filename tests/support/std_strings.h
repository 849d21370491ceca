// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include <QString>

// Between the tests' data columns and the rules' plain strings.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) { return text.toStdString(); }

inline std::u16string_view ToU16View(const QString& text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}
