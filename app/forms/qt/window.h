// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "forms/form.h"
#include "held_size.h"

namespace forms {

// On Qt a window is a top-level widget; its controls sit on a client area inside its frame.
class NativeForm : public QWidget {
 public:
  NativeForm(Form& form, BorderStyle border);

  Form& Api() const { return form_; }
  QWidget& Client() const { return *client_; }

  // Resizes the window as the program's own change of size.
  void ResizeTo(QSize size);
  void Show();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Tab and Shift+Tab, and the access keys: the shared rules decide (keys.cpp).
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int FrameWidth() const;

  Form& form_;
  BorderStyle border_;
  QWidget* client_;
  qt::HeldSize size_;
};

namespace qt {

// The window of a form.
inline QWidget& WindowOf(const Form& form) { return form.Native(); }

// The window a control's widget lies in.
inline NativeForm& FormOf(const QWidget& widget) {
  return static_cast<NativeForm&>(*widget.window());
}

}  // namespace qt
}  // namespace forms
