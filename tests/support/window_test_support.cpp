// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "about_window/form2.h"
#include "forms/qt/style.h"
#include "main_window/form1.h"
#include "main_window/module1.h"

namespace test_support {

namespace {

// The shared values as a new process has them: all empty.
void ResetModule1() {
  Module1::ConversionFactor = velmara::Variant{};
  Module1::ReverseFactor = velmara::Variant{};
  Module1::EnergyDivisor = velmara::Variant{};
}

}  // namespace

void SetUpLook() {
  forms::qt::SetUpLook(*static_cast<QApplication*>(QCoreApplication::instance()));
}

void DiscardWindows() {
  if (auto* about = forms::IfLoaded<Form2>()) about->Unload();
  if (auto* main = forms::IfLoaded<Form1>()) main->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Form1* ShowFreshForm1() {
  DiscardWindows();
  ResetModule1();
  Form1& form = forms::Loaded<Form1>();
  form.SetVisible(true);
  return QTest::qWaitForWindowActive(&WindowOf(form)) ? &form : nullptr;
}

int RunProgram(const std::function<void()>& steps) {
  DiscardWindows();
  ResetModule1();
  return ExecWithWatchdog([&](QObject& context) { QTimer::singleShot(0, &context, steps); },
                          [] { return forms::Run<Form1>(); });
}

Form2* OpenAbout(Form1& form) {
  if (form.Command4.Caption() == u"&Muzzle Energy >>") Click(form.Command4);
  Click(form.Command8);
  Form2* about = forms::IfLoaded<Form2>();
  return about && QTest::qWaitForWindowActive(&WindowOf(*about)) ? about : nullptr;
}

void ClickInto(QLineEdit& box) {
  QTest::mouseClick(&box, Qt::LeftButton);
  Press(Qt::Key_End);
}

void ClickInto(const forms::TextBox& box) { ClickInto(WidgetOf<QLineEdit>(box)); }

void TypeOver(const forms::TextBox& box, const QString& text) {
  TypeOver(WidgetOf<QLineEdit>(box), text);
}

void TypeOver(QLineEdit& box, const QString& text) {
  ClickInto(box);
  Press(Qt::Key_Home, Qt::ShiftModifier);
  if (text.isEmpty()) {
    Press(Qt::Key_Delete);
  } else {
    Type(text);
  }
}

void PressWithKeyboard(const forms::Control& button) {
  WidgetOf(button).setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Space);
}

QColor RenderedBackground(const forms::TextBox& box) { return RenderedBackground(WidgetOf(box)); }

QColor RenderedBackground(QWidget& box) {
  return box.grab().toImage().pixelColor(5, box.height() / 2);
}

}  // namespace test_support
