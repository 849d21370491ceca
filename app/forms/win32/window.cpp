// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A form's top-level window: its frame, size, activation and the messages of its controls.
#include "window.h"

#include <algorithm>

#include "dpi.h"
#include "font.h"
#include "forms/native.h"
#include "keys.h"
#include "text.h"

namespace forms {
namespace {

constexpr const wchar_t* kFormClass = L"VelmaraForm";
constexpr UINT kRestore = WM_APP + 1;
constexpr UINT kActivateAnother = WM_APP + 2;
constexpr UINT kRecentre = WM_APP + 3;
constexpr int kMostRecentred = 3;

std::vector<NativeForm*>& Registry() {
  static std::vector<NativeForm*> forms;
  return forms;
}

bool RegisterFormClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = procedure;
    form.hInstance = GetModuleHandleW(nullptr);
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    return RegisterClassExW(&form) != 0;
  }();
  return registered;
}

HICON LoadIconSized(const char* name, int metric) {
  const int size = GetSystemMetrics(metric);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), win32::WideFromUtf8(name).c_str(),
                                       IMAGE_ICON, size, size, 0));
}

DWORD StyleOf(BorderStyle border) {
  switch (border) {
    case BorderStyle::FixedNoTitle:
      return WS_POPUP | WS_CLIPSIBLINGS;
    case BorderStyle::Sizable:
      break;
  }
  return (WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX) | WS_CLIPSIBLINGS;
}

}  // namespace

NativeForm::NativeForm(Form& form, const FormDesign& design)
    : form_(form), design_(design), clientHeightTwips_(design.clientHeight) {
  RegisterFormClass(Procedure);
  // A later window belongs to the first: it stays above it and gives the activation back to it.
  HWND owner = Registry().empty() ? nullptr : Registry().front()->hwnd_;
  // Windows chooses the place of a window with a title bar; the others are placed when shown.
  const int place = design.border == BorderStyle::Sizable ? CW_USEDEFAULT : 0;
  CreateWindowExW(0, kFormClass, win32::WideFromUtf8(design.caption).c_str(),
                  StyleOf(design.border), place, place, 0, 0, owner, nullptr,
                  GetModuleHandleW(nullptr), this);
  Registry().push_back(this);
  dpi_ = win32::DpiOf(hwnd_);
  font_ = win32::CreateDesignFont({}, dpi_);
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, hwnd_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (design.icon) {
    icons_ = {LoadIconSized(design.icon, SM_CXICON), LoadIconSized(design.icon, SM_CXSMICON)};
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_[0]));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_[1]));
  }
  // The access keys are underlined from the start, as the designs show them.
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
}

NativeForm::~NativeForm() {
  closing_ = true;
  auto& forms = Registry();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  if (hwnd_) DestroyWindow(hwnd_);
  for (HICON icon : icons_) DestroyIcon(icon);
  DeleteObject(font_);
}

const std::vector<NativeForm*>& NativeForm::All() { return Registry(); }

NativeForm* NativeForm::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  for (NativeForm* form : Registry()) {
    if (form->hwnd_ == hwnd) return form;
  }
  return nullptr;
}

int NativeForm::Origin() const {
  return design_.border == BorderStyle::FixedNoTitle
             ? PixelsFromTwips(kFixedFrame, static_cast<int>(dpi_))
             : 0;
}

NativeControl& NativeForm::Adopt(std::unique_ptr<NativeControl> control) {
  controls_.push_back(std::move(control));
  return *controls_.back();
}

void NativeForm::Layout() {
  for (const auto& control : controls_) control->Place();
  const int dpi = static_cast<int>(dpi_);
  const int width = PixelsFromTwips(design_.clientWidth, dpi) + 2 * Origin();
  const int height = PixelsFromTwips(clientHeightTwips_, dpi) + 2 * Origin();
  RECT outer;
  RECT client;
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &client);
  ownResize_ = true;
  SetWindowPos(hwnd_, nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
               height + (outer.bottom - outer.top) - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ownResize_ = false;
}

void NativeForm::SetClientHeight(int twips) {
  clientHeightTwips_ = twips;
  RECT outer;
  RECT client;
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &client);
  ownResize_ = true;
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left,
               PixelsFromTwips(twips, static_cast<int>(dpi_)) + 2 * Origin() +
                   (outer.bottom - outer.top) - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ownResize_ = false;
}

int NativeForm::ClientHeight() const {
  RECT client;
  GetClientRect(hwnd_, &client);
  return client.bottom;
}

bool NativeForm::Recentre() {
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (!owner) return false;
  RECT over;
  RECT own;
  GetWindowRect(owner, &over);
  GetWindowRect(hwnd_, &own);
  const int x = over.left + ((over.right - over.left) - (own.right - own.left)) / 2;
  const int y = over.top + ((over.bottom - over.top) - (own.bottom - own.top)) / 2;
  if (x == own.left && y == own.top) return false;
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void NativeForm::Show() {
  // A later window opens over the middle of the window it belongs to.
  if (!IsWindowVisible(hwnd_)) {
    Recentre();
    recentred_ = 0;
  }
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

void NativeForm::Hide() {
  const bool wasActive = GetActiveWindow() == hwnd_;
  ShowWindow(hwnd_, SW_HIDE);
  if (wasActive && !FromHandle(GetActiveWindow())) ActivateAnother();
}

void NativeForm::RestoreFocus() const {
  HWND target = lastFocus_;
  if (!target || !IsWindow(target) || !IsWindowEnabled(target) || !IsWindowVisible(target)) {
    const Control* first = form_.FirstTabStop();
    target = first ? first->Native().Handle() : nullptr;
  }
  if (target) SetFocus(target);
}

// The most recent other window that takes input gets the activation.
void NativeForm::ActivateAnother() const {
  const auto& forms = Registry();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    HWND other = (*it)->hwnd_;
    if (*it != this && IsWindowVisible(other) && (*it)->enabled_) {
      SetForegroundWindow(other);
      SetActiveWindow(other);
      return;
    }
  }
}

void NativeForm::SetDpi(UINT dpi) {
  dpi_ = dpi;
  DeleteObject(font_);
  font_ = win32::CreateDesignFont({}, dpi_);
  Layout();
}

void NativeForm::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  if (design_.border == BorderStyle::FixedNoTitle) {
    RECT rect;
    GetClientRect(hwnd_, &rect);
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT);
  }
  EndPaint(hwnd_, &paint);
}

LRESULT NativeForm::Coloured(HDC dc, HWND control) {
  if (const NativeControl* native = NativeControl::FromHandle(control))
    return reinterpret_cast<LRESULT>(native->Colours(dc));
  return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
}

LRESULT CALLBACK NativeForm::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<NativeForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<NativeForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form && message == WM_NCDESTROY) {
    // An owner's end takes the windows it owns with it, before their forms go.
    form->hwnd_ = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  }
  if (!form || message == WM_NCDESTROY) return DefWindowProcW(hwnd, message, wParam, lParam);
  return form->Handle(message, wParam, lParam);
}

LRESULT NativeForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (auto* control = NativeControl::FromHandle(reinterpret_cast<HWND>(lParam)))
        control->Notified(HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return Coloured(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CLOSE:
      form_.Unload();
      return 0;
    case WM_ACTIVATE:
      // X11 activates a window that is clicked even while it is disabled: the window that took
      // its input keeps the keyboard.
      if (LOWORD(wParam) != WA_INACTIVE && !enabled_) {
        PostMessageW(hwnd_, kActivateAnother, 0, 0);
      } else if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
        RestoreFocus();
      }
      return 0;
    case kActivateAnother:
      if (!enabled_ && GetActiveWindow() == hwnd_) ActivateAnother();
      return 0;
    case WM_MOUSEACTIVATE:
      if (!enabled_) {
        ActivateAnother();
        return MA_NOACTIVATEANDEAT;
      }
      break;
    case WM_MOVE:
      // The user cannot move a window without a title bar; moved by the system, it goes back
      // over the middle of its owner, a few times at most so as not to fight a window manager.
      if (design_.border == BorderStyle::FixedNoTitle && IsWindowVisible(hwnd_) &&
          recentred_ < kMostRecentred)
        PostMessageW(hwnd_, kRecentre, 0, 0);
      break;
    case kRecentre:
      // Wine under a reparenting window manager may take a new window's place from the corner
      // of a frame not yet placed, and then reads the clicks on it as falling beside it; asked
      // to put the window back, the window manager gives Wine its true place again.
      if (Recentre()) ++recentred_;
      return 0;
    case WM_SYSCOMMAND:
      // The window has no maximise button; a window manager may offer maximising anyway.
      if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
      break;
    case WM_SIZE:
      if (wParam == SIZE_MAXIMIZED) PostMessageW(hwnd_, kRestore, 0, 0);
      // The user's drag sets the height that a change of DPI keeps.
      if (wParam == SIZE_RESTORED && !ownResize_ && IsWindowVisible(hwnd_) &&
          design_.border == BorderStyle::Sizable)
        clientHeightTwips_ = TwipsFromPixels(HIWORD(lParam) - 2 * Origin(), static_cast<int>(dpi_));
      break;
    case kRestore:
      if (IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
      return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      SetDpi(HIWORD(wParam));
      return 0;
    }
    case WM_SYSCOLORCHANGE:
      SendMessageW(tooltips_, message, wParam, lParam);
      for (const auto& control : controls_)
        SendMessageW(control->Handle(), message, wParam, lParam);
      RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void NativeForm::SetEnabled(bool enabled) {
  enabled_ = enabled;
  // A disabled window loses the keyboard; enabled again, it starts from its first control.
  if (!enabled) {
    lastFocus_ = nullptr;
    if (IsChild(hwnd_, GetFocus())) SetFocus(nullptr);
  }
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

namespace native {

void DestroyForm(NativeForm* window) { delete window; }

void Show(NativeForm& window) { window.Show(); }
void Hide(NativeForm& window) { window.Hide(); }
bool IsVisible(const NativeForm& window) { return IsWindowVisible(window.Handle()) != FALSE; }
void SetEnabled(NativeForm& window, bool enabled) { window.SetEnabled(enabled); }
bool IsEnabled(const NativeForm& window) { return window.Enabled(); }

int ClientHeight(const NativeForm& window) { return window.ClientHeight(); }
int Dpi(const NativeForm& window) { return static_cast<int>(window.Dpi()); }
void SetClientHeight(NativeForm& window, int twips) { window.SetClientHeight(twips); }

}  // namespace native
}  // namespace forms
