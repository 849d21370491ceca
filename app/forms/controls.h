// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

// The control kinds of a window design, as thin Qt widgets with the properties and events the
// windows' handlers use. Truth values follow the design: True is -1, False is 0.
namespace forms {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

using ClickHandler = std::function<void()>;
using KeyPressHandler = std::function<void(std::int16_t& keyAscii)>;

class CommandButton : public QPushButton {
 public:
  explicit CommandButton(QWidget* parent);
  QString Caption() const { return text(); }
  // The name read out follows the caption, without its access-key marks. Every marked letter
  // presses the button with Alt, not only the first one that Qt itself takes.
  void SetCaption(const QString& caption);
  void OnClick(ClickHandler handler) { click_ = std::move(handler); }

 private:
  ClickHandler click_;
  std::vector<QShortcut*> furtherAccessKeys_;
};

class TextBox : public QLineEdit {
 public:
  explicit TextBox(QWidget* parent);
  QString Text() const { return text(); }
  void SetText(const QString& text) { setText(text); }
  std::uint32_t BackColor() const { return backColor_; }
  void SetBackColor(std::uint32_t value);
  void Refresh() { repaint(); }
  // Runs for each typed character before it enters the box; a code set to 0 discards it.
  void OnKeyPress(KeyPressHandler handler) { keyPress_ = std::move(handler); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ApplyBackColor();
  // What a typed character puts in the box once the KeyPress handler has judged its code:
  // nothing when discarded, the character of a changed code, or the character as typed.
  std::optional<QString> Judged(std::int16_t code, const QString& typed);
  std::uint32_t backColor_;
  KeyPressHandler keyPress_;
};

class Label : public QLabel {
 public:
  explicit Label(QWidget* parent);
  QString Caption() const { return text(); }
  // The name read out follows the caption, without its access-key marks.
  void SetCaption(const QString& caption) {
    setText(caption);
    setAccessibleName(QString(caption).remove(QLatin1Char('&')));
  }
};

class OptionButton : public QRadioButton {
 public:
  explicit OptionButton(QWidget* parent);
  QString Caption() const { return text(); }
  std::int16_t Value() const { return isChecked() ? kTrue : kFalse; }
  // The Tab key stops once on an option group: on its selected button.
  void MakeTabStopOfGroup();
  // Runs once the button has become the selected one of its frame.
  void OnClick(ClickHandler handler) { click_ = std::move(handler); }

 protected:
  // The whole box takes the click, not only the indicator and the caption's text.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ClickHandler click_;
};

class CheckBox : public QCheckBox {
 public:
  explicit CheckBox(QWidget* parent);
  QString Caption() const { return text(); }
  std::int16_t Value() const { return isChecked() ? 1 : 0; }
  // Runs after Value has toggled.
  void OnClick(ClickHandler handler) { click_ = std::move(handler); }

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

 private:
  ClickHandler click_;
};

class Frame : public QGroupBox {
 public:
  explicit Frame(QWidget* parent) : QGroupBox(parent) {}
};

// A straight line drawn in the window's text colour, one pixel wide.
class Line : public QWidget {
 public:
  Line(QWidget* parent, QPoint from, QPoint to);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
};

// A picture stretched to fill the control.
class Image : public QLabel {
 public:
  Image(QWidget* parent, const QString& picture);
};

}  // namespace forms
