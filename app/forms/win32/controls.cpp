// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' behaviour: placing, typed characters, presses, option groups, colours.
#include "controls.h"

#include <algorithm>
#include <cstring>

#include "accessible.h"
#include "colour.h"
#include "font.h"
#include "forms/caption.h"
#include "forms/key_code.h"
#include "forms/keyboard.h"
#include "text.h"
#include "window.h"

namespace forms {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr const wchar_t* kControlProperty = L"VelmaraControl";

bool HasOwnFont(const Extras& extras) {
  return extras.fontFamily || extras.fontPoints > 0 || extras.bold;
}

bool IsHighSurrogate(WPARAM c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(WPARAM c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

NativeControl::NativeControl(NativeForm& form, const ControlDesign& row,
                             const NativeControl* container)
    : form_(form), row_(row), container_(container) {}

NativeControl::~NativeControl() {
  if (ownFont_) DeleteObject(ownFont_);
  if (picture_) DestroyIcon(picture_);
}

void NativeControl::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kControlProperty, this);
  SetWindowSubclass(hwnd, Subclassed, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

NativeControl* NativeControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<NativeControl*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

std::wstring NativeControl::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void NativeControl::SetText(const std::wstring& text) {
  SetWindowTextW(hwnd_, text.c_str());
  // A label without a background of its own leaves the old text to what lies beneath.
  if (row_.extras.transparent) {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    MapWindowPoints(nullptr, form_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    RedrawWindow(form_.Handle(), &rect, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

POINT NativeControl::Corner() const {
  const UINT dpi = form_.Dpi();
  const POINT base = container_ ? container_->Corner() : POINT{form_.Origin(), form_.Origin()};
  return {base.x + PixelsFromTwips(row_.left, static_cast<int>(dpi)),
          base.y + PixelsFromTwips(row_.top, static_cast<int>(dpi))};
}

void NativeControl::Place() {
  const int dpi = static_cast<int>(form_.Dpi());
  POINT corner = Corner();
  int width = PixelsFromTwips(row_.width, dpi);
  int height = PixelsFromTwips(row_.height, dpi);
  if (row_.kind == Kind::Line) {
    // The window spans the line from its start to its end, both ends drawn.
    const int dx = PixelsFromTwips(row_.extras.x2 - row_.left, dpi);
    const int dy = PixelsFromTwips(row_.extras.y2 - row_.top, dpi);
    corner.x += std::min(dx, 0);
    corner.y += std::min(dy, 0);
    width = std::abs(dx) + 1;
    height = std::abs(dy) + 1;
  }
  SetWindowPos(hwnd_, nullptr, corner.x, corner.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (HasOwnFont(row_.extras)) {
    if (ownFont_) DeleteObject(ownFont_);
    ownFont_ = win32::CreateDesignFont(row_.extras, form_.Dpi());
  }
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(ownFont_ ? ownFont_ : form_.Font()),
               TRUE);
  if (row_.kind == Kind::Image) LoadPicture(width, height);
}

void NativeControl::LoadPicture(int width, int height) {
  // The designs name a picture by the name of its icon resource in the program file.
  const std::wstring name = win32::WideFromUtf8(row_.extras.picture);
  auto* icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, width, height, 0));
  SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  if (picture_) DestroyIcon(picture_);
  picture_ = icon;
}

void NativeControl::Notified(WORD code) {
  if (code != BN_CLICKED || form_.Closing()) return;
  switch (row_.kind) {
    case Kind::CommandButton:
    case Kind::CheckBox:
      static_cast<Clickable&>(Api()).FireClick();
      break;
    case Kind::OptionButton:
      Choose();
      break;
    default:
      break;
  }
}

void NativeControl::Activate() {
  switch (row_.kind) {
    case Kind::CommandButton:
      static_cast<Clickable&>(Api()).FireClick();
      break;
    case Kind::OptionButton:
      Choose();
      break;
    case Kind::CheckBox:
      SendMessageW(hwnd_, BM_SETCHECK, Checked() ? BST_UNCHECKED : BST_CHECKED, 0);
      static_cast<Clickable&>(Api()).FireClick();
      break;
    default:
      break;
  }
}

std::vector<NativeControl*> NativeControl::Group() const {
  std::vector<NativeControl*> group;
  for (const auto& control : form_.Controls()) {
    if (keyboard::InOneGroup(control->Row(), row_)) group.push_back(control.get());
  }
  return group;
}

bool NativeControl::Checked() const {
  return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The chosen button alone is checked and is its group's one Tab stop; Click runs only when
// the choice changes.
void NativeControl::Choose() {
  if (Checked()) return;
  for (NativeControl* option : Group()) {
    SendMessageW(option->hwnd_, BM_SETCHECK, option == this ? BST_CHECKED : BST_UNCHECKED, 0);
    const auto style = GetWindowLongPtrW(option->hwnd_, GWL_STYLE);
    SetWindowLongPtrW(option->hwnd_, GWL_STYLE,
                      option == this ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
  }
  static_cast<Clickable&>(Api()).FireClick();
}

HBRUSH NativeControl::Colours(HDC dc) const {
  std::uint32_t back = ColourValue(SystemColour::ButtonFace);
  if (row_.kind == Kind::TextBox) {
    back = static_cast<const TextBox&>(Api()).BackColor();
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  } else {
    if (row_.kind == Kind::Label && row_.extras.transparent) {
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    if (row_.extras.backColor) back = *row_.extras.backColor;
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  SetBkColor(dc, win32::ColourFromValue(back));
  return win32::BrushFor(back);
}

LRESULT NativeControl::Typed(HWND hwnd, WPARAM character, LPARAM lParam) {
  if (IsLowSurrogate(character) && dropLowSurrogate_) {
    dropLowSurrogate_ = false;
    return 0;
  }
  // Windows sends a character beyond 16 bits in two halves; the first stands for the whole.
  constexpr char32_t kBeyond16Bits = 0x10000;
  const std::int16_t code = KeyCodeOfCharacter(
      IsHighSurrogate(character) ? kBeyond16Bits : static_cast<char32_t>(character));
  const std::int16_t keyAscii = static_cast<const TextBox&>(Api()).FireKeyPress(code);
  constexpr std::int16_t kSelectAll = 1;
  if (keyAscii == kSelectAll && code == kSelectAll) SendMessageW(hwnd, EM_SETSEL, 0, -1);
  if (keyAscii == code) return DefSubclassProc(hwnd, WM_CHAR, character, lParam);
  dropLowSurrogate_ = IsHighSurrogate(character);
  if (keyAscii == 0) return 0;
  return DefSubclassProc(hwnd, WM_CHAR, static_cast<std::uint16_t>(keyAscii), lParam);
}

// Windows underlines one marked letter of a caption; a button's other access keys are
// underlined over its own painting, each where the caption with that mark alone puts it.
void NativeControl::UnderlineAccessKeys() const {
  const Caption caption = ReadCaption(win32::FromWide(Text()));
  HDC dc = GetDC(hwnd_);
  RECT rect;
  GetClientRect(hwnd_, &rect);
  const HGDIOBJ font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  SetBkMode(dc, TRANSPARENT);
  for (const std::size_t mark : caption.markedAt) {
    std::wstring one;
    for (std::size_t i = 0; i < caption.shown.size(); ++i) {
      if (i == mark) one += L'&';
      if (caption.shown[i] == u'&') one += L'&';
      one += static_cast<wchar_t>(caption.shown[i]);
    }
    DrawTextW(dc, one.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_PREFIXONLY);
  }
  SelectObject(dc, font);
  ReleaseDC(hwnd_, dc);
}

LRESULT CALLBACK NativeControl::Subclassed(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
  auto& control = *reinterpret_cast<NativeControl*>(self);
  switch (message) {
    case WM_CHAR:
      if (control.row_.kind == Kind::TextBox &&
          static_cast<const TextBox&>(control.Api()).HasKeyPress()) {
        return control.Typed(hwnd, wParam, lParam);
      }
      break;
    case WM_KEYDOWN:
      // The edit control selects all on the key, before the character Ctrl+A types; the
      // KeyPress handler judges that character first.
      if (wParam == 'A' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 &&
          control.row_.kind == Kind::TextBox &&
          static_cast<const TextBox&>(control.Api()).HasKeyPress()) {
        return 0;
      }
      break;
    case WM_SETFOCUS: {
      control.form_.RememberFocus(hwnd);
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      // Enter presses the focused button: it shows itself as the default while it has focus.
      if (control.row_.kind == Kind::CommandButton)
        SendMessageW(hwnd, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
      return result;
    }
    case WM_KILLFOCUS:
      if (control.row_.kind == Kind::CommandButton)
        SendMessageW(hwnd, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
      break;
    case WM_PAINT:
      if (control.row_.kind == Kind::CommandButton &&
          AccessKeysOf(control.Api().ShownCaption()).size() > 1) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        control.UnderlineAccessKeys();
        return result;
      }
      break;
    case WM_GETOBJECT:
      if (!control.accessibleName_.empty() && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT named =
                win32::NamedAccessibleObject(hwnd, control.accessibleName_, wParam))
          return named;
      }
      break;
    case WM_NCDESTROY:
      RemovePropW(hwnd, kControlProperty);
      RemoveWindowSubclass(hwnd, Subclassed, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace forms
