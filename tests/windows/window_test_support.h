#pragma once

#include <cstdint>
#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "about_window/form2.h"
#include "forms/style.h"
#include "main_window/form1.h"
#include "main_window/module1.h"

// What the window tests share: a fresh main window, and a user's clicks and keys.
namespace window_test {

inline void SetUpLook() {
  forms::SetUpLook(*static_cast<QApplication*>(QCoreApplication::instance()));
}

// Unloads whatever windows are left and lets their deferred deletion run.
inline void DiscardWindows() {
  if (auto* about = forms::IfLoaded<Form2>()) about->Unload();
  if (auto* main = forms::IfLoaded<Form1>()) main->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The shared values as a new process has them: all empty.
inline void ResetModule1() {
  Module1::ConversionFactor = velmara::Variant{};
  Module1::ReverseFactor = velmara::Variant{};
  Module1::EnergyDivisor = velmara::Variant{};
}

// A main window as the program starts it: loaded with the shared values empty, shown and active.
// Null when it did not become the active window.
inline Form1* ShowFreshForm1() {
  DiscardWindows();
  ResetModule1();
  Form1& form = forms::Loaded<Form1>();
  form.SetVisible(true);
  return QTest::qWaitForWindowActive(&form) ? &form : nullptr;
}

// Starts the program's event loop from a fresh start-up main window as the program's entry
// does, runs `steps` once the loop is running, and gives exec()'s result: -1 when the loop was
// still running after 10 seconds.
inline int RunProgram(const std::function<void()>& steps) {
  DiscardWindows();
  ResetModule1();
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [] { QCoreApplication::exit(-1); });
  watchdog.start(10000);
  QTimer::singleShot(0, &watchdog, steps);
  const int result = forms::Run<Form1>();
  watchdog.stop();
  return result;
}

// A left click where a user clicks: a command button in its middle, an option button or a check
// box on its indicator.
inline void Click(QAbstractButton& button) {
  const bool indicator = qobject_cast<QRadioButton*>(&button) || qobject_cast<QCheckBox*>(&button);
  const int middle = button.height() / 2;
  QTest::mouseClick(&button, Qt::LeftButton, {},
                    indicator ? QPoint(middle, middle) : button.rect().center());
}

// A key pressed and released where the keyboard focus is.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

// ASCII characters typed one by one where the keyboard focus is.
inline void Type(const QString& text) { QTest::keyClicks(static_cast<QWidget*>(nullptr), text); }

// One key that types a character outside ASCII where the keyboard focus is.
inline void TypeCharacter(Qt::Key key, const QString& text) {
  QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), key, text, Qt::NoModifier);
}

// Clicks into a box and puts the cursor after its text.
inline void ClickInto(QLineEdit& box) {
  QTest::mouseClick(&box, Qt::LeftButton);
  Press(Qt::Key_End);
}

// Replaces a box's text as a user does: clicks into it, selects its text with Shift+Home, and
// types over it (Delete when the new text is empty).
inline void TypeOver(QLineEdit& box, const QString& text) {
  ClickInto(box);
  Press(Qt::Key_Home, Qt::ShiftModifier);
  if (text.isEmpty()) {
    Press(Qt::Key_Delete);
  } else {
    Type(text);
  }
}

// Presses a button with the keyboard: focus on it, then Space.
inline void PressWithKeyboard(QAbstractButton& button) {
  button.setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Space);
}

// The colours of the energy box: green, yellow and red as blue-green-red values, and the
// palette's button colour for the system colours button face and menu.
inline QColor ExpectedColour(std::uint32_t value) {
  switch (value) {
    case 65280:
      return {0, 255, 0};
    case 65535:
      return {255, 255, 0};
    case 255:
      return {255, 0, 0};
    default:
      return QApplication::palette().color(QPalette::Active, QPalette::Button);
  }
}

// The background a box is drawn with, sampled left of its right-aligned text.
inline QColor RenderedBackground(QLineEdit& box) {
  return box.grab().toImage().pixelColor(5, box.height() / 2);
}

}  // namespace window_test
