// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <cstddef>

#include "main_window/conversions.h"
#include "std_strings.h"

using velmara::ConvertedText;
using velmara::ReciprocalOf;
using velmara::Variant;

namespace {

const velmara::Conversion& Row(int option) {
  return velmara::kConversions.at(static_cast<std::size_t>(option - 1));
}

// The result box's text, or "(kept)" when the calculation fails and the box keeps its text.
QString Result(const Variant& factor, const QString& input) {
  const auto text = ConvertedText(factor, ToStdString(input));
  return text ? ToQString(*text) : QString("(kept)");
}

}  // namespace

class ConversionsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void productRange_data();
  void productRange();
};

// At the edge of the double range: a product that stays in it is written, one that leaves it
// fails and the result box keeps its text. Backwards, the input is multiplied by the stored
// reciprocal of the factor.
void ConversionsTest::productRange_data() {
  QTest::addColumn<int>("option");
  QTest::addColumn<bool>("reverse");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("result");

  const QString oneAnd308Zeros = "1" + QString(308, '0');
  QTest::newRow("Option3, 1 and 308 zeros") << 3 << false << oneAnd308Zeros << "4.54E+307";
  QTest::newRow("Option10 backwards, 1 and 308 zeros")
      << 10 << true << oneAnd308Zeros << "1.89393939393939E+304";
  QTest::newRow("Option10 product beyond the double range")
      << 10 << false << oneAnd308Zeros << "(kept)";
  QTest::newRow("Option4 product beyond the double range")
      << 4 << false << "2" + QString(307, '0') << "(kept)";
}

void ConversionsTest::productRange() {
  QFETCH(int, option);
  QFETCH(bool, reverse);
  QFETCH(QString, input);
  QFETCH(QString, result);
  const Variant& forward = Row(option).factor;
  QCOMPARE(Result(reverse ? ReciprocalOf(forward) : forward, input), result);
}

QTEST_GUILESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
