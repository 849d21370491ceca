// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "controls.h"
#include "design.h"

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

 protected:
  // Runs whenever the window goes away, by Unload or by the window system's close request.
  virtual void Form_Unload() {}

 private:
  Control& ControlNamed(const char* name, Kind kind) const;

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

// A design length in pixels at `dpi` dots per inch (15 twips to a pixel at the standard 96),
// rounded to the nearest pixel.
int PixelsFromTwips(int twips, int dpi = 96);

}  // namespace forms
