// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "forms/controls.h"

namespace forms {

// On Qt a control is a widget.
class NativeControl {
 public:
  explicit NativeControl(QWidget* widget) : widget_(*widget) {}
  virtual ~NativeControl() = default;
  QWidget& Widget() const { return widget_; }
  // The control whose native side this is; set as soon as both exist, before any event.
  Control& Api() const { return *api_; }
  void SetApi(Control& api) { api_ = &api; }

 private:
  QWidget& widget_;
  Control* api_ = nullptr;
};

namespace qt {

// The widget of a control, as the kind's Qt class.
template <class W = QWidget>
W& WidgetOf(const Control& control) {
  return static_cast<W&>(control.Native().Widget());
}

class CommandButtonWidget : public QPushButton, public NativeControl {
 public:
  explicit CommandButtonWidget(QWidget* parent);
};

class TextBoxWidget : public QLineEdit, public NativeControl {
 public:
  explicit TextBoxWidget(QWidget* parent);
  void ApplyBackColor();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // What a typed character puts in the box once the KeyPress handler has judged its code:
  // nothing when discarded, the character of a changed code, or the character as typed.
  std::optional<QString> Judged(std::int16_t code, const QString& typed);
  TextBox& Box() const { return static_cast<TextBox&>(Api()); }
};

class LabelWidget : public QLabel, public NativeControl {
 public:
  explicit LabelWidget(QWidget* parent);
};

class OptionButtonWidget : public QRadioButton, public NativeControl {
 public:
  explicit OptionButtonWidget(QWidget* parent);

 protected:
  // The whole box takes the click, not only the indicator and the caption's text.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void keyPressEvent(QKeyEvent* event) override;
};

class CheckBoxWidget : public QCheckBox, public NativeControl {
 public:
  explicit CheckBoxWidget(QWidget* parent);

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class FrameWidget : public QGroupBox, public NativeControl {
 public:
  explicit FrameWidget(QWidget* parent) : QGroupBox(parent), NativeControl(this) {}
};

// A picture stretched to fill the control.
class ImageWidget : public QLabel, public NativeControl {
 public:
  ImageWidget(QWidget* parent, const QPixmap& picture);
};

}  // namespace qt
}  // namespace forms
