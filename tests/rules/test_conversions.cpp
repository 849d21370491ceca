#include <QTest>

#include <cstddef>
#include <string_view>

#include "main_window/conversions.h"

using velmara::ConvertedText;
using velmara::kConversions;
using velmara::ReciprocalOf;
using velmara::Variant;

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KindName(Variant::Kind kind) {
  switch (kind) {
    case Variant::Kind::Empty:
      return "empty";
    case Variant::Kind::Integer16:
      return "16-bit integer";
    case Variant::Kind::Integer32:
      return "32-bit integer";
    case Variant::Kind::Double:
      return "double";
  }
  return "unknown";
}

const Variant& FactorOf(int option) {
  return kConversions.at(static_cast<std::size_t>(option - 1)).factor;
}

// The result box's text, or "(kept)" when the calculation fails and the box keeps its text.
QString Result(const Variant& factor, const QByteArray& input) {
  const auto text = ConvertedText(
      factor, std::string_view(input.constData(), static_cast<std::size_t>(input.size())));
  return text ? QString::fromStdString(*text) : QString("(kept)");
}

}  // namespace

class ConversionsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void rows_data();
  void rows();
  void forward_data();
  void forward();
  void reverse_data();
  void reverse();
  void failures_data();
  void failures();
};

void ConversionsTest::rows_data() {
  QTest::addColumn<int>("option");
  QTest::addColumn<QString>("firstUnit");
  QTest::addColumn<QString>("secondUnit");
  QTest::addColumn<double>("factor");
  QTest::addColumn<QString>("kind");

  QTest::newRow("Option1") << 1 << "ft/P"
                           << "J" << 1.3558 << "double";
  QTest::newRow("Option2") << 2 << "grains"
                           << "g" << 0.0648 << "double";
  QTest::newRow("Option3") << 3 << "lbs"
                           << "kg" << 0.454 << "double";
  QTest::newRow("Option4") << 4 << "lbs"
                           << "oz" << 16.0 << "16-bit integer";
  QTest::newRow("Option5") << 5 << "lbs"
                           << "grains" << 7000.0 << "16-bit integer";
  QTest::newRow("Option6") << 6 << "fps"
                           << "m/s" << 0.305 << "double";
  QTest::newRow("Option7") << 7 << "inch"
                           << "cm" << 2.54 << "double";
  QTest::newRow("Option8") << 8 << "ft"
                           << "m" << 0.3048 << "double";
  QTest::newRow("Option9") << 9 << "yds"
                           << "m" << 0.9144 << "double";
  QTest::newRow("Option10") << 10 << "Miles"
                            << "ft" << 5280.0 << "16-bit integer";
}

void ConversionsTest::rows() {
  QFETCH(int, option);
  QFETCH(QString, firstUnit);
  QFETCH(QString, secondUnit);
  QFETCH(double, factor);
  QFETCH(QString, kind);
  const auto& row = kConversions.at(static_cast<std::size_t>(option - 1));
  QCOMPARE(Text(row.firstUnit), firstUnit);
  QCOMPARE(Text(row.secondUnit), secondUnit);
  QCOMPARE(KindName(row.factor.GetKind()), kind);
  QVERIFY2(row.factor.ToDouble() == factor,
           qPrintable(QString::number(row.factor.ToDouble(), 'g', 17)));
}

void ConversionsTest::forward_data() {
  QTest::addColumn<int>("option");
  QTest::addColumn<QByteArray>("input");
  QTest::addColumn<QString>("result");

  QTest::newRow("Option1, 1") << 1 << QByteArray("1") << "1.3558";
  QTest::newRow("Option1, 0") << 1 << QByteArray("0") << "0";
  QTest::newRow("Option1, 2.5") << 1 << QByteArray("2.5") << "3.3895";
  QTest::newRow("Option2, 1") << 2 << QByteArray("1") << "0.0648";
  QTest::newRow("Option2, 100") << 2 << QByteArray("100") << "6.48";
  QTest::newRow("Option3, 1") << 3 << QByteArray("1") << "0.454";
  QTest::newRow("Option3, 10") << 3 << QByteArray("10") << "4.54";
  QTest::newRow("Option3, 1 and 308 zeros") << 3 << "1" + QByteArray(308, '0') << "4.54E+307";
  QTest::newRow("Option4, 1") << 4 << QByteArray("1") << "16";
  QTest::newRow("Option4, 3") << 4 << QByteArray("3") << "48";
  QTest::newRow("Option5, 1") << 5 << QByteArray("1") << "7000";
  QTest::newRow("Option5, 2") << 5 << QByteArray("2") << "14000";
  QTest::newRow("Option6, 1: speed factor") << 6 << QByteArray("1") << "0.305";
  QTest::newRow("Option6, 100") << 6 << QByteArray("100") << "30.5";
  QTest::newRow("Option7, 1") << 7 << QByteArray("1") << "2.54";
  QTest::newRow("Option7, 12") << 7 << QByteArray("12") << "30.48";
  QTest::newRow("Option8, 1: length factor") << 8 << QByteArray("1") << "0.3048";
  QTest::newRow("Option8, 100") << 8 << QByteArray("100") << "30.48";
  QTest::newRow("Option9, 1") << 9 << QByteArray("1") << "0.9144";
  QTest::newRow("Option9, 100") << 9 << QByteArray("100") << "91.44";
  QTest::newRow("Option10, 1") << 10 << QByteArray("1") << "5280";
  QTest::newRow("Option10, .5") << 10 << QByteArray(".5") << "2640";
}

void ConversionsTest::forward() {
  QFETCH(int, option);
  QFETCH(QByteArray, input);
  QFETCH(QString, result);
  QCOMPARE(Result(FactorOf(option), input), result);
}

void ConversionsTest::reverse_data() {
  QTest::addColumn<int>("option");
  QTest::addColumn<QByteArray>("input");
  QTest::addColumn<QString>("result");

  QTest::newRow("Option1, 1.3558") << 1 << QByteArray("1.3558") << "1";
  QTest::newRow("Option2, 1") << 2 << QByteArray("1") << "15.4320987654321";
  QTest::newRow("Option3, 0.454: product just below one") << 3 << QByteArray("0.454") << "1";
  QTest::newRow("Option4, 32") << 4 << QByteArray("32") << "2";
  QTest::newRow("Option5, 1") << 5 << QByteArray("1") << "0.000142857142857143";
  QTest::newRow("Option6, 1") << 6 << QByteArray("1") << "3.27868852459016";
  QTest::newRow("Option7, 1") << 7 << QByteArray("1") << "0.393700787401575";
  QTest::newRow("Option8, 1") << 8 << QByteArray("1") << "3.28083989501312";
  QTest::newRow("Option9, 1") << 9 << QByteArray("1") << "1.09361329833771";
  QTest::newRow("Option10, 5280") << 10 << QByteArray("5280") << "1";
  QTest::newRow("Option10, 1 and 308 zeros")
      << 10 << "1" + QByteArray(308, '0') << "1.89393939393939E+304";
}

void ConversionsTest::reverse() {
  QFETCH(int, option);
  QFETCH(QByteArray, input);
  QFETCH(QString, result);
  const Variant reciprocal = ReciprocalOf(FactorOf(option));
  QCOMPARE(KindName(reciprocal.GetKind()), QString("double"));
  QCOMPARE(Result(reciprocal, input), result);
}

void ConversionsTest::failures_data() {
  QTest::addColumn<int>("option");
  QTest::addColumn<QByteArray>("input");

  QTest::newRow("empty") << 1 << QByteArray();
  QTest::newRow("point alone") << 3 << QByteArray(".");
  QTest::newRow("word") << 4 << QByteArray("abc");
  QTest::newRow("two points") << 7 << QByteArray("1.2.3");
  QTest::newRow("beyond the largest double") << 2 << QByteArray("1e309");
  QTest::newRow("Option10 product beyond the double range") << 10 << "1" + QByteArray(308, '0');
  QTest::newRow("Option4 product beyond the double range") << 4 << "2" + QByteArray(307, '0');
}

void ConversionsTest::failures() {
  QFETCH(int, option);
  QFETCH(QByteArray, input);
  QCOMPARE(Result(FactorOf(option), input), QString("(kept)"));
}

QTEST_GUILESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
