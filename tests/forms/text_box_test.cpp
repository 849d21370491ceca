// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include "forms/form.h"
#include "forms/qt/style.h"
#include "order_design.h"
#include "test_support.h"

using test_support::ToQString;
using test_support::WidgetOf;
using test_support::WindowOf;

// The KeyPress hook of a text box: every typed character reaches the handler once, before it
// enters the box; a code set to 0 discards it. Keys without a code go to the box untouched.
class TextBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void keyPress_data();
  void keyPress();
  void tabMovesFocusWithoutReachingHandler();
  void inputMethodCommit_data();
  void inputMethodCommit();
};

namespace {

// What the handler does with each code.
enum class Policy { DiscardAll, DiscardControl, OnlyDigits, OnePoint };

void Apply(Policy policy, std::int16_t& keyAscii, const QString& boxText) {
  switch (policy) {
    case Policy::DiscardAll:
      keyAscii = 0;
      break;
    case Policy::DiscardControl:
      if (keyAscii < 32) keyAscii = 0;
      break;
    case Policy::OnlyDigits:
      if (keyAscii < '0' || keyAscii > '9') keyAscii = 0;
      break;
    case Policy::OnePoint:
      // Judged by the box's text as it is when the character comes.
      if (keyAscii == '.' && boxText.contains(QLatin1Char('.'))) keyAscii = 0;
      break;
  }
}

// Counts the handler's runs and applies `policy` to the codes. Which key gives which code is
// the key code test's.
struct Recorder {
  Policy policy = Policy::DiscardAll;
  int calls = 0;
  void Attach(forms::TextBox& box) {
    box.OnKeyPress([this, &box](std::int16_t& keyAscii) {
      ++calls;
      Apply(policy, keyAscii, ToQString(box.Text()));
    });
  }
};

}  // namespace

using test_support::Press;

void TextBoxTest::initTestCase() { forms::qt::SetUpLook(*qApp); }

void TextBoxTest::keyPress_data() {
  QTest::addColumn<int>("policy");
  QTest::addColumn<bool>("selectAll");
  QTest::addColumn<bool>("cursorHome");
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("expectedText");
  QTest::addColumn<int>("calls");
  QTest::addColumn<QString>("expectedSelection");
  QTest::addColumn<QString>("expectedClipboard");

  const auto row = [](const char* name, Policy policy, bool selectAll, bool cursorHome,
                      const QString& clipboard, int key, Qt::KeyboardModifiers modifiers,
                      const QString& text, const QString& expectedText, int calls,
                      const QString& expectedSelection, const QString& expectedClipboard) {
    QTest::newRow(name) << static_cast<int>(policy) << selectAll << cursorHome << clipboard << key
                        << static_cast<int>(modifiers) << text << expectedText << calls
                        << expectedSelection << expectedClipboard;
  };
  const QString none;
  const QString clip = QStringLiteral("clip");
  row("code 0 discards", Policy::DiscardAll, false, false, clip, Qt::Key_7, {}, "7", "12", 1, none,
      clip);
  row("Ctrl+A discarded selects nothing", Policy::DiscardControl, false, false, clip, Qt::Key_A,
      Qt::ControlModifier, "a", "12", 1, none, clip);
  row("Ctrl+C discarded copies nothing", Policy::DiscardControl, true, false, clip, Qt::Key_C,
      Qt::ControlModifier, "c", "12", 1, "12", clip);
  row("Ctrl+V discarded pastes nothing", Policy::DiscardControl, false, false, QStringLiteral("99"),
      Qt::Key_V, Qt::ControlModifier, "v", "12", 1, none, "99");
  row("Shift+Insert pastes without a code", Policy::DiscardControl, false, false,
      QStringLiteral("99"), Qt::Key_Insert, Qt::ShiftModifier, "", "1299", 0, none, "99");
  row("Backspace discarded", Policy::DiscardControl, false, false, clip, Qt::Key_Backspace, {},
      "\b", "12", 1, none, clip);
  row("Delete never reaches handler", Policy::DiscardAll, false, true, clip, Qt::Key_Delete, {},
      "\x7f", "2", 0, none, clip);
  row("typing over a selection, discarded", Policy::OnlyDigits, true, false, clip, Qt::Key_X, {},
      "x", "12", 1, "12", clip);
  row("typing over a selection, kept", Policy::OnlyDigits, true, false, clip, Qt::Key_5, {}, "5",
      "5", 1, none, clip);
  row("Alt+M never reaches handler, nothing enters", Policy::DiscardAll, false, false, clip,
      Qt::Key_M, Qt::AltModifier, "m", "12", 0, none, clip);
}

void TextBoxTest::keyPress() {
  QFETCH(int, policy);
  QFETCH(bool, selectAll);
  QFETCH(bool, cursorHome);
  QFETCH(QString, clipboard);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, text);
  QFETCH(QString, expectedText);
  QFETCH(int, calls);
  QFETCH(QString, expectedSelection);
  QFETCH(QString, expectedClipboard);

  forms::Form form(order_design::kSizable);
  auto& box = form.Named<forms::TextBox>("Notes");
  Recorder recorder;
  recorder.Attach(box);
  box.SetText(u"12");
  QGuiApplication::clipboard()->setText(clipboard);
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&WindowOf(form)));
  WidgetOf(box).setFocus(Qt::MouseFocusReason);
  QVERIFY(WidgetOf(box).hasFocus());
  Press(Qt::Key_End);
  if (selectAll) Press(Qt::Key_Home, Qt::ShiftModifier);
  if (cursorHome) Press(Qt::Key_Home);
  QCOMPARE(recorder.calls, 0);

  recorder.policy = static_cast<Policy>(policy);
  QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), static_cast<Qt::Key>(key), text,
                      Qt::KeyboardModifiers::fromInt(modifiers));

  QCOMPARE(recorder.calls, calls);
  QCOMPARE(box.Text(), expectedText);
  QCOMPARE(WidgetOf<QLineEdit>(box).selectedText(), expectedSelection);
  QCOMPARE(QGuiApplication::clipboard()->text(), expectedClipboard);
}

void TextBoxTest::tabMovesFocusWithoutReachingHandler() {
  forms::Form form(order_design::kSizable);
  auto& notes = form.Named<forms::TextBox>("Notes");
  auto& entry = form.Named<forms::TextBox>("Entry");
  Recorder recorder;
  recorder.Attach(notes);
  recorder.Attach(entry);
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&WindowOf(form)));
  WidgetOf(notes).setFocus(Qt::MouseFocusReason);

  QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), Qt::Key_Tab,
                      QStringLiteral("\t"), Qt::NoModifier);
  QVERIFY(WidgetOf(entry).hasFocus());
  QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), Qt::Key_Backtab,
                      QStringLiteral("\t"), Qt::ShiftModifier);
  QVERIFY(WidgetOf(notes).hasFocus());
  QCOMPARE(recorder.calls, 0);
  QCOMPARE(notes.Text(), QString());
  QCOMPARE(entry.Text(), QStringLiteral("0"));
}

void TextBoxTest::inputMethodCommit_data() {
  QTest::addColumn<int>("policy");
  QTest::addColumn<QString>("commit");
  QTest::addColumn<QString>("expectedText");
  QTest::addColumn<int>("calls");

  const QString smiley = QString::fromUcs4(U"\U0001F600", 1);
  QTest::newRow("digits kept, others discarded")
      << int(Policy::OnlyDigits) << QStringLiteral("1a.\u00e92") << "1212" << 5;
  QTest::newRow("each character judged by the text before it") << int(Policy::OnePoint) << "3.4.5"
                                                               << "123.45" << 5;
  QTest::newRow("all discarded") << int(Policy::DiscardAll) << "345"
                                 << "12" << 3;
  QTest::newRow("character beyond 16 bits discarded")
      << int(Policy::OnlyDigits) << smiley + QStringLiteral("7") << "127" << 2;
}

void TextBoxTest::inputMethodCommit() {
  QFETCH(int, policy);
  QFETCH(QString, commit);
  QFETCH(QString, expectedText);
  QFETCH(int, calls);

  forms::Form form(order_design::kSizable);
  auto& box = form.Named<forms::TextBox>("Notes");
  Recorder recorder;
  recorder.policy = static_cast<Policy>(policy);
  recorder.Attach(box);
  box.SetText(u"12");
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&WindowOf(form)));
  WidgetOf(box).setFocus(Qt::OtherFocusReason);

  QInputMethodEvent event;
  event.setCommitString(commit);
  QApplication::sendEvent(&WidgetOf(box), &event);

  QCOMPARE(recorder.calls, calls);
  QCOMPARE(box.Text(), expectedText);
}

QTEST_MAIN(TextBoxTest)
#include "text_box_test.moc"
