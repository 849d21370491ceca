// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeyEvent>
#include <QTest>

#include "forms/qt/key_code.h"

// Which keys reach a KeyPress handler, and with which 16-bit code.
class KeyCodeTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void codeOfKey_data();
  void codeOfKey();
};

namespace {
constexpr int kNoCode = -1;

void AddRow(const QString& name, int key, Qt::KeyboardModifiers modifiers, const QString& text,
            int code) {
  QTest::newRow(name.toUtf8().constData()) << key << static_cast<int>(modifiers) << text << code;
}
}  // namespace

void KeyCodeTest::codeOfKey_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("code");

  // Of the codes every number box discards, only those whose presence decides what a key does:
  // without one, X11's control characters would reach the line edit, which selects, copies,
  // pastes, undoes and deletes on them.
  AddRow("Ctrl+A as X11 gives it", Qt::Key_A, Qt::ControlModifier, "\x01", 1);
  AddRow("Ctrl+Z as X11 gives it", Qt::Key_Z, Qt::ControlModifier, "\x1a", 26);
  AddRow("Ctrl+Shift+Z as X11 gives it", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a",
         26);
  AddRow("Backspace without text", Qt::Key_Backspace, {}, "", 8);
  AddRow("digit 7", Qt::Key_7, {}, "7", 55);
  AddRow("digit 7 on the keypad", Qt::Key_7, Qt::KeypadModifier, "7", 55);
  AddRow("point", Qt::Key_Period, {}, ".", 46);
  // A character beyond 16 bits has no code of its own and arrives as "?", never as its low 16
  // bits, which could be a digit's.
  AddRow("character beyond 16 bits", Qt::Key_unknown, {}, QString::fromUcs4(U"\U0001F600", 1), 63);
  AddRow("Delete with text DEL", Qt::Key_Delete, {}, "\x7f", kNoCode);
  AddRow("Delete without text", Qt::Key_Delete, {}, "", kNoCode);
  AddRow("Insert", Qt::Key_Insert, {}, "", kNoCode);
  AddRow("Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, "", kNoCode);
  AddRow("Left", Qt::Key_Left, {}, "", kNoCode);
  AddRow("Right", Qt::Key_Right, {}, "", kNoCode);
  AddRow("Up", Qt::Key_Up, {}, "", kNoCode);
  AddRow("Down", Qt::Key_Down, {}, "", kNoCode);
  AddRow("Home", Qt::Key_Home, {}, "", kNoCode);
  AddRow("End", Qt::Key_End, {}, "", kNoCode);
  AddRow("Page Up", Qt::Key_PageUp, {}, "", kNoCode);
  AddRow("F1", Qt::Key_F1, {}, "", kNoCode);
  AddRow("Shift alone", Qt::Key_Shift, Qt::ShiftModifier, "", kNoCode);
  AddRow("Control alone", Qt::Key_Control, Qt::ControlModifier, "", kNoCode);
  AddRow("Tab", Qt::Key_Tab, {}, "\t", kNoCode);
  AddRow("Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, "", kNoCode);
  AddRow("Shift+Tab with text", Qt::Key_Backtab, Qt::ShiftModifier, "\t", kNoCode);
  AddRow("Alt+M", Qt::Key_M, Qt::AltModifier, "m", kNoCode);
  AddRow("Alt+7", Qt::Key_7, Qt::AltModifier, "7", kNoCode);
}

void KeyCodeTest::codeOfKey() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, text);
  QFETCH(int, code);
  const auto mods = Qt::KeyboardModifiers::fromInt(modifiers);
  const auto expected = code == kNoCode
                            ? std::optional<std::int16_t>()
                            : std::optional<std::int16_t>(static_cast<std::int16_t>(code));

  QCOMPARE(forms::qt::KeyCodeFor(key, mods, text), expected);
  const QKeyEvent event(QEvent::KeyPress, key, mods, text);
  QCOMPARE(forms::qt::KeyCodeFor(event), expected);
}

QTEST_MAIN(KeyCodeTest)
#include "key_code_test.moc"
