// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QList>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "main_window/numeric_filter.h"
#include "std_strings.h"

using velmara::FilterNumericKey;

namespace {

// The key code after the filter has judged `key` for a box holding `boxText`.
int Filtered(int key, std::u16string_view boxText) {
  auto keyAscii = static_cast<std::int16_t>(key);
  FilterNumericKey(keyAscii, boxText);
  return keyAscii;
}

}  // namespace

class NumericFilterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void judgesKeys_data();
  void judgesKeys();
  void onlyDigitsAndOnePointPass_data();
  void onlyDigitsAndOnePointPass();
};

void NumericFilterTest::judgesKeys_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("passes");

  // The whole-range check below holds every key against an empty box, one with a point inside
  // and a long one without; these are the box texts it does not reach.
  QTest::newRow("point into .5") << int{'.'} << QString(".5") << false;
  QTest::newRow("point beside a fullwidth full stop")
      << int{'.'} << QString::fromUtf16(u"12\uFF0E5") << true;
  QTest::newRow("point after Arabic-Indic digits")
      << int{'.'} << QString::fromUtf16(u"\u0661\u0662") << true;
  QTest::newRow("point into 32767 digits") << int{'.'} << QString(32767, '1') << true;
  QTest::newRow("point into 32767 characters ending in a point")
      << int{'.'} << QString(32766, '1') + '.' << false;
  QTest::newRow("digit into 32767 characters ending in a point")
      << int{'7'} << QString(32766, '1') + '.' << true;
}

void NumericFilterTest::judgesKeys() {
  QFETCH(int, key);
  QFETCH(QString, text);
  QFETCH(bool, passes);
  QCOMPARE(Filtered(key, ToU16View(text)), passes ? key : 0);
}

void NumericFilterTest::onlyDigitsAndOnePointPass_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("pointPasses");

  QTest::newRow("empty box") << QString() << true;
  QTest::newRow("box holding 1.5") << QString("1.5") << false;
  QTest::newRow("box of 32767 digits, as long as a box holds") << QString(32767, '9') << true;
}

// Every 16-bit key code: each comes back unchanged or 0, and exactly the ten digits, and "."
// while the box has no point, come back unchanged.
void NumericFilterTest::onlyDigitsAndOnePointPass() {
  QFETCH(QString, text);
  QFETCH(bool, pointPasses);
  const std::u16string_view boxText = ToU16View(text);

  QList<int> expected;
  for (int key = '0'; key <= '9'; ++key) expected.append(key);
  if (pointPasses) expected.append('.');
  std::sort(expected.begin(), expected.end());

  QList<int> passed;
  for (int key = std::numeric_limits<std::int16_t>::min();
       key <= std::numeric_limits<std::int16_t>::max(); ++key) {
    const int result = Filtered(key, boxText);
    if (result != key && result != 0) {
      QFAIL(qPrintable(QString("key %1 became %2").arg(key).arg(result)));
    }
    if (result == key && key != 0) passed.append(key);
  }
  QCOMPARE(passed, expected);
}

QTEST_GUILESS_MAIN(NumericFilterTest)
#include "test_numeric_filter.moc"
