// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "controls.h"
#include "design.h"
#include "keyboard.h"
#include "twips.h"

namespace forms {

// The platform's side of a window.
class NativeForm;
struct NativeFormDeleter {
  void operator()(NativeForm* native) const;
};

// A window built from its design table: every control at its place, size, caption and start
// value, in the focus order of its tab indexes. Handlers reach controls by their design names.
class Form {
 public:
  explicit Form(const FormDesign& design);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  template <class C>
  C& Named(const char* name) const {
    return static_cast<C&>(ControlNamed(name, C::kKind));
  }

  // The window's height in twips, counted with a frame of the design's size (a title bar of
  // 345 and a bottom edge of 60 on a sizable window), whatever frame the window system draws:
  // setting it sets the client area's height.
  int Height() const;
  void SetHeight(int twips);

  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);

  // Closes and discards the window. Unloading the start-up window ends the program, and every
  // other window goes with it.
  void Unload();
  bool IsUnloading() const { return unloading_; }
  void MakeStartupForm() { startup_ = true; }

  NativeForm& Native() const { return *native_; }

  // The keys the window's home hands over. Each gives whether the key did something.
  bool TabKey(bool backwards);
  // An arrow key while an option button has the keyboard.
  bool ArrowKey(keyboard::Arrow arrow);
  // Alt with a letter; nothing while the window is disabled.
  bool AccessKey(char16_t letter);
  // The control the window's keyboard starts on, if one takes it.
  Control* FirstTabStop() const;

 protected:
  // Runs whenever the window goes away, by Unload or by the window system's close request.
  virtual void Form_Unload() {}

 private:
  Control& ControlNamed(const char* name, Kind kind) const;
  // The controls as the keyboard rules read them now.
  std::vector<keyboard::ControlState> KeyboardStates() const;
  std::optional<std::size_t> Focused() const;
  void FocusFromKey(std::size_t control);

  const FormDesign& design_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::unique_ptr<NativeForm, NativeFormDeleter> native_;
  bool unloading_ = false;
  bool startup_ = false;
};

// Keeps a loaded window alive until it is unloaded and its events are done.
void Adopt(std::shared_ptr<Form> form);

// The one instance of a window, created and loaded on first use, as a window named in code is.
template <class F>
std::weak_ptr<F>& InstanceOf() {
  static std::weak_ptr<F> instance;
  return instance;
}

template <class F>
F& Loaded() {
  auto& instance = InstanceOf<F>();
  if (auto live = instance.lock(); live && !live->IsUnloading()) return *live;
  auto form = std::make_shared<F>();
  instance = form;
  Adopt(form);
  return *form;
}

// The window if it is loaded, without loading it.
template <class F>
F* IfLoaded() {
  auto live = InstanceOf<F>().lock();
  return live && !live->IsUnloading() ? live.get() : nullptr;
}

// Delivers the windows' events until the start-up window is unloaded; gives the exit status.
int RunEventLoop();

// Starts the program with its start-up window: loaded, shown, and the events delivered until it
// is unloaded.
template <class F>
int Run() {
  F& form = Loaded<F>();
  form.MakeStartupForm();
  form.SetVisible(true);
  return RunEventLoop();
}

}  // namespace forms
