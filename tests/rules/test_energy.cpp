// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

#include "design_values.h"
#include "main_window/energy.h"
#include "std_strings.h"

using velmara::EnergyColour;
using velmara::EnergyText;
using velmara::ShownEnergyText;
using velmara::UnitSystem;

namespace {

using test_support::kButtonFace;
using test_support::kGreen;
using test_support::kRed;
using test_support::kYellow;

const UnitSystem& SystemNamed(const QString& name) {
  return name == "joule" ? velmara::kJouleSystem : velmara::kFootPoundSystem;
}

std::span<const velmara::Band> BandsOf(const QString& system) {
  if (system == "joule") return velmara::kJouleBands;
  return velmara::kFootPoundBands;
}

double Above(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()); }
double Below(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }

}  // namespace

class EnergyTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void energyTexts_data();
  void energyTexts();
  void failures_data();
  void failures();
  void shownText_data();
  void shownText();
  void colours_data();
  void colours();
};

// The whole energy text, velocity x velocity x mass / 450240 (foot-pounds) or / 2000 (joules),
// worked out by hand to 15 significant digits.
void EnergyTest::energyTexts_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<QString>("mass");
  QTest::addColumn<QString>("velocity");
  QTest::addColumn<QString>("energyText");

  const auto row = [](const char* name, const char* system, const QString& mass,
                      const QString& velocity, const char* energyText) {
    QTest::newRow(name) << QString(system) << mass << velocity << QString(energyText);
  };
  row("10 gr at 500 fps", "foot-pound", "10", "500", "5.55259417199716");
  row("15 gr at 610 fps", "foot-pound", "15", "610", "12.3967217484009");
  row("15 gr at 700 fps", "foot-pound", "15", "700", "16.3246268656716");
  row("8.44 gr at 800 fps", "foot-pound", "8.44", "800", "11.9971570717839");
  row("8.04 gr at 840 fps, a quotient just below 12.6", "foot-pound", "8.04", "840", "12.6");
  row("a shade above 11", "foot-pound", "4952640.0022512", "1", "11.000000005");
  row("fresh foot-pound panel", "foot-pound", "0", "0", "0");
  row("0.1 gr at 0.001 fps", "foot-pound", "0.1", "0.001", "2.22103766879886E-13");
  row("huge energy", "foot-pound", "1000000000000", "100000000000", "2.22103766879886E+28");
  row("largest product in range", "foot-pound", "1", "1" + QString(154, '0'),
      "2.22103766879886E+302");
  row("pasted negative mass", "foot-pound", "-10", "500", "-5.55259417199716");
  row("0.5 g at 250 m/s", "joule", "0.5", "250", "15.625");
  row("1 g at 178 m/s", "joule", "1", "178", "15.842");
  row("1 g at 181 m/s", "joule", "1", "181", "16.3805");
  row("1 g at 200 m/s", "joule", "1", "200", "20");
  row("fresh joule panel", "joule", "0", "0", "0");
}

void EnergyTest::energyTexts() {
  QFETCH(QString, system);
  QFETCH(QString, mass);
  QFETCH(QString, velocity);
  QFETCH(QString, energyText);
  const auto text =
      EnergyText(ToStdString(mass), ToStdString(velocity), SystemNamed(system).divisor);
  QVERIFY(text.has_value());
  QCOMPARE(ToQString(*text), energyText);
}

// Either box holding no number fails the calculation, and so does a product beyond the double
// range.
void EnergyTest::failures_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<QString>("mass");
  QTest::addColumn<QString>("velocity");

  QTest::newRow("mass a word") << "foot-pound"
                               << "abc"
                               << "500";
  QTest::newRow("empty velocity") << "foot-pound"
                                  << "10" << QString();
  QTest::newRow("velocity squared beyond the double range") << "foot-pound"
                                                            << "1"
                                                            << "1" + QString(200, '0');
  QTest::newRow("product with the mass beyond the double range")
      << "joule"
      << "1" + QString(300, '0') << "10000000000";
}

void EnergyTest::failures() {
  QFETCH(QString, system);
  QFETCH(QString, mass);
  QFETCH(QString, velocity);
  const auto text =
      EnergyText(ToStdString(mass), ToStdString(velocity), SystemNamed(system).divisor);
  QVERIFY2(!text.has_value(), text.value_or("").c_str());
}

void EnergyTest::shownText_data() {
  QTest::addColumn<QString>("energyText");
  QTest::addColumn<QString>("shown");

  QTest::newRow("long plain text") << "5.55259417199716"
                                   << "5.55259417";
  QTest::newRow("cut, not rounded") << "16.3246268656716"
                                    << "16.3246268";
  QTest::newRow("trailing zero kept") << "11.9971570717839"
                                      << "11.9971570";
  QTest::newRow("thirteen digits") << "1234567890123"
                                   << "1234567890";
  QTest::newRow("negative long plain text") << "-1234567890123"
                                            << "-123456789";
  QTest::newRow("exactly ten") << "1234567890"
                               << "1234567890";
  QTest::newRow("short") << "15.625"
                         << "15.625";
  QTest::newRow("zero") << "0"
                        << "0";
  QTest::newRow("empty") << QString() << QString();
  QTest::newRow("small exponent form") << "2.22103766879886E-13"
                                       << "2.2210E-13";
  QTest::newRow("large exponent form") << "1.23456789012346E+17"
                                       << "1.2345E+17";
  QTest::newRow("three-digit exponent") << "2.22103766879886E+302"
                                        << "2.221E+302";
  QTest::newRow("smallest subnormal") << "4.94065645841247E-324"
                                      << "4.940E-324";
  QTest::newRow("negative exponent form") << "-2.22103766879886E-13"
                                          << "-2.221E-13";
  QTest::newRow("short exponent form") << "1E-05"
                                       << "1E-05";
  QTest::newRow("negative short exponent form") << "-1E-05"
                                                << "-1E-05";
  QTest::newRow("exponent form of ten") << "1.2345E-05"
                                        << "1.2345E-05";
  QTest::newRow("exponent form of eleven") << "1.23456E-05"
                                           << "1.2345E-05";
}

void EnergyTest::shownText() {
  QFETCH(QString, energyText);
  QFETCH(QString, shown);
  QCOMPARE(ToQString(ShownEnergyText(ToStdString(energyText))), shown);
}

// The energy box's colour for a band value: both ends of a band belong to it, a value between
// bands or outside all of them shows button face, and so does a failed calculation.
void EnergyTest::colours_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<bool>("failed");
  QTest::addColumn<double>("bandValue");
  QTest::addColumn<quint32>("colour");

  const auto row = [](const char* name, const char* system, double bandValue, quint32 colour) {
    QTest::newRow(name) << QString(system) << false << bandValue << colour;
  };
  row("foot-pound 0", "foot-pound", 0.0, kGreen);
  row("foot-pound -0", "foot-pound", -0.0, kGreen);
  row("foot-pound just below 0", "foot-pound", Below(0.0), kButtonFace);
  row("foot-pound -0.001", "foot-pound", -0.001, kButtonFace);
  row("foot-pound 11", "foot-pound", 11.0, kGreen);
  row("foot-pound just above 11", "foot-pound", Above(11.0), kButtonFace);
  row("foot-pound 11.5", "foot-pound", 11.5, kButtonFace);
  row("foot-pound just below 12", "foot-pound", Below(12.0), kButtonFace);
  row("foot-pound 12", "foot-pound", 12.0, kYellow);
  row("foot-pound 12.5", "foot-pound", 12.5, kYellow);
  row("foot-pound just above 12.5", "foot-pound", Above(12.5), kButtonFace);
  row("foot-pound 12.55", "foot-pound", 12.55, kButtonFace);
  row("foot-pound just below 12.6", "foot-pound", Below(12.6), kButtonFace);
  row("foot-pound 12.6", "foot-pound", 12.6, kRed);
  row("foot-pound 999999999", "foot-pound", 999999999.0, kRed);
  row("foot-pound just above 999999999", "foot-pound", Above(999999999.0), kButtonFace);
  row("foot-pound 15.75, a joule gap", "foot-pound", 15.75, kRed);
  row("joule 0", "joule", 0.0, kGreen);
  row("joule -0.001", "joule", -0.001, kButtonFace);
  row("joule 11.5, a foot-pound gap", "joule", 11.5, kGreen);
  row("joule 15.7", "joule", 15.7, kGreen);
  row("joule just above 15.7", "joule", Above(15.7), kButtonFace);
  row("joule 15.75", "joule", 15.75, kButtonFace);
  row("joule just below 15.8", "joule", Below(15.8), kButtonFace);
  row("joule 15.8", "joule", 15.8, kYellow);
  row("joule 16.3", "joule", 16.3, kYellow);
  row("joule just above 16.3", "joule", Above(16.3), kButtonFace);
  row("joule 16.35", "joule", 16.35, kButtonFace);
  row("joule just below 16.4", "joule", Below(16.4), kButtonFace);
  row("joule 16.4", "joule", 16.4, kRed);
  row("joule 999999999", "joule", 999999999.0, kRed);
  row("joule just above 999999999", "joule", Above(999999999.0), kButtonFace);
  QTest::newRow("foot-pound failed") << "foot-pound" << true << 0.0 << kButtonFace;
  QTest::newRow("joule failed") << "joule" << true << 0.0 << kButtonFace;
}

void EnergyTest::colours() {
  QFETCH(QString, system);
  QFETCH(bool, failed);
  QFETCH(double, bandValue);
  QFETCH(quint32, colour);
  const auto value = failed ? std::nullopt : std::optional<double>(bandValue);
  QCOMPARE(quint32{EnergyColour(BandsOf(system), value)}, colour);
}

QTEST_GUILESS_MAIN(EnergyTest)
#include "test_energy.moc"
