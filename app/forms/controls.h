// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "design.h"
#include "text.h"

// The control kinds of a window design, with the properties and events the windows' handlers
// use. Each platform's home of the forms layer gives every control a native counterpart and
// defines the properties on it. Truth values follow the design: True is -1, False is 0.
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

  const char* Name() const { return name_; }
  Kind ControlKind() const { return kind_; }
  NativeControl& Native() const { return native_; }

 protected:
  Control(Kind kind, const char* name, NativeControl& native)
      : kind_(kind), name_(name), native_(native) {}

 private:
  Kind kind_;
  const char* name_;
  NativeControl& native_;
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
  CommandButton(const char* name, NativeControl& native) : Clickable(kKind, name, native) {}
  String Caption() const;
  // Every letter marked with "&" is an access key: Alt with it presses the button, or, where
  // another control's caption marks the same letter, moves the focus between them.
  void SetCaption(const String& caption);
};

class TextBox : public Control {
 public:
  static constexpr Kind kKind = Kind::TextBox;
  TextBox(const char* name, NativeControl& native) : Control(kKind, name, native) {}
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
  std::uint32_t backColor_ = 0x80000005;  // the window background system colour
  KeyPressHandler keyPress_;
};

class Label : public Control {
 public:
  static constexpr Kind kKind = Kind::Label;
  Label(const char* name, NativeControl& native) : Control(kKind, name, native) {}
  String Caption() const;
  void SetCaption(const String& caption);
};

class OptionButton : public Clickable {
 public:
  static constexpr Kind kKind = Kind::OptionButton;
  OptionButton(const char* name, NativeControl& native) : Clickable(kKind, name, native) {}
  // True once the button is the selected one of its frame; its Click event then runs.
  std::int16_t Value() const;
};

class CheckBox : public Clickable {
 public:
  static constexpr Kind kKind = Kind::CheckBox;
  CheckBox(const char* name, NativeControl& native) : Clickable(kKind, name, native) {}
  // 1 ticked, 0 not; its Click event runs after each toggle.
  std::int16_t Value() const;
};

class Frame : public Control {
 public:
  static constexpr Kind kKind = Kind::Frame;
  Frame(const char* name, NativeControl& native) : Control(kKind, name, native) {}
};

class Line : public Control {
 public:
  static constexpr Kind kKind = Kind::Line;
  Line(const char* name, NativeControl& native) : Control(kKind, name, native) {}
};

class Image : public Control {
 public:
  static constexpr Kind kKind = Kind::Image;
  Image(const char* name, NativeControl& native) : Control(kKind, name, native) {}
};

}  // namespace forms
