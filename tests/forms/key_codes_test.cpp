// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "forms/key_code.h"

// The codes every home gives a KeyPress handler: for a typed character, for Ctrl with a letter,
// and for the keys that type nothing of their own.
class KeyCodesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void codes_data();
  void codes();
};

namespace {

enum class Source { Character, ControlLetter, Backspace, Enter, Escape };

std::int16_t CodeOf(Source source, char32_t character) {
  switch (source) {
    case Source::Character:
      return forms::KeyCodeOfCharacter(character);
    case Source::ControlLetter:
      return forms::KeyCodeOfControlLetter(character);
    case Source::Backspace:
      return forms::KeyCodeOf(forms::ControlKey::Backspace);
    case Source::Enter:
      return forms::KeyCodeOf(forms::ControlKey::Enter);
    case Source::Escape:
      return forms::KeyCodeOf(forms::ControlKey::Escape);
  }
  return -1;
}

}  // namespace

void KeyCodesTest::codes_data() {
  QTest::addColumn<int>("source");
  QTest::addColumn<uint>("character");
  QTest::addColumn<int>("code");
  const auto row = [](const char* tag, Source source, char32_t character, int code) {
    QTest::newRow(tag) << static_cast<int>(source) << static_cast<uint>(character) << code;
  };
  row("a digit", Source::Character, U'7', 55);
  row("the point", Source::Character, U'.', 46);
  row("a Latin-1 letter", Source::Character, U'\u00E9', 0xE9);
  row("the last 16-bit code, as a negative 16-bit number", Source::Character, U'\uFFFD', -3);
  row("beyond 16 bits: ?", Source::Character, U'\U0001F600', 63);
  row("Ctrl+A", Source::ControlLetter, U'A', 1);
  row("Ctrl+Z", Source::ControlLetter, U'Z', 26);
  row("Ctrl with a small letter", Source::ControlLetter, U'v', 22);
  row("Backspace", Source::Backspace, 0, 8);
  row("Enter", Source::Enter, 0, 13);
  row("Escape", Source::Escape, 0, 27);
}

void KeyCodesTest::codes() {
  QFETCH(int, source);
  QFETCH(uint, character);
  QFETCH(int, code);
  QCOMPARE(int{CodeOf(static_cast<Source>(source), static_cast<char32_t>(character))}, code);
}

QTEST_APPLESS_MAIN(KeyCodesTest)
#include "key_codes_test.moc"
