// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include "forms/form.h"
#include "forms/style.h"
#include "order_design.h"
#include "test_support.h"

// The KeyPress hook of a text box: every typed character reaches the handler with its code
// before it enters the box; a code set to 0 discards it, a changed code enters as its character.
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
enum class Policy { Keep, DiscardAll, DiscardControl, OnlyDigits, Upper, OnePoint };

void Apply(Policy policy, std::int16_t& keyAscii, const QString& boxText) {
  switch (policy) {
    case Policy::Keep:
      break;
    case Policy::DiscardAll:
      keyAscii = 0;
      break;
    case Policy::DiscardControl:
      if (keyAscii < 32) keyAscii = 0;
      break;
    case Policy::OnlyDigits:
      if (keyAscii < '0' || keyAscii > '9') keyAscii = 0;
      break;
    case Policy::Upper:
      if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii = static_cast<std::int16_t>(keyAscii - 32);
      break;
    case Policy::OnePoint:
      // Judged by the box's text as it is when the character comes.
      if (keyAscii == '.' && boxText.contains(QLatin1Char('.'))) keyAscii = 0;
      break;
  }
}

// Records the codes the handler sees and applies `policy` to them.
struct Recorder {
  Policy policy = Policy::Keep;
  QList<int> codes;
  void Attach(forms::TextBox& box) {
    box.OnKeyPress([this, &box](std::int16_t& keyAscii) {
      codes << keyAscii;
      Apply(policy, keyAscii, box.Text());
    });
  }
};

}  // namespace

using test_support::Press;

void TextBoxTest::initTestCase() { forms::SetUpLook(*qApp); }

void TextBoxTest::keyPress_data() {
  QTest::addColumn<int>("policy");
  QTest::addColumn<bool>("selectAll");
  QTest::addColumn<bool>("cursorHome");
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("expectedText");
  QTest::addColumn<QList<int>>("codes");
  QTest::addColumn<QString>("expectedSelection");
  QTest::addColumn<QString>("expectedClipboard");

  const auto row = [](const char* name, Policy policy, bool selectAll, bool cursorHome,
                      const QString& clipboard, int key, Qt::KeyboardModifiers modifiers,
                      const QString& text, const QString& expectedText, const QList<int>& codes,
                      const QString& expectedSelection, const QString& expectedClipboard) {
    QTest::newRow(name) << static_cast<int>(policy) << selectAll << cursorHome << clipboard << key
                        << static_cast<int>(modifiers) << text << expectedText << codes
                        << expectedSelection << expectedClipboard;
  };
  const QString none;
  const QString clip = QStringLiteral("clip");
  row("code unchanged inserts", Policy::Keep, false, false, clip, Qt::Key_7, {}, "7", "127", {55},
      none, clip);
  row("code 0 discards", Policy::DiscardAll, false, false, clip, Qt::Key_7, {}, "7", "12", {55},
      none, clip);
  row("changed code inserts its character", Policy::Upper, false, false, clip, Qt::Key_B, {}, "b",
      "12B", {98}, none, clip);
  row("Ctrl+A reaches handler as 1, discarded selects nothing", Policy::DiscardControl, false,
      false, clip, Qt::Key_A, Qt::ControlModifier, "a", "12", {1}, none, clip);
  row("Ctrl+C reaches handler as 3, discarded copies nothing", Policy::DiscardControl, true, false,
      clip, Qt::Key_C, Qt::ControlModifier, "c", "12", {3}, "12", clip);
  row("Ctrl+V reaches handler as 22, discarded pastes nothing", Policy::DiscardControl, false,
      false, QStringLiteral("99"), Qt::Key_V, Qt::ControlModifier, "v", "12", {22}, none, "99");
  row("Ctrl+V kept pastes", Policy::Keep, false, false, QStringLiteral("99"), Qt::Key_V,
      Qt::ControlModifier, "v", "1299", {22}, none, "99");
  row("Shift+Insert pastes without a code", Policy::DiscardControl, false, false,
      QStringLiteral("99"), Qt::Key_Insert, Qt::ShiftModifier, "", "1299", {}, none, "99");
  row("Backspace reaches handler as 8, kept deletes", Policy::Keep, false, false, clip,
      Qt::Key_Backspace, {}, "\b", "1", {8}, none, clip);
  row("Backspace discarded", Policy::DiscardControl, false, false, clip, Qt::Key_Backspace, {},
      "\b", "12", {8}, none, clip);
  row("Delete never reaches handler", Policy::DiscardAll, false, true, clip, Qt::Key_Delete, {},
      "\x7f", "2", {}, none, clip);
  row("typing over a selection, discarded", Policy::OnlyDigits, true, false, clip, Qt::Key_X, {},
      "x", "12", {120}, "12", clip);
  row("typing over a selection, kept", Policy::OnlyDigits, true, false, clip, Qt::Key_5, {}, "5",
      "5", {53}, none, clip);
  row("Alt+M never reaches handler, nothing enters", Policy::DiscardAll, false, false, clip,
      Qt::Key_M, Qt::AltModifier, "m", "12", {}, none, clip);
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
  QFETCH(QList<int>, codes);
  QFETCH(QString, expectedSelection);
  QFETCH(QString, expectedClipboard);

  forms::Form form(order_design::kSizable);
  auto& box = form.Named<forms::TextBox>("Notes");
  Recorder recorder;
  recorder.Attach(box);
  box.SetText(QStringLiteral("12"));
  QGuiApplication::clipboard()->setText(clipboard);
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  box.setFocus(Qt::MouseFocusReason);
  QVERIFY(box.hasFocus());
  Press(Qt::Key_End);
  if (selectAll) Press(Qt::Key_Home, Qt::ShiftModifier);
  if (cursorHome) Press(Qt::Key_Home);
  QVERIFY(recorder.codes.isEmpty());

  recorder.policy = static_cast<Policy>(policy);
  QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), static_cast<Qt::Key>(key), text,
                      Qt::KeyboardModifiers::fromInt(modifiers));

  QCOMPARE(recorder.codes, codes);
  QCOMPARE(box.Text(), expectedText);
  QCOMPARE(box.selectedText(), expectedSelection);
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
  QVERIFY(QTest::qWaitForWindowActive(&form));
  notes.setFocus(Qt::MouseFocusReason);

  QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), Qt::Key_Tab,
                      QStringLiteral("\t"), Qt::NoModifier);
  QVERIFY(entry.hasFocus());
  QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), Qt::Key_Backtab,
                      QStringLiteral("\t"), Qt::ShiftModifier);
  QVERIFY(notes.hasFocus());
  QVERIFY(recorder.codes.isEmpty());
  QCOMPARE(notes.Text(), QString());
  QCOMPARE(entry.Text(), QStringLiteral("0"));
}

void TextBoxTest::inputMethodCommit_data() {
  QTest::addColumn<int>("policy");
  QTest::addColumn<QString>("commit");
  QTest::addColumn<QString>("expectedText");
  QTest::addColumn<QList<int>>("codes");

  const QString smiley = QString::fromUcs4(U"\U0001F600", 1);
  QTest::newRow("digits kept, others discarded") << int(Policy::OnlyDigits) << "1a.2"
                                                 << "1212" << QList<int>{49, 97, 46, 50};
  QTest::newRow("each character judged by the text before it")
      << int(Policy::OnePoint) << "3.4.5"
      << "123.45" << QList<int>{51, 46, 52, 46, 53};
  QTest::newRow("all kept") << int(Policy::Keep) << "x\u00e9"
                            << "12x\u00e9" << QList<int>{120, 233};
  QTest::newRow("changed codes enter as their characters") << int(Policy::Upper) << "ab"
                                                           << "12AB" << QList<int>{97, 98};
  QTest::newRow("all discarded") << int(Policy::DiscardAll) << "345"
                                 << "12" << QList<int>{51, 52, 53};
  QTest::newRow("character beyond 16 bits kept whole")
      << int(Policy::Keep) << smiley << QStringLiteral("12") + smiley << QList<int>{63};
  QTest::newRow("character beyond 16 bits discarded")
      << int(Policy::OnlyDigits) << smiley + QStringLiteral("7") << "127" << QList<int>{63, 55};
}

void TextBoxTest::inputMethodCommit() {
  QFETCH(int, policy);
  QFETCH(QString, commit);
  QFETCH(QString, expectedText);
  QFETCH(QList<int>, codes);

  forms::Form form(order_design::kSizable);
  auto& box = form.Named<forms::TextBox>("Notes");
  Recorder recorder;
  recorder.policy = static_cast<Policy>(policy);
  recorder.Attach(box);
  box.SetText(QStringLiteral("12"));
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  box.setFocus(Qt::OtherFocusReason);

  QInputMethodEvent event;
  event.setCommitString(commit);
  QApplication::sendEvent(&box, &event);

  QCOMPARE(recorder.codes, codes);
  QCOMPARE(box.Text(), expectedText);
}

QTEST_MAIN(TextBoxTest)
#include "text_box_test.moc"
