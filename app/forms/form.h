// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "controls.h"
#include "design.h"
#include "held_size.h"

namespace forms {

// A window built from its design table: every control at its place, size, caption and start
// value, in the focus order of its tab indexes. Handlers reach controls by their design names.
class Form : public QWidget {
 public:
  explicit Form(const FormDesign& design);

  template <class Control>
  Control& Named(const char* name) const {
    auto* control = findChild<Control*>(QString::fromLatin1(name));
    Q_ASSERT_X(control, name, "no control of that name and kind in the design");
    return *control;
  }

  // The window's height in twips, counted with a frame of the design's size (a title bar of
  // 345 and a bottom edge of 60 on a sizable window), whatever frame the window system draws:
  // setting it sets the client area's height.
  int Height() const;
  void SetHeight(int twips);

  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled) { setEnabled(enabled); }
  bool Visible() const { return isVisible(); }
  void SetVisible(bool visible);

  // Closes and discards the window. Unloading the start-up window ends the program, and every
  // other window goes with it.
  void Unload();
  bool IsUnloading() const { return unloading_; }
  void MakeStartupForm() { startup_ = true; }

 protected:
  // Runs whenever the window goes away, by Unload or by the window system's close request.
  virtual void Form_Unload() {}

  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Build(const FormDesign& design);
  int FrameWidth() const;
  // The program's other windows.
  std::vector<Form*> OtherForms() const;

  // Resizes the window as the program's own change of size.
  void ResizeTo(QSize size);

  BorderStyle border_;
  QWidget* client_;
  HeldSize size_;
  bool unloading_ = false;
  bool startup_ = false;
};

// The one instance of a window, created and loaded on first use, as a window named in code is.
template <class F>
QPointer<F>& InstanceOf() {
  static QPointer<F> instance;
  return instance;
}

template <class F>
F& Loaded() {
  auto& instance = InstanceOf<F>();
  if (!instance || instance->IsUnloading()) instance = new F();
  return *instance;
}

// The window if it is loaded, without loading it.
template <class F>
F* IfLoaded() {
  auto& instance = InstanceOf<F>();
  return instance && !instance->IsUnloading() ? instance.data() : nullptr;
}

// Starts the program with its start-up window: loaded, shown, and the events delivered until it
// is unloaded.
template <class F>
int Run() {
  F& form = Loaded<F>();
  form.MakeStartupForm();
  form.SetVisible(true);
  return QApplication::exec();
}

int PixelsFromTwips(int twips);

}  // namespace forms
