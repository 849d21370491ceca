// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QGuiApplication>
#include <QString>

#include "forms/native.h"
#include "text.h"

namespace forms::native {
namespace {

QClipboard* Writable() { return qGuiApp ? QGuiApplication::clipboard() : nullptr; }

}  // namespace

void ClearClipboard() {
  if (auto* clipboard = Writable()) clipboard->clear(QClipboard::Clipboard);
}

void SetClipboardText(const String& text) {
  if (auto* clipboard = Writable()) clipboard->setText(qt::ToQString(text), QClipboard::Clipboard);
}

}  // namespace forms::native
