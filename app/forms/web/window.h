// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "forms/form.h"

namespace forms {

// In the page a control is an element, known to the page by its number.
class NativeControl {
 public:
  NativeControl(NativeForm& form, const ControlDesign& row, Control& api, int id)
      : form_(form), row_(row), api_(api), id_(id) {}

  NativeForm& Form() const { return form_; }
  const ControlDesign& Row() const { return row_; }
  Control& Api() const { return api_; }
  int Id() const { return id_; }

  static NativeControl* FromId(int id);

 private:
  NativeForm& form_;
  const ControlDesign& row_;
  Control& api_;
  int id_;
};

// The sizable window is the page itself, its client area a block at the design's size; a window
// without a title bar is a modal dialog over it.
class NativeForm {
 public:
  NativeForm(Form& form, const FormDesign& design);
  NativeForm(const NativeForm&) = delete;
  NativeForm& operator=(const NativeForm&) = delete;
  ~NativeForm();

  Form& Api() const { return form_; }
  int Id() const { return id_; }
  NativeControl& Adopt(const ControlDesign& row, Control& api);

  // The client area's height in CSS pixels, 15 twips each.
  int ClientHeight() const { return clientHeight_; }
  void SetClientHeight(int pixels);
  bool Shown() const { return shown_; }
  void SetShown(bool shown);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // A window shown for the first time, or that lost the keyboard while disabled, starts from its
  // first Tab stop once it takes input and no dialog is over it.
  void ResumeKeyboard();

  static NativeForm* FromId(int id);

 private:
  Form& form_;
  const FormDesign& design_;
  int id_;
  int clientHeight_;
  bool shown_ = false;
  bool enabled_ = true;
  bool lostKeyboard_ = true;
  std::vector<std::unique_ptr<NativeControl>> controls_;
};

}  // namespace forms
