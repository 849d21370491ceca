// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "forms/controls.h"
#include "win_api.h"

namespace forms {

class NativeForm;

// On Win32 a control is a child window of its form's client area, with the row of the design
// it was built from.
class NativeControl {
 public:
  // `container`: the frame the design places it in, or nullptr for the window itself.
  NativeControl(NativeForm& form, const ControlDesign& row, const NativeControl* container);
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;
  ~NativeControl();

  NativeForm& Form() const { return form_; }
  const ControlDesign& Row() const { return row_; }
  Kind ControlKind() const { return row_.kind; }
  HWND Handle() const { return hwnd_; }
  void Attach(HWND hwnd);
  // The control whose native side this is; set as soon as both exist, before any event.
  Control& Api() const { return *api_; }
  void SetApi(Control& api) { api_ = &api; }

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  // The name a screen reader says, when the control's own would not do; empty for its own.
  void SetAccessibleName(std::wstring name) { accessibleName_ = std::move(name); }

  // Places and sizes the window at the form's DPI, with the form's font or its own.
  void Place();
  // A notification of the child window: a button pressed, an option or a check box clicked.
  void Notified(WORD code);
  // What an access key or Enter does: a button is pressed, an option chosen, a box ticked.
  void Activate();
  // The buttons of this option's group, in the design's order.
  std::vector<NativeControl*> Group() const;
  // Makes this option button its group's chosen one; Click runs when the choice changes.
  void Choose();
  bool Checked() const;

  // The colours of a box or label, set on `dc`; the brush its background is painted with.
  HBRUSH Colours(HDC dc) const;

  static NativeControl* FromHandle(HWND hwnd);

 private:
  static LRESULT CALLBACK Subclassed(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
  LRESULT Typed(HWND hwnd, WPARAM character, LPARAM lParam);
  void LoadPicture(int width, int height);
  void UnderlineAccessKeys() const;
  // The control's top-left corner in its window's client area, in pixels.
  POINT Corner() const;

  NativeForm& form_;
  const ControlDesign& row_;
  const NativeControl* container_;
  HWND hwnd_ = nullptr;
  HFONT ownFont_ = nullptr;
  HICON picture_ = nullptr;
  Control* api_ = nullptr;
  std::wstring accessibleName_;
  // The second half of a character beyond 16 bits whose first half was discarded.
  bool dropLowSurrogate_ = false;
};
}  // namespace forms
