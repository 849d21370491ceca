// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "controls.h"
#include "forms/form.h"
#include "win_api.h"

namespace forms {

// On Win32 a window is a top-level window whose client area holds the controls' child windows;
// a window without a title bar draws its own thin frame inside its edge.
class NativeForm {
 public:
  NativeForm(Form& form, const FormDesign& design);
  NativeForm(const NativeForm&) = delete;
  NativeForm& operator=(const NativeForm&) = delete;
  ~NativeForm();

  Form& Api() const { return form_; }
  HWND Handle() const { return hwnd_; }
  UINT Dpi() const { return dpi_; }
  HFONT Font() const { return font_; }
  HWND Tooltips() const { return tooltips_; }
  // Where the controls' design coordinates start in the client area, in pixels.
  int Origin() const;
  const std::vector<std::unique_ptr<NativeControl>>& Controls() const { return controls_; }
  NativeControl& Adopt(std::unique_ptr<NativeControl> control);

  // Places every control and sizes the window for the current DPI.
  void Layout();
  // Sets the client area's height, given in twips, inside the frame the window has.
  void SetClientHeight(int twips);
  int ClientHeight() const;
  void Show();
  void Hide();

  // The control that had the keyboard last; it gets it back when the window is activated.
  void RememberFocus(HWND control) { lastFocus_ = control; }
  void RestoreFocus() const;
  bool Closing() const { return closing_; }
  // Whether the window takes input: a disabled window, as Windows has it, takes none.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  static NativeForm* FromHandle(HWND hwnd);
  // The loaded windows, in the order they were built.
  static const std::vector<NativeForm*>& All();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Coloured(HDC dc, HWND control);
  void Paint();
  // Moves a window that belongs to another over the middle of its owner; false when it is there
  // already.
  bool Recentre();
  void SetDpi(UINT dpi);
  void ActivateAnother() const;

  Form& form_;
  const FormDesign& design_;
  HWND hwnd_ = nullptr;
  HWND tooltips_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
  int clientHeightTwips_;
  HWND lastFocus_ = nullptr;
  bool closing_ = false;
  bool ownResize_ = false;
  bool enabled_ = true;
  int recentred_ = 0;
  std::vector<HICON> icons_;
  std::vector<std::unique_ptr<NativeControl>> controls_;
};

}  // namespace forms
