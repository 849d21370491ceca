#include <QTest>

#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "main_window/energy.h"
#include "main_window/number_text.h"

using velmara::Band;
using velmara::BandColour;
using velmara::EnergyColour;
using velmara::EnergyText;
using velmara::NumberFromText;
using velmara::ShownEnergyText;
using velmara::UnitSystem;
using velmara::Variant;

namespace {

std::string_view View(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const UnitSystem& SystemNamed(const QString& name) {
  return name == "joule" ? velmara::kJouleSystem : velmara::kFootPoundSystem;
}

std::span<const Band> BandsOf(const QString& system) {
  if (system == "joule") return velmara::kJouleBands;
  return velmara::kFootPoundBands;
}

// Blue-green-red values and the system colour of button faces.
QString ColourName(std::uint32_t colour) {
  switch (colour) {
    case 65280:
      return "green";
    case 65535:
      return "yellow";
    case 255:
      return "red";
    case 0x8000000F:
      return "button face";
    default:
      return QString::number(colour, 16);
  }
}

QString ColourName(std::optional<std::uint32_t> colour) {
  return colour ? ColourName(*colour) : QString("none");
}

// What the energy panel shows after a calculation: the shown text and the box's colour, whose
// band value is the whole energy text read back.
struct Shown {
  std::optional<std::string> energyText;
  QString colour;
};

Shown Calculate(const QString& system, const QByteArray& mass, const QByteArray& velocity) {
  const auto energyText = EnergyText(View(mass), View(velocity), SystemNamed(system).divisor);
  const auto bandValue = energyText ? NumberFromText(*energyText) : std::nullopt;
  return {energyText, ColourName(EnergyColour(BandsOf(system), bandValue))};
}

}  // namespace

class EnergyTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void unitSystems_data();
  void unitSystems();
  void bands_data();
  void bands();
  void energies_data();
  void energies();
  void failures_data();
  void failures();
  void bandValueFromTheWholeText();
  void shownText_data();
  void shownText();
  void colours_data();
  void colours();
};

void EnergyTest::unitSystems_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<QString>("massUnit");
  QTest::addColumn<QString>("velocityUnit");
  QTest::addColumn<QString>("energyUnit");
  QTest::addColumn<bool>("divisorIs32Bit");
  QTest::addColumn<double>("divisor");

  QTest::newRow("foot-pound") << "foot-pound"
                              << "grains"
                              << "fps"
                              << "ft/lbs" << true << 450240.0;
  QTest::newRow("joule") << "joule"
                         << "grams"
                         << "m/s"
                         << "Joules" << false << 2000.0;
}

void EnergyTest::unitSystems() {
  QFETCH(QString, system);
  QFETCH(QString, massUnit);
  QFETCH(QString, velocityUnit);
  QFETCH(QString, energyUnit);
  QFETCH(bool, divisorIs32Bit);
  QFETCH(double, divisor);
  const UnitSystem& units = SystemNamed(system);
  QCOMPARE(Text(units.massUnit), massUnit);
  QCOMPARE(Text(units.velocityUnit), velocityUnit);
  QCOMPARE(Text(units.energyUnit), energyUnit);
  QCOMPARE(units.divisor.GetKind(),
           divisorIs32Bit ? Variant::Kind::Integer32 : Variant::Kind::Integer16);
  QCOMPARE(units.divisor.ToDouble(), divisor);
}

void EnergyTest::bands_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<double>("bandValue");
  QTest::addColumn<QString>("colour");

  QTest::newRow("foot-pound 0") << "foot-pound" << 0.0 << "green";
  QTest::newRow("foot-pound -0") << "foot-pound" << -0.0 << "green";
  QTest::newRow("foot-pound 11") << "foot-pound" << 11.0 << "green";
  QTest::newRow("foot-pound just above 11") << "foot-pound" << std::nextafter(11.0, 12.0) << "none";
  QTest::newRow("foot-pound 11.5") << "foot-pound" << 11.5 << "none";
  QTest::newRow("foot-pound 12") << "foot-pound" << 12.0 << "yellow";
  QTest::newRow("foot-pound 12.5") << "foot-pound" << 12.5 << "yellow";
  QTest::newRow("foot-pound 12.55") << "foot-pound" << 12.55 << "none";
  QTest::newRow("foot-pound just below 12.6")
      << "foot-pound" << std::nextafter(12.6, 0.0) << "none";
  QTest::newRow("foot-pound 12.6") << "foot-pound" << 12.6 << "red";
  QTest::newRow("foot-pound 999999999") << "foot-pound" << 999999999.0 << "red";
  QTest::newRow("foot-pound 1000000000") << "foot-pound" << 1000000000.0 << "none";
  QTest::newRow("foot-pound -0.001") << "foot-pound" << -0.001 << "none";
  QTest::newRow("joule 0") << "joule" << 0.0 << "green";
  QTest::newRow("joule 15.7") << "joule" << 15.7 << "green";
  QTest::newRow("joule 15.75") << "joule" << 15.75 << "none";
  QTest::newRow("joule 15.8") << "joule" << 15.8 << "yellow";
  QTest::newRow("joule 16.3") << "joule" << 16.3 << "yellow";
  QTest::newRow("joule 16.35") << "joule" << 16.35 << "none";
  QTest::newRow("joule 16.4") << "joule" << 16.4 << "red";
  QTest::newRow("joule 999999999") << "joule" << 999999999.0 << "red";
  QTest::newRow("joule 1000000000") << "joule" << 1000000000.0 << "none";
  QTest::newRow("joule -0.001") << "joule" << -0.001 << "none";
  QTest::newRow("joule 11.5, a foot-pound gap") << "joule" << 11.5 << "green";
  QTest::newRow("foot-pound 15.75, a joule gap") << "foot-pound" << 15.75 << "red";
}

void EnergyTest::bands() {
  QFETCH(QString, system);
  QFETCH(double, bandValue);
  QFETCH(QString, colour);
  QCOMPARE(ColourName(BandColour(BandsOf(system), bandValue)), colour);
}

void EnergyTest::energies_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<QByteArray>("mass");
  QTest::addColumn<QByteArray>("velocity");
  QTest::addColumn<QString>("energyText");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QString>("colour");

  QTest::newRow("10 gr at 500 fps")
      << "foot-pound" << QByteArray("10") << QByteArray("500") << "5.55259417199716"
      << "5.55259417"
      << "green";
  QTest::newRow("15 gr at 610 fps")
      << "foot-pound" << QByteArray("15") << QByteArray("610") << "12.3967217484009"
      << "12.3967217"
      << "yellow";
  QTest::newRow("15 gr at 700 fps, cut not rounded")
      << "foot-pound" << QByteArray("15") << QByteArray("700") << "16.3246268656716"
      << "16.3246268"
      << "red";
  QTest::newRow("8.44 gr at 800 fps, in no band")
      << "foot-pound" << QByteArray("8.44") << QByteArray("800") << "11.9971570717839"
      << "11.9971570"
      << "button face";
  QTest::newRow("8.04 gr at 840 fps")
      << "foot-pound" << QByteArray("8.04") << QByteArray("840") << "12.6"
      << "12.6"
      << "red";
  QTest::newRow("fresh foot-pound panel")
      << "foot-pound" << QByteArray("0") << QByteArray("0") << "0"
      << "0"
      << "green";
  QTest::newRow("0.1 gr at 0.001 fps, exponent kept")
      << "foot-pound" << QByteArray("0.1") << QByteArray("0.001") << "2.22103766879886E-13"
      << "2.2210E-13"
      << "green";
  QTest::newRow("huge energy, exponent kept")
      << "foot-pound" << QByteArray("1000000000000") << QByteArray("100000000000")
      << "2.22103766879886E+28"
      << "2.2210E+28"
      << "button face";
  QTest::newRow("largest product in range")
      << "foot-pound" << QByteArray("1") << "1" + QByteArray(154, '0') << "2.22103766879886E+302"
      << "2.221E+302"
      << "button face";
  QTest::newRow("pasted negative mass")
      << "foot-pound" << QByteArray("-10") << QByteArray("500") << "-5.55259417199716"
      << "-5.5525941"
      << "button face";
  QTest::newRow("0.5 g at 250 m/s") << "joule" << QByteArray("0.5") << QByteArray("250") << "15.625"
                                    << "15.625"
                                    << "green";
  QTest::newRow("1 g at 178 m/s") << "joule" << QByteArray("1") << QByteArray("178") << "15.842"
                                  << "15.842"
                                  << "yellow";
  QTest::newRow("1 g at 181 m/s, in no band")
      << "joule" << QByteArray("1") << QByteArray("181") << "16.3805"
      << "16.3805"
      << "button face";
  QTest::newRow("1 g at 200 m/s") << "joule" << QByteArray("1") << QByteArray("200") << "20"
                                  << "20"
                                  << "red";
  QTest::newRow("fresh joule panel") << "joule" << QByteArray("0") << QByteArray("0") << "0"
                                     << "0"
                                     << "green";
}

void EnergyTest::energies() {
  QFETCH(QString, system);
  QFETCH(QByteArray, mass);
  QFETCH(QByteArray, velocity);
  QFETCH(QString, energyText);
  QFETCH(QString, shown);
  QFETCH(QString, colour);
  const Shown result = Calculate(system, mass, velocity);
  QVERIFY(result.energyText.has_value());
  QCOMPARE(QString::fromStdString(*result.energyText), energyText);
  QCOMPARE(QString::fromStdString(ShownEnergyText(*result.energyText)), shown);
  QCOMPARE(result.colour, colour);
}

void EnergyTest::failures_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<QByteArray>("mass");
  QTest::addColumn<QByteArray>("velocity");

  QTest::newRow("empty mass") << "foot-pound" << QByteArray() << QByteArray("500");
  QTest::newRow("empty velocity") << "foot-pound" << QByteArray("10") << QByteArray();
  QTest::newRow("mass a point alone") << "joule" << QByteArray(".") << QByteArray("250");
  QTest::newRow("velocity a point alone") << "joule" << QByteArray("1") << QByteArray(".");
  QTest::newRow("mass a word") << "foot-pound" << QByteArray("abc") << QByteArray("500");
  QTest::newRow("velocity with blanks inside") << "joule" << QByteArray("1") << QByteArray("2 5");
  QTest::newRow("velocity beyond the largest double")
      << "foot-pound" << QByteArray("1") << QByteArray("1e309");
  QTest::newRow("velocity squared beyond the double range")
      << "foot-pound" << QByteArray("1") << "1" + QByteArray(200, '0');
  QTest::newRow("product with the mass beyond the double range")
      << "joule"
      << "1" + QByteArray(300, '0') << QByteArray("10000000000");
}

void EnergyTest::failures() {
  QFETCH(QString, system);
  QFETCH(QByteArray, mass);
  QFETCH(QByteArray, velocity);
  const Shown result = Calculate(system, mass, velocity);
  QVERIFY2(!result.energyText.has_value(), result.energyText.value_or("").c_str());
  QCOMPARE(result.colour, QString("button face"));
}

// The band is chosen by the whole energy text read back: neither by the quotient itself nor by
// the ten characters shown.
void EnergyTest::bandValueFromTheWholeText() {
  const double quotient = 840.0 * 840.0 * 8.04 / 450240;
  QCOMPARE(ColourName(BandColour(velmara::kFootPoundBands, quotient)), QString("none"));
  QCOMPARE(Calculate("foot-pound", "8.04", "840").colour, QString("red"));

  const Shown justAbove11 = Calculate("foot-pound", "4952640.0022512", "1");
  QVERIFY(justAbove11.energyText.has_value());
  QCOMPARE(QString::fromStdString(*justAbove11.energyText), QString("11.000000005"));
  const std::string shown = ShownEnergyText(*justAbove11.energyText);
  QCOMPARE(QString::fromStdString(shown), QString("11.0000000"));
  QCOMPARE(ColourName(BandColour(velmara::kFootPoundBands, NumberFromText(shown).value())),
           QString("green"));
  QCOMPARE(justAbove11.colour, QString("button face"));
}

void EnergyTest::shownText_data() {
  QTest::addColumn<QByteArray>("energyText");
  QTest::addColumn<QString>("shown");

  QTest::newRow("long plain text") << QByteArray("5.55259417199716") << "5.55259417";
  QTest::newRow("thirteen digits") << QByteArray("1234567890123") << "1234567890";
  QTest::newRow("negative long plain text") << QByteArray("-1234567890123") << "-123456789";
  QTest::newRow("exactly ten") << QByteArray("1234567890") << "1234567890";
  QTest::newRow("short") << QByteArray("15.625") << "15.625";
  QTest::newRow("zero") << QByteArray("0") << "0";
  QTest::newRow("empty") << QByteArray() << "";
  QTest::newRow("small exponent form") << QByteArray("2.22103766879886E-13") << "2.2210E-13";
  QTest::newRow("large exponent form") << QByteArray("1.23456789012346E+17") << "1.2345E+17";
  QTest::newRow("three-digit exponent") << QByteArray("2.22103766879886E+302") << "2.221E+302";
  QTest::newRow("smallest subnormal") << QByteArray("4.94065645841247E-324") << "4.940E-324";
  QTest::newRow("negative exponent form") << QByteArray("-2.22103766879886E-13") << "-2.221E-13";
  QTest::newRow("short exponent form") << QByteArray("1E-05") << "1E-05";
  QTest::newRow("negative short exponent form") << QByteArray("-1E-05") << "-1E-05";
  QTest::newRow("exponent form of ten") << QByteArray("1.2345E-05") << "1.2345E-05";
  QTest::newRow("exponent form of eleven") << QByteArray("1.23456E-05") << "1.2345E-05";
}

void EnergyTest::shownText() {
  QFETCH(QByteArray, energyText);
  QFETCH(QString, shown);
  QCOMPARE(QString::fromStdString(ShownEnergyText(View(energyText))), shown);
}

void EnergyTest::colours_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<bool>("failed");
  QTest::addColumn<double>("bandValue");
  QTest::addColumn<QString>("colour");

  QTest::newRow("foot-pound failed") << "foot-pound" << true << 0.0 << "button face";
  QTest::newRow("joule failed") << "joule" << true << 0.0 << "button face";
  QTest::newRow("foot-pound 5") << "foot-pound" << false << 5.0 << "green";
  QTest::newRow("foot-pound 11.5") << "foot-pound" << false << 11.5 << "button face";
  QTest::newRow("joule 15.75") << "joule" << false << 15.75 << "button face";
  QTest::newRow("joule 16.4") << "joule" << false << 16.4 << "red";
}

void EnergyTest::colours() {
  QFETCH(QString, system);
  QFETCH(bool, failed);
  QFETCH(double, bandValue);
  QFETCH(QString, colour);
  const auto value = failed ? std::nullopt : std::optional<double>(bandValue);
  QCOMPARE(ColourName(EnergyColour(BandsOf(system), value)), colour);
}

QTEST_GUILESS_MAIN(EnergyTest)
#include "test_energy.moc"
