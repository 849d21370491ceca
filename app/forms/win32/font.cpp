// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "font.h"

#include <cmath>
#include <string>

#include "text.h"

namespace forms::win32 {
namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(const std::wstring& face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  face.copy(query.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &query, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

HFONT CreateDesignFont(const Extras& extras, UINT dpi) {
  // The bitmap face of the designs is missing from some systems; its outline successor has
  // the same metrics.
  static const std::wstring fallback =
      FaceInstalled(L"MS Sans Serif") ? L"MS Sans Serif" : L"Microsoft Sans Serif";
  const std::wstring named = extras.fontFamily ? WideFromUtf8(extras.fontFamily) : L"";
  const std::wstring face =
      named.empty() || named == L"MS Sans Serif" || !FaceInstalled(named) ? fallback : named;
  const double points = extras.fontPoints > 0 ? extras.fontPoints : 8.0;
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
  font.lfWeight = extras.bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

}  // namespace forms::win32
