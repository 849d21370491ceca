// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include <memory>

#include "colour.h"
#include "design.h"
#include "text.h"

// The control kinds of a window design, with the properties and events the windows' handlers
// use. Each platform's home of the forms layer gives every control a native counterpart; the
// properties reach it through the calls of native.h. Truth values follow the design: True is -1,
// False is 0.
namespace forms {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

using ClickHandler = std::function<void()>;
using KeyPressHandler = std::function<void(std::int16_t& keyAscii)>;

// The platform's side of a control: a widget, or a window handle with its state.
class NativeControl;

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const char* Name() const { return row_.name; }
  Kind ControlKind() const { return row_.kind; }
  const ControlDesign& Row() const { return row_; }
  NativeControl& Native() const { return *native_; }
  // Joins the control to its platform side, once, as its window is built.
  void Attach(NativeControl& native) { native_ = &native; }
  // The caption shown now: a box has none, its text is the user's.
  const String& ShownCaption() const { return caption_; }

 protected:
  explicit Control(const ControlDesign& row);
  // Shows a new caption, with the access keys and the name a screen reader says that follow it.
  void Recaption(const String& caption);

 private:
  const ControlDesign& row_;
  NativeControl* native_ = nullptr;
  String caption_;
};

// A button, an option button or a check box: its Click event, fired by the platform.
class Clickable : public Control {
 public:
  void OnClick(ClickHandler handler) { click_ = std::move(handler); }
  void FireClick() const {
    if (click_) click_();
  }

 protected:
  using Control::Control;

 private:
  ClickHandler click_;
};

class CommandButton : public Clickable {
 public:
  static constexpr Kind kKind = Kind::CommandButton;
  explicit CommandButton(const ControlDesign& row) : Clickable(row) {}
  String Caption() const { return ShownCaption(); }
  // Every letter marked with "&" is an access key: Alt with it presses the button, or, where
  // another control's caption marks the same letter, moves the focus between them.
  void SetCaption(const String& caption);
};

class TextBox : public Control {
 public:
  static constexpr Kind kKind = Kind::TextBox;
  explicit TextBox(const ControlDesign& row);
  String Text() const;
  void SetText(const String& text);
  std::uint32_t BackColor() const { return backColor_; }
  void SetBackColor(std::uint32_t value);
  // Paints the box now, not when the window system next asks.
  void Refresh();

  // Runs for each typed character before it enters the box; a code set to 0 discards it.
  void OnKeyPress(KeyPressHandler handler) { keyPress_ = std::move(handler); }
  bool HasKeyPress() const { return static_cast<bool>(keyPress_); }
  // Runs the KeyPress handler on a typed character's code; gives the code it leaves.
  std::int16_t FireKeyPress(std::int16_t keyAscii) const {
    if (keyPress_) keyPress_(keyAscii);
    return keyAscii;
  }

 private:
  std::uint32_t backColor_ = ColourValue(SystemColour::WindowBackground);
  KeyPressHandler keyPress_;
};

class Label : public Control {
 public:
  static constexpr Kind kKind = Kind::Label;
  explicit Label(const ControlDesign& row) : Control(row) {}
  String Caption() const { return ShownCaption(); }
  void SetCaption(const String& caption);
};

class OptionButton : public Clickable {
 public:
  static constexpr Kind kKind = Kind::OptionButton;
  explicit OptionButton(const ControlDesign& row) : Clickable(row) {}
  // True once the button is the selected one of its frame; its Click event then runs.
  std::int16_t Value() const;
};

class CheckBox : public Clickable {
 public:
  static constexpr Kind kKind = Kind::CheckBox;
  explicit CheckBox(const ControlDesign& row) : Clickable(row) {}
  // 1 ticked, 0 not; its Click event runs after each toggle.
  std::int16_t Value() const;
};

class Frame : public Control {
 public:
  static constexpr Kind kKind = Kind::Frame;
  explicit Frame(const ControlDesign& row) : Control(row) {}
};

class Line : public Control {
 public:
  static constexpr Kind kKind = Kind::Line;
  explicit Line(const ControlDesign& row) : Control(row) {}
};

class Image : public Control {
 public:
  static constexpr Kind kKind = Kind::Image;
  explicit Image(const ControlDesign& row) : Control(row) {}
};

// The control object for a row of a design, of the row's kind.
std::unique_ptr<Control> MakeControl(const ControlDesign& row);

}  // namespace forms
