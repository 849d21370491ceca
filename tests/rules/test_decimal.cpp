// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own decimal conversions, held to the standard library's <charconv> on chosen
// texts and values and on many drawn at random (a fixed seed, so that a failure repeats).
#include <QTest>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "main_window/decimal.h"
#include "std_strings.h"

namespace {

// How <charconv> reads the whole text: the value's bits, "out of range", or "refused".
QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string StandardReading(std::string_view text) {
  double value = 0.0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) return "out of range";
  if (error != std::errc{} || end != last) return "refused";
  return std::to_string(std::bit_cast<std::uint64_t>(value));
}

std::string OwnReading(std::string_view text) {
  double value = 0.0;
  const std::errc error = velmara::decimal::Read(text, value);
  if (error == std::errc::result_out_of_range) {
    // The value it leaves must still be the nearest one in the direction it went.
    if (value != 0.0 && !std::isinf(value)) return "out of range, but " + std::to_string(value);
    return "out of range";
  }
  if (error != std::errc{}) return "refused";
  return std::to_string(std::bit_cast<std::uint64_t>(value));
}

std::string StandardScientific(double magnitude, int precision) {
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, precision);
  return std::string(buffer.data(), result.ptr);
}

std::string Shortest(double value) {
  std::array<char, 64> buffer{};
  return std::string(buffer.data(),
                     std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

// A finite double of any bit pattern, subnormals and the largest ones among them.
double RandomMagnitude(std::mt19937_64& random) {
  for (;;) {
    const double value = std::bit_cast<double>(random() >> 1);
    if (std::isfinite(value)) return value;
  }
}

constexpr int kRandomRounds = 20000;

}  // namespace

class DecimalTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void readsAsCharconv_data();
  void readsAsCharconv();
  void readsRandomTextsAsCharconv();
  void writesAsCharconv_data();
  void writesAsCharconv();
  void writesRandomValuesAsCharconv();
};

void DecimalTest::readsAsCharconv_data() {
  QTest::addColumn<QString>("text");

  const auto row = [](const char* name, const std::string& text) {
    QTest::newRow(name) << QString::fromStdString(text);
  };
  row("zero", "0");
  row("zeros and a point", "000.000");
  row("point first", ".5");
  row("point last", "5.");
  row("long fraction", "3.14159265358979323846264338327950288");
  row("exponent", "2.5E+07");
  row("negative exponent", "1e-5");
  row("exponent of zero", "0e999999999999999999999");
  row("largest double", "1.7976931348623157e308");
  row("rounds down to the largest double", "1.7976931348623158e308");
  row("halfway past the largest double", "1.797693134862315807937289714053e308");
  row("beyond the largest double", "1.7976931348623159e308");
  row("far beyond", "1e999999999999999999999");
  row("smallest normal", "2.2250738585072014e-308");
  row("just below the smallest normal", "2.2250738585072011e-308");
  row("largest subnormal, rounding up to normal", "2.22507385850720138e-308");
  row("smallest subnormal", "4.9406564584124654e-324");
  row("half the smallest subnormal",
      "2."
      "47032822920623272088284396434110686182529901307162382212792841250337753635104375932649918180"
      "81799618989828234772285886546332835517796989819938739800539093906315035659515570226392290858"
      "39244910518443593180284993653615250031937045767824921936562366986365848075700158576926990370"
      "63119282795585513329278343384093519780155312465972635795746227664652728272200563740064854999"
      "77096599470454020828166226237857393450736339007967761930577506740176324673600968951340535537"
      "45851666113422376667860416215968046191446729184030053005753084904876539171138659164623952491"
      "26236538818796362393732804238910186723484976682350898633885879256283027559956575244555072551"
      "89313690836254779186948667994968324049705821028513185451396213837722826145437693412532098591"
      "327667236328125e-324");
  row("just above half the smallest subnormal", "2.4703282292062328e-324");
  row("far below", "1e-999999999999999999999");
  row("halfway between two integers, to the even one", "9007199254740993");
  row("just above halfway, past 1000 digits", "9007199254740993." + std::string(1000, '0') + "1");
  row("halfway, with 1000 more zeros", "9007199254740993." + std::string(1000, '0'));
  row("many integer digits", "123456789" + std::string(900, '7') + "e-880");
  row("fraction zeros then an exponent", "0." + std::string(400, '0') + "15e402");
  row("empty", "");
  row("point alone", ".");
  row("two points", "1.2.3");
  row("exponent alone", "e5");
  row("exponent without digits", "1e");
  row("exponent sign without digits", "1e+");
  row("a letter after the digits", "12a");
  row("blank", " 1");
}

void DecimalTest::readsAsCharconv() {
  QFETCH(QString, text);
  const std::string typed = ToStdString(text);
  QCOMPARE(Q(OwnReading(typed)), Q(StandardReading(typed)));
}

// Texts of the shapes a paste brings: up to 40 digits with the point anywhere, and an exponent
// over the whole range and a little beyond; and every double's shortest and longer texts.
void DecimalTest::readsRandomTextsAsCharconv() {
  std::mt19937_64 random(20261209);
  for (int round = 0; round < kRandomRounds; ++round) {
    std::string text;
    const int digits = 1 + static_cast<int>(random() % 40);
    const int point = static_cast<int>(random() % (digits + 1));
    for (int i = 0; i < digits; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    text += 'e' + std::to_string(static_cast<int>(random() % 700) - 350);
    QCOMPARE(Q(OwnReading(text)), Q(StandardReading(text)));

    const double value = RandomMagnitude(random);
    for (const std::string& written :
         {Shortest(value), StandardScientific(value, 16), StandardScientific(value, 25)}) {
      QCOMPARE(Q(OwnReading(written)), Q(StandardReading(written)));
    }
  }
}

void DecimalTest::writesAsCharconv_data() {
  QTest::addColumn<double>("magnitude");
  QTest::addColumn<int>("precision");

  QTest::newRow("zero") << 0.0 << 14;
  QTest::newRow("zero, no digits after the point") << 0.0 << 0;
  QTest::newRow("one") << 1.0 << 14;
  QTest::newRow("a half to no digits: tie, kept even") << 0.5 << 0;
  QTest::newRow("2.5 to no digits: tie, down to even") << 2.5 << 0;
  QTest::newRow("3.5 to no digits: tie, up to even") << 3.5 << 0;
  QTest::newRow("9.5 to no digits: carried into a new digit") << 9.5 << 0;
  QTest::newRow("999.5 to 3 digits: tie, carried") << 999.5 << 2;
  QTest::newRow("2^-22 to 15 digits: tie, down to even") << std::ldexp(1.0, -22) << 14;
  QTest::newRow("2^-23 to 15 digits") << std::ldexp(1.0, -23) << 14;
  QTest::newRow("tenth") << 0.1 << 30;
  QTest::newRow("a third") << 1.0 / 3.0 << 14;
  QTest::newRow("2^53 + 2") << 9007199254740994.0 << 14;
  QTest::newRow("largest double") << std::numeric_limits<double>::max() << 14;
  QTest::newRow("largest double, 31 digits") << std::numeric_limits<double>::max() << 30;
  QTest::newRow("smallest normal") << std::numeric_limits<double>::min() << 14;
  QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << 30;
  QTest::newRow("a power of ten") << 1e22 << 14;
  QTest::newRow("one below a power of ten") << 99999999999999.99 << 14;
}

void DecimalTest::writesAsCharconv() {
  QFETCH(double, magnitude);
  QFETCH(int, precision);
  QCOMPARE(Q(velmara::decimal::Scientific(magnitude, precision)),
           Q(StandardScientific(magnitude, precision)));
}

// Every kind of double, at the precisions the number texts use (15 and 31 digits) and others.
void DecimalTest::writesRandomValuesAsCharconv() {
  std::mt19937_64 random(91220262);
  for (int round = 0; round < kRandomRounds; ++round) {
    const double value = RandomMagnitude(random);
    for (int precision : {0, 5, 14, 16, 30}) {
      QCOMPARE(Q(velmara::decimal::Scientific(value, precision)),
               Q(StandardScientific(value, precision)));
    }
  }
}

QTEST_GUILESS_MAIN(DecimalTest)
#include "test_decimal.moc"
