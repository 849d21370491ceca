// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <cstddef>

#include "main_window/conversions.h"
#include "main_window/qt_text.h"

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
  void conversions_data();
  void conversions();
  void failures_data();
  void failures();
};

// Each conversion once: its two unit captions, a worked input forwards and one backwards, where
// the input is multiplied by the stored reciprocal of the factor.
void ConversionsTest::conversions_data() {
  QTest::addColumn<int>("option");
  QTest::addColumn<QString>("firstUnit");
  QTest::addColumn<QString>("secondUnit");
  QTest::addColumn<QString>("forwardInput");
  QTest::addColumn<QString>("forwardResult");
  QTest::addColumn<QString>("reverseInput");
  QTest::addColumn<QString>("reverseResult");

  const auto row = [](const char* name, int option, const char* first, const char* second,
                      const QString& forwardInput, const char* forwardResult,
                      const QString& reverseInput, const char* reverseResult) {
    QTest::newRow(name) << option << QString(first) << QString(second) << forwardInput
                        << QString(forwardResult) << reverseInput << QString(reverseResult);
  };
  row("Option1", 1, "ft/P", "J", "2.5", "3.3895", "1.3558", "1");
  row("Option2", 2, "grains", "g", "1", "0.0648", "1", "15.4320987654321");
  row("Option3, reciprocal product just below one", 3, "lbs", "kg", "10", "4.54", "0.454", "1");
  row("Option4", 4, "lbs", "oz", "3", "48", "32", "2");
  row("Option5", 5, "lbs", "grains", "2", "14000", "1", "0.000142857142857143");
  row("Option6, the speed factor", 6, "fps", "m/s", "1", "0.305", "1", "3.27868852459016");
  row("Option7", 7, "inch", "cm", "12", "30.48", "1", "0.393700787401575");
  row("Option8, the length factor", 8, "ft", "m", "1", "0.3048", "1", "3.28083989501312");
  row("Option9", 9, "yds", "m", "100", "91.44", "1", "1.09361329833771");
  row("Option10", 10, "Miles", "ft", ".5", "2640", "5280", "1");
  row("Option3, 1 and 308 zeros", 3, "lbs", "kg", "1" + QString(308, '0'), "4.54E+307", "0", "0");
  row("Option10, 1 and 308 zeros", 10, "Miles", "ft", "0", "0", "1" + QString(308, '0'),
      "1.89393939393939E+304");
}

void ConversionsTest::conversions() {
  QFETCH(int, option);
  QFETCH(QString, firstUnit);
  QFETCH(QString, secondUnit);
  QFETCH(QString, forwardInput);
  QFETCH(QString, forwardResult);
  QFETCH(QString, reverseInput);
  QFETCH(QString, reverseResult);
  const velmara::Conversion& conversion = Row(option);
  QCOMPARE(ToQString(conversion.firstUnit), firstUnit);
  QCOMPARE(ToQString(conversion.secondUnit), secondUnit);
  QCOMPARE(Result(conversion.factor, forwardInput), forwardResult);
  QCOMPARE(Result(ReciprocalOf(conversion.factor), reverseInput), reverseResult);
}

void ConversionsTest::failures_data() {
  QTest::addColumn<int>("option");
  QTest::addColumn<QString>("input");

  QTest::newRow("empty") << 1 << QString();
  QTest::newRow("point alone") << 3 << ".";
  QTest::newRow("word") << 4 << "abc";
  QTest::newRow("two points") << 7 << "1.2.3";
  QTest::newRow("beyond the largest double") << 2 << "1e309";
  QTest::newRow("Option10 product beyond the double range") << 10 << "1" + QString(308, '0');
  QTest::newRow("Option4 product beyond the double range") << 4 << "2" + QString(307, '0');
}

void ConversionsTest::failures() {
  QFETCH(int, option);
  QFETCH(QString, input);
  QCOMPARE(Result(Row(option).factor, input), QString("(kept)"));
}

QTEST_GUILESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
