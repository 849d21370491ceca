// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>

#include "forms/native.h"
#include "window.h"

namespace forms::native {
namespace {

// Another program may hold the clipboard for a moment: a few tries over about 100 ms, then
// nothing is written.
bool Opened() {
  HWND owner = NativeForm::All().empty() ? nullptr : NativeForm::All().front()->Handle();
  constexpr int kTries = 5;
  for (int attempt = 0; attempt < kTries; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

void ClearClipboard() {
  if (!Opened()) return;
  EmptyClipboard();
  CloseClipboard();
}

void SetClipboardText(const String& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return;
  if (void* data = GlobalLock(memory)) {
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(memory);
  }
  if (!Opened()) {
    GlobalFree(memory);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  CloseClipboard();
}

}  // namespace forms::native
