// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "line.h"

#include "controls.h"

namespace forms::win32 {
namespace {

constexpr const wchar_t* kLineClass = L"VelmaraLine";

void PaintLine(HWND hwnd) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT rect;
  GetClientRect(hwnd, &rect);
  const NativeControl* line = NativeControl::FromHandle(hwnd);
  if (rect.right <= 1 || rect.bottom <= 1 || !line) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWTEXT));
  } else {
    // A slanting line rises to the right when its start and end differ in sign.
    const ControlDesign& row = line->Row();
    const bool rising = (row.extras.x2 - row.left) * (row.extras.y2 - row.top) < 0;
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    const int last = rising ? 0 : rect.bottom - 1;
    MoveToEx(dc, 0, rising ? rect.bottom - 1 : 0, nullptr);
    LineTo(dc, rect.right - 1, last);
    SetPixel(dc, rect.right - 1, last, GetSysColor(COLOR_WINDOWTEXT));
    SelectObject(dc, old);
    DeleteObject(pen);
  }
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK LineProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintLine(hwnd);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

const wchar_t* LineClass() {
  static const bool registered = [] {
    WNDCLASSW line{};
    line.lpfnWndProc = LineProcedure;
    line.hInstance = GetModuleHandleW(nullptr);
    line.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    line.lpszClassName = kLineClass;
    return RegisterClassW(&line) != 0;
  }();
  return registered ? kLineClass : L"STATIC";
}

}  // namespace forms::win32
