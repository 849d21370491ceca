// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

using namespace test_support;

// The conversion panel through clicks and typing: ten conversions both ways, the reverse tick,
// Calculate and Clear.
class ConversionPanelTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void calculateAtStart();
  void everyConversion_data();
  void everyConversion();
  void conversionChosenWhileReversed_data();
  void conversionChosenWhileReversed();
  void failedCalculationKeepsResult_data();
  void failedCalculationKeepsResult();
  void clearKeepsConversion();
  void choosingAfterTypingComputesNothing();
  void arrowKeysChoose_data();
  void arrowKeysChoose();
  void clickOnRowEnd_data();
  void clickOnRowEnd();
};

namespace {

forms::OptionButton* Option(Form1& form, const QString& name) {
  return &form.Named<forms::OptionButton>(name.toLatin1().constData());
}

}  // namespace

void ConversionPanelTest::initTestCase() { SetUpLook(); }

void ConversionPanelTest::cleanup() { DiscardWindows(); }

void ConversionPanelTest::calculateAtStart() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), QStringLiteral("0"));
  // The first conversion is ready without a click on its option.
  TypeOver(form->Text1, QStringLiteral("3"));
  QCOMPARE(form->Text4.Text(), QStringLiteral("0"));
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), QStringLiteral("4.0674"));
}

void ConversionPanelTest::everyConversion_data() {
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("second");
  QTest::addColumn<QString>("forward");
  QTest::addColumn<QString>("reversed");

  // Captions going forward, and the results for the number 1: the factor itself forward, and
  // its reciprocal at 15 significant digits reversed.
  const auto row = [](const char* option, const char* first, const char* second,
                      const char* forward, const char* reversed) {
    QTest::newRow(option) << QString::fromLatin1(first) << QString::fromLatin1(second)
                          << QString::fromLatin1(forward) << QString::fromLatin1(reversed);
  };
  row("Option1", "ft/P", "J", "1.3558", "0.737571913261543");
  row("Option2", "grains", "g", "0.0648", "15.4320987654321");
  row("Option3", "lbs", "kg", "0.454", "2.20264317180617");
  row("Option4", "lbs", "oz", "16", "0.0625");
  row("Option5", "lbs", "grains", "7000", "0.000142857142857143");
  row("Option6", "fps", "m/s", "0.305", "3.27868852459016");
  row("Option7", "inch", "cm", "2.54", "0.393700787401575");
  row("Option8", "ft", "m", "0.3048", "3.28083989501312");
  row("Option9", "yds", "m", "0.9144", "1.09361329833771");
  row("Option10", "Miles", "ft", "5280", "0.000189393939393939");
}

void ConversionPanelTest::everyConversion() {
  QFETCH(QString, first);
  QFETCH(QString, second);
  QFETCH(QString, forward);
  QFETCH(QString, reversed);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  auto* option = Option(*form, QString::fromLatin1(QTest::currentDataTag()));
  QVERIFY(option);
  // From another conversion, so that the option's own handler writes captions and factor.
  Click(option == &form->Option2 ? form->Option3 : form->Option2);
  Click(*option);
  QCOMPARE(option->Value(), forms::kTrue);
  QCOMPARE(form->Label3.Caption(), first);
  QCOMPARE(form->Label4.Caption(), second);
  // Choosing computes nothing.
  QCOMPARE(form->Text4.Text(), QStringLiteral("0"));

  TypeOver(form->Text1, QStringLiteral("1"));
  QCOMPARE(form->Text1.Text(), QStringLiteral("1"));
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), forward);

  Click(form->Check1);
  QCOMPARE(form->Check1.Value(), std::int16_t{1});
  QCOMPARE(form->Label3.Caption(), second);
  QCOMPARE(form->Label4.Caption(), first);
  QCOMPARE(form->Text4.Text(), forward);
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), reversed);
  QCOMPARE(form->Text1.Text(), QStringLiteral("1"));

  // A second tick turns back, again without computing.
  Click(form->Check1);
  QCOMPARE(form->Check1.Value(), std::int16_t{0});
  QCOMPARE(form->Label3.Caption(), first);
  QCOMPARE(form->Label4.Caption(), second);
  QCOMPARE(form->Text4.Text(), reversed);
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), forward);
}

void ConversionPanelTest::conversionChosenWhileReversed_data() {
  QTest::addColumn<QString>("option");
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("second");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("result");

  const auto row = [](const char* option, const char* first, const char* second,
                      const char* input) {
    QTest::addRow("%s, %s %s are 1 %s", option, input, first, second)
        << QString::fromLatin1(option) << QString::fromLatin1(first) << QString::fromLatin1(second)
        << QString::fromLatin1(input) << QStringLiteral("1");
  };
  row("Option10", "ft", "Miles", "5280");
  row("Option1", "J", "ft/P", "1.3558");
}

void ConversionPanelTest::conversionChosenWhileReversed() {
  QFETCH(QString, option);
  QFETCH(QString, first);
  QFETCH(QString, second);
  QFETCH(QString, input);
  QFETCH(QString, result);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Option9);
  Click(form->Check1);
  auto* chosen = Option(*form, option);
  QVERIFY(chosen);
  Click(*chosen);
  QCOMPARE(form->Check1.Value(), std::int16_t{1});
  QCOMPARE(form->Label3.Caption(), first);
  QCOMPARE(form->Label4.Caption(), second);
  TypeOver(form->Text1, input);
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), result);
}

void ConversionPanelTest::failedCalculationKeepsResult_data() {
  QTest::addColumn<QString>("input");
  QTest::newRow("emptied by hand") << "";
  QTest::newRow("a point alone") << ".";
}

void ConversionPanelTest::failedCalculationKeepsResult() {
  QFETCH(QString, input);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Option10);
  TypeOver(form->Text1, QStringLiteral("2"));
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), QStringLiteral("10560"));
  TypeOver(form->Text1, input);
  QCOMPARE(form->Text1.Text(), input);
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), QStringLiteral("10560"));
  QVERIFY(WindowOf(*form).isVisible());
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ConversionPanelTest::clearKeepsConversion() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Option3);
  Click(form->Check1);
  TypeOver(form->Text1, QStringLiteral("4.54"));
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), QStringLiteral("10"));
  Click(form->Command3);
  QCOMPARE(form->Text1.Text(), QString());
  QCOMPARE(form->Text4.Text(), QString());
  // Calculate on the empty box changes nothing and says nothing.
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), QString());
  QVERIFY(QApplication::activeModalWidget() == nullptr);
  // The conversion and its direction stay for the next number typed.
  QCOMPARE(form->Option3.Value(), forms::kTrue);
  QCOMPARE(form->Check1.Value(), std::int16_t{1});
  QCOMPARE(form->Label3.Caption(), QStringLiteral("kg"));
  QCOMPARE(form->Label4.Caption(), QStringLiteral("lbs"));
  ClickInto(form->Text1);
  Type(QStringLiteral("0.454"));
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), QStringLiteral("1"));
}

void ConversionPanelTest::choosingAfterTypingComputesNothing() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  TypeOver(form->Text1, QStringLiteral("3"));
  Click(form->Command2);
  QCOMPARE(form->Text4.Text(), QStringLiteral("4.0674"));
  TypeOver(form->Text1, QStringLiteral("5"));
  Click(form->Option4);
  Click(form->Check1);
  QCOMPARE(form->Text1.Text(), QStringLiteral("5"));
  QCOMPARE(form->Text4.Text(), QStringLiteral("4.0674"));
}

void ConversionPanelTest::arrowKeysChoose_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("to");
  QTest::addColumn<QStringList>("captions");
  // Captions of the conversion's two units, or of the energy's mass, velocity and energy.
  QTest::newRow("Option1 Down") << "Option1" << int{Qt::Key_Down} << "Option2"
                                << QStringList{"grains", "g"};
  QTest::newRow("Option1 Right") << "Option1" << int{Qt::Key_Right} << "Option2"
                                 << QStringList{"grains", "g"};
  QTest::newRow("Option7 Up") << "Option7" << int{Qt::Key_Up} << "Option6"
                              << QStringList{"fps", "m/s"};
  QTest::newRow("Option10 Down, round to the first")
      << "Option10" << int{Qt::Key_Down} << "Option1" << QStringList{"ft/P", "J"};
  QTest::newRow("Option11 Down") << "Option11" << int{Qt::Key_Down} << "Option12"
                                 << QStringList{"grams", "m/s", "Joules"};
  QTest::newRow("Option12 Left") << "Option12" << int{Qt::Key_Left} << "Option11"
                                 << QStringList{"grains", "fps", "ft/lbs"};
}

void ConversionPanelTest::arrowKeysChoose() {
  QFETCH(QString, from);
  QFETCH(int, key);
  QFETCH(QString, to);
  QFETCH(QStringList, captions);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);
  auto* start = Option(*form, from);
  auto* target = Option(*form, to);
  QVERIFY(start && target);
  Click(*start);
  QVERIFY(WidgetOf(*start).hasFocus());
  Press(static_cast<Qt::Key>(key));
  QCOMPARE(target->Value(), forms::kTrue);
  QCOMPARE(start->Value(), forms::kFalse);
  QVERIFY(WidgetOf(*target).hasFocus());
  const bool energy = captions.size() == 3;
  QStringList shown{ToQString(energy ? form->Label7.Caption() : form->Label3.Caption()),
                    ToQString(energy ? form->Label8.Caption() : form->Label4.Caption())};
  if (energy) shown << ToQString(form->Label11.Caption());
  QCOMPARE(shown, captions);
}

void ConversionPanelTest::clickOnRowEnd_data() {
  QTest::addColumn<QString>("control");
  QTest::newRow("Option5") << "Option5";
  QTest::newRow("Option12") << "Option12";
  QTest::newRow("Check1") << "Check1";
}

// Where an option's or the tick's row lies beyond its caption's text, a click still chooses.
void ConversionPanelTest::clickOnRowEnd() {
  QFETCH(QString, control);
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);
  auto* button = WindowOf(*form).findChild<QAbstractButton*>(control);
  QVERIFY(button);
  QVERIFY(!button->isChecked());
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 2, button->height() / 2));
  QVERIFY(button->isChecked());
}

QTEST_MAIN(ConversionPanelTest)
#include "conversion_panel_test.moc"
