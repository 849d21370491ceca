// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace forms::Clipboard {
namespace {

QClipboard* Writable() { return qGuiApp ? QGuiApplication::clipboard() : nullptr; }

}  // namespace

void Clear() {
  if (auto* clipboard = Writable()) clipboard->clear(QClipboard::Clipboard);
}

void SetText(const QString& text) {
  if (auto* clipboard = Writable()) clipboard->setText(text, QClipboard::Clipboard);
}

}  // namespace forms::Clipboard
