// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

#include "text.h"

namespace forms::Clipboard {
namespace {

QClipboard* Writable() { return qGuiApp ? QGuiApplication::clipboard() : nullptr; }

}  // namespace

void Clear() {
  if (auto* clipboard = Writable()) clipboard->clear(QClipboard::Clipboard);
}

void SetText(const String& text) {
  if (auto* clipboard = Writable()) clipboard->setText(qt::ToQString(text), QClipboard::Clipboard);
}

}  // namespace forms::Clipboard
