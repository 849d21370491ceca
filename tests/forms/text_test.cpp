// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "forms/text.h"

// Texts between the windows' UTF-16 and the rules' UTF-8, both ways, malformed input included.
class TextTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void fromUtf8_data();
  void fromUtf8();
  void toUtf8_data();
  void toUtf8();
};

void TextTest::fromUtf8_data() {
  QTest::addColumn<QByteArray>("utf8");
  QTest::addColumn<QList<int>>("units");
  QTest::newRow("empty") << QByteArray() << QList<int>{};
  QTest::newRow("ASCII") << QByteArray("1.5") << QList<int>{'1', '.', '5'};
  QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << QList<int>{0xE9};
  QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC") << QList<int>{0x20AC};
  QTest::newRow("four bytes: a surrogate pair")
      << QByteArray("\xF0\x9F\x98\x80") << QList<int>{0xD83D, 0xDE00};
  QTest::newRow("cut short, then ASCII") << QByteArray(
                                                "\xE2\x82"
                                                "7")
                                         << QList<int>{0xFFFD, 0xFFFD, '7'};
  QTest::newRow("stray continuation byte") << QByteArray(
                                                  "\x80"
                                                  "1")
                                           << QList<int>{0xFFFD, '1'};
  QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QList<int>{0xFFFD, 0xFFFD};
  QTest::newRow("encoded surrogate")
      << QByteArray("\xED\xA0\x80") << QList<int>{0xFFFD, 0xFFFD, 0xFFFD};
  QTest::newRow("beyond U+10FFFF")
      << QByteArray("\xF4\x90\x80\x80") << QList<int>{0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD};
  QTest::newRow("invalid lead byte") << QByteArray("\xFF") << QList<int>{0xFFFD};
}

void TextTest::fromUtf8() {
  QFETCH(QByteArray, utf8);
  QFETCH(QList<int>, units);
  const forms::String text = forms::StringFromUtf8({utf8.constData(), std::size_t(utf8.size())});
  QCOMPARE(QList<int>(text.begin(), text.end()), units);
}

void TextTest::toUtf8_data() {
  QTest::addColumn<QList<int>>("units");
  QTest::addColumn<QByteArray>("utf8");
  QTest::newRow("empty") << QList<int>{} << QByteArray();
  QTest::newRow("ASCII") << QList<int>{'J'} << QByteArray("J");
  QTest::newRow("U+07FF, the last of two bytes") << QList<int>{0x7FF} << QByteArray("\xDF\xBF");
  QTest::newRow("U+0800, the first of three") << QList<int>{0x800} << QByteArray("\xE0\xA0\x80");
  QTest::newRow("surrogate pair") << QList<int>{0xDBFF, 0xDFFF} << QByteArray("\xF4\x8F\xBF\xBF");
  QTest::newRow("lone high surrogate, then a digit") << QList<int>{0xD800, '5'}
                                                     << QByteArray(
                                                            "\xEF\xBF\xBD"
                                                            "5");
  QTest::newRow("lone low surrogate") << QList<int>{0xDC00} << QByteArray("\xEF\xBF\xBD");
  QTest::newRow("pair reversed") << QList<int>{0xDC00, 0xD800}
                                 << QByteArray("\xEF\xBF\xBD\xEF\xBF\xBD");
}

void TextTest::toUtf8() {
  QFETCH(QList<int>, units);
  QFETCH(QByteArray, utf8);
  const forms::String text(units.begin(), units.end());
  QCOMPARE(QByteArray::fromStdString(forms::Utf8FromString(text)), utf8);
}

QTEST_GUILESS_MAIN(TextTest)
#include "text_test.moc"
