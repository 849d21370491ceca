// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QList>
#include <QLocale>
#include <QTest>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "main_window/number_text.h"
#include "std_strings.h"

using velmara::NumberFromText;
using velmara::TextFromNumber;

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallestNormal = std::numeric_limits<double>::min();
constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();

// The value in its shortest exact decimal form and in hexadecimal, whatever the locale.
QString Describe(double x) {
  std::array<char, 64> decimal{};
  std::array<char, 64> hexadecimal{};
  const auto decimalEnd = std::to_chars(decimal.data(), decimal.data() + decimal.size(), x).ptr;
  const auto hexEnd = std::to_chars(hexadecimal.data(), hexadecimal.data() + hexadecimal.size(), x,
                                    std::chars_format::hex)
                          .ptr;
  return QString::fromLatin1(decimal.data(), decimalEnd - decimal.data()) + " (" +
         QString::fromLatin1(hexadecimal.data(), hexEnd - hexadecimal.data()) + ")";
}

// Reads a decimal text with the standard library, independently of the program's reading.
double Parsed(const std::string& text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The digits of a written number's mantissa, leading zeros excluded.
int SignificantDigits(std::string_view text) {
  text = text.substr(0, text.find('E'));
  int count = 0;
  bool leading = true;
  for (char c : text) {
    if (c < '0' || c > '9') continue;
    if (leading && c == '0') continue;
    leading = false;
    ++count;
  }
  return count;
}

// What is wrong with writing `x` and reading it back, or an empty text when nothing is.
QString RoundTripFault(double x) {
  const std::string text = TextFromNumber(x);
  const auto fault = [&](const QString& what) {
    return Describe(x) + " written \"" + QString::fromStdString(text) + "\" " + what;
  };
  const auto readBack = NumberFromText(text);
  if (!readBack) return fault("does not read back");
  const double v = *readBack;
  const std::string again = TextFromNumber(v);
  if (again != text) return fault("reads back as " + QString::fromStdString(again));
  if (std::fabs(v - x) > 1e-14 * std::fabs(x)) return fault("reads back as " + Describe(v));
  if (SignificantDigits(text) > 15) return fault("has more than 15 significant digits");
  if ((text.front() == '-') != (v < 0)) return fault("has the wrong sign");
  const bool exponentForm = text.find('E') != std::string::npos;
  const bool farOut = v != 0 && (std::fabs(v) >= 1e15 || std::fabs(v) < 1e-4);
  if (exponentForm != farOut) return fault("is in the wrong form for its magnitude");
  return {};
}

}  // namespace

class NumberTextTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void readsNumbers_data();
  void readsNumbers();
  void refusesTexts_data();
  void refusesTexts();
  void writesNumbers_data();
  void writesNumbers();
  void roundTrips_data();
  void roundTrips();
};

// The whole binary runs a second time in a locale whose decimal separator is a comma, to show
// that the number texts keep their point there. That run says which locale it asked for; a
// missing locale would leave the process in "C" and the run would prove nothing, so it fails.
void NumberTextTest::initTestCase() {
  const QByteArray expected = qgetenv("VELMARA_EXPECT_LOCALE");
  if (expected.isEmpty()) return;
  const QByteArray running(std::setlocale(LC_ALL, nullptr));
  QVERIFY2(running.startsWith(expected),
           qPrintable("running in the locale \"" + running + "\", not \"" + expected +
                      "\": is it installed?"));
  QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
  QCOMPARE(QLocale::system().decimalPoint(), QString(","));
}

void NumberTextTest::readsNumbers_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("expected");

  QTest::newRow("zero") << QString("0") << 0.0;
  QTest::newRow("leading zero") << QString("05") << 5.0;
  QTest::newRow("twelve and a half") << QString("12.5") << 12.5;
  QTest::newRow("point first") << QString(".5") << 0.5;
  QTest::newRow("point last") << QString("5.") << 5.0;
  QTest::newRow("zeros only") << QString("0000") << 0.0;
  QTest::newRow("zero point zero") << QString("0.0") << 0.0;
  QTest::newRow("long fraction") << QString("3.14159265358979323846") << 3.14159265358979323846;
  QTest::newRow("leading blanks") << QString("  12.5") << 12.5;
  QTest::newRow("trailing blanks") << QString("12.5  ") << 12.5;
  QTest::newRow("tabs around") << QString("\t7\t") << 7.0;
  QTest::newRow("blanks and tabs around") << QString(" \t 7 \t ") << 7.0;
  QTest::newRow("plus sign") << QString("+5") << 5.0;
  QTest::newRow("minus sign") << QString("-5") << -5.0;
  QTest::newRow("minus and point first") << QString("-.5") << -0.5;
  QTest::newRow("exponent E-05") << QString("1E-05") << 1e-05;
  QTest::newRow("exponent e-05") << QString("1e-05") << 1e-05;
  QTest::newRow("exponent without sign") << QString("1E5") << 1e5;
  QTest::newRow("exponent with plus") << QString("2.5e+3") << 2500.0;
  QTest::newRow("exponent minus zero") << QString("1.5e-0") << 1.5;
  QTest::newRow("point before exponent") << QString("5.e3") << 5000.0;
  QTest::newRow("exponent with leading zeros") << QString("1e0000000000000000000000005") << 1e5;
  QTest::newRow("written large") << QString("1.23456789012346E+17") << 1.23456789012346E+17;
  QTest::newRow("written small") << QString("2.22103766879886E-13") << 2.22103766879886E-13;
  QTest::newRow("largest double") << QString("1.7976931348623157e308") << kLargest;
  QTest::newRow("largest double written")
      << QString("1.79769313486231E+308") << 1.79769313486231E+308;
  QTest::newRow("one and 308 zeros") << "1" + QString(308, '0') << 1e308;
  QTest::newRow("smallest subnormal") << QString("4.94065645841247E-324") << kSmallestSubnormal;
  QTest::newRow("below half the smallest subnormal") << QString("2e-324") << 0.0;
  QTest::newRow("underflow") << QString("1e-400") << 0.0;
  QTest::newRow("negative underflow") << QString("-1e-400") << 0.0;
  QTest::newRow("underflow in 400 fraction zeros") << "0." + QString(400, '0') + "1" << 0.0;
  QTest::newRow("32767 digits, point third")
      << "12." + QString(32765, '3') << 12.333333333333333333333;
  QTest::newRow("32767 digits, underflowing") << "0." + QString(32765, '0') + "5" << 0.0;
  QTest::newRow("long fraction, exponent bringing it back")
      << "0." + QString(200000, '0') + "1e200005" << 1e4;
  QTest::newRow("long integer, exponent far below the range")
      << "1" + QString(200000, '0') + "e-1000000" << 0.0;
}

void NumberTextTest::readsNumbers() {
  QFETCH(QString, text);
  QFETCH(double, expected);
  const auto value = NumberFromText(ToStdString(text));
  QVERIFY(value.has_value());
  QVERIFY2(*value == expected, qPrintable(Describe(*value) + " != " + Describe(expected)));
}

void NumberTextTest::refusesTexts_data() {
  QTest::addColumn<QString>("text");

  QTest::newRow("empty") << QString();
  QTest::newRow("point alone") << QString(".");
  QTest::newRow("two points") << QString("1.2.3");
  QTest::newRow("word") << QString("abc");
  QTest::newRow("digits then letter") << QString("12a");
  QTest::newRow("blanks only") << QString(" \t ");
  QTest::newRow("sign alone") << QString("-");
  QTest::newRow("inf") << QString("inf");
  QTest::newRow("infinity") << QString("infinity");
  QTest::newRow("Infinity as written") << QString("Infinity");
  QTest::newRow("nan") << QString("nan");
  QTest::newRow("NaN as written") << QString("NaN");
  QTest::newRow("hexadecimal") << QString("0x10");
  QTest::newRow("hexadecimal exponent") << QString("0x1p3");
  QTest::newRow("thousands comma") << QString("1,000");
  QTest::newRow("thousands blank") << QString("1 000");
  QTest::newRow("blank before point") << QString("12 .5");
  QTest::newRow("blank after sign") << QString("- 5");
  QTest::newRow("comma as decimal point") << QString("12,5");
  QTest::newRow("comma first") << QString(",5");
  QTest::newRow("point grouping, comma decimal") << QString("1.234,5");
  QTest::newRow("exponent without digits") << QString("1E");
  QTest::newRow("exponent sign without digits") << QString("1e+");
  QTest::newRow("exponent without mantissa") << QString("e5");
  QTest::newRow("point and exponent") << QString(".e1");
  QTest::newRow("fractional exponent") << QString("1e5.5");
  QTest::newRow("two exponents") << QString("1e5e5");
  QTest::newRow("two minus signs") << QString("--1");
  QTest::newRow("plus then minus") << QString("+-1");
  QTest::newRow("dollar") << QString("$5");
  QTest::newRow("euro after") << QString::fromUtf8("5\xE2\x82\xAC");
  QTest::newRow("pound before") << QString::fromUtf8(
      "\xC2\xA3"
      "5");
  QTest::newRow("embedded NUL") << QString("5") + QChar(0);
  QTest::newRow("1e309") << QString("1e309");
  QTest::newRow("-1e309") << QString("-1e309");
  QTest::newRow("just past the largest double") << QString("1.8e308");
  QTest::newRow("tenth with exponent 310") << QString("0.1e310");
  QTest::newRow("exponent of twenty digits") << QString("1e99999999999999999999");
  QTest::newRow("400-digit integer") << "1" + QString(399, '0');
  QTest::newRow("400 nines") << QString(400, '9');
  QTest::newRow("long fraction, exponent far beyond the range")
      << "0." + QString(200000, '0') + "1e1000000";
}

void NumberTextTest::refusesTexts() {
  QFETCH(QString, text);
  const auto value = NumberFromText(ToStdString(text));
  QVERIFY2(!value.has_value(), qPrintable("read as " + Describe(value.value_or(0))));
}

void NumberTextTest::writesNumbers_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("text");

  QTest::newRow("thirty-two") << 32.0 << "32";
  QTest::newRow("twelve and a half") << 12.5 << "12.5";
  QTest::newRow("one half") << 0.5 << "0.5";
  QTest::newRow("one third") << 1.0 / 3 << "0." + QString(15, '3');
  QTest::newRow("two thirds, last digit rounded up") << 2.0 / 3 << "0.666666666666667";
  QTest::newRow("zero") << 0.0 << "0";
  QTest::newRow("negative zero") << -0.0 << "0";
  QTest::newRow("negative") << -12.5 << "-12.5";
  QTest::newRow("negative half") << -0.5 << "-0.5";
  QTest::newRow("no grouping") << 1234567.25 << "1234567.25";
  QTest::newRow("negative third") << -1.0 / 3 << "-0." + QString(15, '3');
  QTest::newRow("hundred") << 100.0 << "100";
  QTest::newRow("largest fixed form") << 999999999999999.0 << "999999999999999";
  QTest::newRow("rounds up to 1E+15") << 999999999999999.6 << "1E+15";
  QTest::newRow("1E+15") << 1e15 << "1E+15";
  QTest::newRow("1E+100") << 1e100 << "1E+100";
  QTest::newRow("written large") << 1.23456789012346E+17 << "1.23456789012346E+17";
  QTest::newRow("eighteen digits") << 123456789012345678.0 << "1.23456789012346E+17";
  QTest::newRow("0.0001") << 0.0001 << "0.0001";
  QTest::newRow("rounds up to 0.0001") << 0.000099999999999999995 << "0.0001";
  QTest::newRow("0.00012345") << 0.00012345 << "0.00012345";
  QTest::newRow("9E-05") << 0.00009 << "9E-05";
  QTest::newRow("1E-05") << 0.00001 << "1E-05";
  QTest::newRow("1.5E-300") << 1.5e-300 << "1.5E-300";
  QTest::newRow("reciprocal product just below one") << 0.454 * (1 / 0.454) << "1";
  QTest::newRow("sum with binary error") << 0.1 + 0.2 << "0.3";
  QTest::newRow("15th digit rounded down") << 123456789012345.4 << "123456789012345";
  QTest::newRow("15th digit rounded up") << 123456789012345.6 << "123456789012346";
  QTest::newRow("16th digit five rounds up") << 1.000000000000005 << "1.00000000000001";
  QTest::newRow("16th digit four rounds down") << 1.000000000000004 << "1";
  QTest::newRow("largest double, cut") << kLargest << "1.79769313486231E+308";
  QTest::newRow("negative largest double, cut") << -kLargest << "-1.79769313486231E+308";
  QTest::newRow("smallest normal") << kSmallestNormal << "2.2250738585072E-308";
  QTest::newRow("smallest subnormal") << kSmallestSubnormal << "4.94065645841247E-324";
}

void NumberTextTest::writesNumbers() {
  QFETCH(double, value);
  QFETCH(QString, text);
  QCOMPARE(QString::fromStdString(TextFromNumber(value)), text);
}

void NumberTextTest::roundTrips_data() {
  QTest::addColumn<QList<double>>("values");

  QTest::newRow("edges") << QList<double>{kLargest,
                                          -kLargest,
                                          std::nextafter(kLargest, 0.0),
                                          kSmallestNormal,
                                          std::nextafter(kSmallestNormal, 0.0),
                                          kSmallestSubnormal,
                                          -kSmallestSubnormal,
                                          1e15,
                                          std::nextafter(1e15, 0.0),
                                          1e-4,
                                          std::nextafter(1e-4, 0.0),
                                          0.0,
                                          -0.0,
                                          0.454 * (1 / 0.454)};

  std::mt19937_64 random(20240611);

  QList<double> patterns;
  while (patterns.size() < 100000) {
    const double x = std::bit_cast<double>(random());
    if (std::isfinite(x)) patterns.append(x);
  }
  QTest::newRow("random bit patterns") << patterns;

  // Short decimals at every magnitude: the values a calculation most often lands near.
  QList<double> decimals;
  std::uniform_int_distribution<int> digitCount(1, 17);
  std::uniform_int_distribution<int> exponent(-340, 300);
  while (decimals.size() < 50000) {
    std::string text;
    const int digits = digitCount(random);
    for (int i = 0; i < digits; ++i) text += static_cast<char>('0' + random() % 10);
    const double x = Parsed(text + "e" + std::to_string(exponent(random)));
    if (std::isfinite(x)) decimals.append(random() % 2 ? -x : x);
  }
  QTest::newRow("random short decimals") << decimals;

  // Sixteen and seventeen digits that round up to the next power of ten at the 15th digit.
  QList<double> nearPowers;
  std::uniform_int_distribution<int> powerExponent(-323, 292);
  while (nearPowers.size() < 25000) {
    const std::string tail = std::to_string(5 + random() % 5) + std::to_string(random() % 10);
    nearPowers.append(
        Parsed(std::string(14, '9') + tail + "e" + std::to_string(powerExponent(random))));
  }
  QTest::newRow("just below powers of ten") << nearPowers;

  // Next to the largest double, where rounding to 15 digits would leave the double range.
  QList<double> nearLargest;
  const auto largestBits = std::bit_cast<std::uint64_t>(kLargest);
  while (nearLargest.size() < 25000) {
    nearLargest.append(std::bit_cast<double>(largestBits - random() % (std::uint64_t{1} << 42)));
  }
  QTest::newRow("next to the largest double") << nearLargest;
}

void NumberTextTest::roundTrips() {
  QFETCH(QList<double>, values);
  for (double x : values) {
    const QString fault = RoundTripFault(x);
    if (!fault.isEmpty()) QFAIL(qPrintable(fault));
  }
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
