// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window and its controls as Win32 windows, from the window's design table.

#include "controls.h"
#include "forms/keyboard.h"
#include "forms/native.h"
#include "line.h"
#include "text.h"
#include "window.h"

namespace forms {
namespace {

// The dialog manager's ids of the controls' windows.
constexpr int kFirstControlId = 100;

struct WindowKind {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle = 0;
};

DWORD TextAlignment(Align align, DWORD left, DWORD right, DWORD centre) {
  switch (align) {
    case Align::Right:
      return right;
    case Align::Centre:
      return centre;
    case Align::Left:
      break;
  }
  return left;
}

WindowKind KindOf(const ControlDesign& row) {
  const Extras& x = row.extras;
  switch (row.kind) {
    case Kind::CommandButton:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP};
    case Kind::TextBox:
      return {WC_EDITW,
              ES_AUTOHSCROLL | WS_TABSTOP | (x.readOnly ? ES_READONLY : 0) |
                  TextAlignment(x.alignment, ES_LEFT, ES_RIGHT, ES_CENTER),
              WS_EX_CLIENTEDGE};
    case Kind::Label:
      // A framed label holds one line, in the middle of its height like the box beside it.
      return {WC_STATICW,
              TextAlignment(x.alignment, SS_LEFT, SS_RIGHT, SS_CENTER) |
                  (x.border ? SS_CENTERIMAGE : 0),
              x.border ? DWORD{WS_EX_STATICEDGE} : 0};
    case Kind::OptionButton:
      return {WC_BUTTONW, DWORD{BS_RADIOBUTTON} | (x.selected ? DWORD{WS_TABSTOP} : 0)};
    case Kind::CheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP};
    case Kind::Frame:
      return {WC_BUTTONW, BS_GROUPBOX};
    case Kind::Line:
      return {win32::LineClass(), 0};
    case Kind::Image:
      return {WC_STATICW, SS_ICON | SS_REALSIZECONTROL};
  }
  return {WC_STATICW, 0};
}

// The child windows' order is the painting order of the design, the later rows drawn over the
// earlier ones and the frames under everything; the keys follow the tab indexes, not this order.
std::vector<NativeControl*> TopFirst(const NativeForm& window) {
  std::vector<NativeControl*> order;
  for (const bool frames : {false, true}) {
    const auto& controls = window.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
      if (((*it)->ControlKind() == Kind::Frame) == frames) order.push_back(it->get());
    }
  }
  return order;
}

// One Tab stop for each option group: a group starts at its first button and ends at the
// control after it.
bool StartsGroup(const NativeControl* control, const NativeControl* before) {
  return !before || !keyboard::InOneGroup(control->Row(), before->Row());
}

void AddTooltip(const NativeForm& window, const NativeControl& control, const char* tip) {
  std::wstring text = win32::WideFromUtf8(tip);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window.Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  tool.lpszText = text.data();
  SendMessageW(window.Tooltips(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CreateWindowOf(NativeForm& window, NativeControl& control, bool startsGroup, int id) {
  const ControlDesign& row = control.Row();
  const WindowKind kind = KindOf(row);
  const DWORD style =
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style | (startsGroup ? WS_GROUP : 0);
  HWND hwnd = CreateWindowExW(kind.exStyle, kind.windowClass,
                              win32::WideFromUtf8(row.caption).c_str(), style, 0, 0, 0, 0,
                              window.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  control.Attach(hwnd);
  const Extras& x = row.extras;
  if (row.kind == Kind::TextBox && x.maxLength > 0)
    SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(x.maxLength), 0);
  if ((row.kind == Kind::OptionButton || row.kind == Kind::CheckBox) && x.selected)
    SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  if (x.toolTip) AddTooltip(window, control, x.toolTip);
}

}  // namespace

namespace native {

NativeForm* CreateForm(Form& form, const FormDesign& design) {
  return new NativeForm(form, design);
}

NativeControl& CreateControl(NativeForm& window, const ControlDesign& row, NativeControl* container,
                             Control& control) {
  NativeControl& native = window.Adopt(std::make_unique<NativeControl>(window, row, container));
  native.SetApi(control);
  return native;
}

// The child windows are made once every control is known, in the order they are painted.
void Built(NativeForm& window) {
  const NativeControl* before = nullptr;
  int id = kFirstControlId;
  for (NativeControl* control : TopFirst(window)) {
    CreateWindowOf(window, *control, StartsGroup(control, before), id++);
    before = control;
  }
  window.Layout();
}

}  // namespace native
}  // namespace forms
