#include <QClipboard>

#include "window_test_support.h"

using namespace test_support;

// The muzzle energy panel through clicks and typing: showing it, calculating with the colour
// bands of both unit systems, switching units, clearing and copying.
class EnergyPanelTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void showAndHide();
  void calculate_data();
  void calculate();
  void calculateWhileHidden();
  void unitSwitchKeepsNumberAndColour();
  void clear_data();
  void clear();
  void copy_data();
  void copy();
};

namespace {

constexpr std::uint32_t kGreen = 65280;
constexpr std::uint32_t kYellow = 65535;
constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kButtonFace = 0x8000000F;

// Expands the window and chooses the unit system.
void OpenPanel(Form1& form, bool joules) {
  Click(form.Command4);
  if (joules) Click(form.Option12);
}

// A mass and a velocity typed over the boxes' texts, then Calculate Energy.
void CalculateEnergy(Form1& form, const QString& mass, const QString& velocity) {
  TypeOver(form.Text2, mass);
  TypeOver(form.Text3, velocity);
  Click(form.Command5);
}

}  // namespace

void EnergyPanelTest::initTestCase() { SetUpLook(); }

void EnergyPanelTest::cleanup() { DiscardWindows(); }

void EnergyPanelTest::showAndHide() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);
  QCOMPARE(form->Command4.Caption(), QStringLiteral("<< &Muzzle Energy"));
  QCOMPARE(form->size(), QSize(359, 366));
  QCOMPARE(form->Height(), 5895);
  CalculateEnergy(*form, QStringLiteral("15"), QStringLiteral("700"));
  Click(form->Command4);
  QCOMPARE(form->Command4.Caption(), QStringLiteral("&Muzzle Energy >>"));
  QCOMPARE(form->size(), QSize(359, 252));
  QCOMPARE(form->Height(), 4185);
  // Hiding keeps what the panel holds.
  QCOMPARE(form->Text2.Text(), QStringLiteral("15"));
  QCOMPARE(form->Text3.Text(), QStringLiteral("700"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("16.3246268"));
  QCOMPARE(form->Text5.BackColor(), kRed);
  Click(form->Command4);
  QCOMPARE(form->size(), QSize(359, 366));
  Click(form->Command4);
  QCOMPARE(form->size(), QSize(359, 252));
  QCOMPARE(form->Command4.Caption(), QStringLiteral("&Muzzle Energy >>"));
}

void EnergyPanelTest::calculate_data() {
  QTest::addColumn<bool>("joules");
  QTest::addColumn<QString>("mass");
  QTest::addColumn<QString>("velocity");
  QTest::addColumn<bool>("pasteMass");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<quint32>("colour");

  const auto row = [](const char* name, bool joules, const char* mass, const char* velocity,
                      const char* shown, std::uint32_t colour, bool pasteMass = false) {
    QTest::newRow(name) << joules << QString::fromLatin1(mass) << QString::fromLatin1(velocity)
                        << pasteMass << QString::fromLatin1(shown) << quint32{colour};
  };
  const bool ft = false;
  const bool j = true;
  row("ft: fresh panel", ft, "0", "0", "0", kGreen);
  row("ft: 10 gr at 500 fps", ft, "10", "500", "5.55259417", kGreen);
  row("ft: 15 gr at 610 fps", ft, "15", "610", "12.3967217", kYellow);
  row("ft: 15 gr at 700 fps, cut not rounded", ft, "15", "700", "16.3246268", kRed);
  row("ft: 8.44 gr at 800 fps, between bands", ft, "8.44", "800", "11.9971570", kButtonFace);
  row("ft: 8.04 gr at 840 fps, band from the text 12.6", ft, "8.04", "840", "12.6", kRed);
  row("ft: exponent form keeps its exponent", ft, "0.0000001", "1", "2.2210E-13", kGreen);
  row("ft: empty mass", ft, "", "500", "", kButtonFace);
  row("ft: mass a point alone", ft, ".", "500", "", kButtonFace);
  row("ft: empty velocity", ft, "10", "", "", kButtonFace);
  row("ft: band value 11", ft, "4952640", "1", "11", kGreen);
  row("ft: band value 11.5", ft, "5177760", "1", "11.5", kButtonFace);
  row("ft: band value 12", ft, "5402880", "1", "12", kYellow);
  row("ft: band value 12.5", ft, "5628000", "1", "12.5", kYellow);
  row("ft: band value 12.55", ft, "5650512", "1", "12.55", kButtonFace);
  row("ft: band value 12.6", ft, "5673024", "1", "12.6", kRed);
  row("ft: band value 999999999", ft, "450239999549760", "1", "999999999", kRed);
  row("ft: band value above 999999999", ft, "450240000000000", "1", "1000000000", kButtonFace);
  row("ft: pasted negative mass", ft, "-450240", "1", "-1", kButtonFace, true);
  row("J: fresh panel", j, "0", "0", "0", kGreen);
  row("J: 0.5 g at 250 m/s", j, "0.5", "250", "15.625", kGreen);
  row("J: 1 g at 178 m/s", j, "1", "178", "15.842", kYellow);
  row("J: 1 g at 181 m/s, between bands", j, "1", "181", "16.3805", kButtonFace);
  row("J: 1 g at 200 m/s", j, "1", "200", "20", kRed);
  row("J: empty mass", j, "", "200", "", kButtonFace);
  row("J: band value 15.7", j, "31400", "1", "15.7", kGreen);
  row("J: band value 15.75", j, "31500", "1", "15.75", kButtonFace);
  row("J: band value 15.8", j, "31600", "1", "15.8", kYellow);
  row("J: band value 16.3", j, "32600", "1", "16.3", kYellow);
  row("J: band value 16.35", j, "32700", "1", "16.35", kButtonFace);
  row("J: band value 16.4", j, "32800", "1", "16.4", kRed);
}

void EnergyPanelTest::calculate() {
  QFETCH(bool, joules);
  QFETCH(QString, mass);
  QFETCH(QString, velocity);
  QFETCH(bool, pasteMass);
  QFETCH(QString, shown);
  QFETCH(quint32, colour);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  OpenPanel(*form, joules);
  if (pasteMass) {
    QGuiApplication::clipboard()->setText(mass);
    ClickInto(form->Text2);
    Press(Qt::Key_Home, Qt::ShiftModifier);
    Press(Qt::Key_Insert, Qt::ShiftModifier);
  } else {
    TypeOver(form->Text2, mass);
  }
  QCOMPARE(form->Text2.Text(), mass);
  TypeOver(form->Text3, velocity);
  QCOMPARE(form->Text3.Text(), velocity);
  Click(form->Command5);

  QCOMPARE(form->Text5.Text(), shown);
  QCOMPARE(form->Text5.BackColor(), colour);
  QCOMPARE(form->Text5.palette().color(QPalette::Base), ExpectedColour(colour));
  QCOMPARE(RenderedBackground(form->Text5), ExpectedColour(colour));
  QCOMPARE(form->Text2.Text(), mass);
  QCOMPARE(form->Text3.Text(), velocity);
}

void EnergyPanelTest::calculateWhileHidden() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  // Out of view, the panel's boxes and buttons are still reached with the keyboard.
  form->Text2.setFocus(Qt::TabFocusReason);
  Press(Qt::Key_End);
  Press(Qt::Key_Home, Qt::ShiftModifier);
  Type(QStringLiteral("15"));
  Press(Qt::Key_Tab);
  QVERIFY(form->Text3.hasFocus());
  Press(Qt::Key_End);
  Press(Qt::Key_Home, Qt::ShiftModifier);
  Type(QStringLiteral("700"));
  Press(Qt::Key_Tab);
  QVERIFY(form->Command5.hasFocus());
  Press(Qt::Key_Space);
  QCOMPARE(form->Text5.Text(), QStringLiteral("16.3246268"));
  QCOMPARE(form->Text5.BackColor(), kRed);
  QCOMPARE(form->size(), QSize(359, 252));
}

void EnergyPanelTest::unitSwitchKeepsNumberAndColour() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  OpenPanel(*form, false);
  CalculateEnergy(*form, QStringLiteral("15"), QStringLiteral("700"));
  QCOMPARE(form->Text5.BackColor(), kRed);

  Click(form->Option12);
  QCOMPARE(form->Label7.Caption(), QStringLiteral("grams"));
  QCOMPARE(form->Label8.Caption(), QStringLiteral("m/s"));
  QCOMPARE(form->Label11.Caption(), QStringLiteral("Joules"));
  QCOMPARE(Module1::EnergyDivisor, velmara::Variant::Integer16(2000));
  QCOMPARE(form->Text2.Text(), QStringLiteral("15"));
  QCOMPARE(form->Text3.Text(), QStringLiteral("700"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("16.3246268"));
  QCOMPARE(form->Text5.BackColor(), kRed);
  QCOMPARE(RenderedBackground(form->Text5), ExpectedColour(kRed));

  Click(form->Option11);
  QCOMPARE(form->Label7.Caption(), QStringLiteral("grains"));
  QCOMPARE(form->Label8.Caption(), QStringLiteral("fps"));
  QCOMPARE(form->Label11.Caption(), QStringLiteral("ft/lbs"));
  QCOMPARE(Module1::EnergyDivisor, velmara::Variant::Integer32(450240));
  QCOMPARE(form->Text5.Text(), QStringLiteral("16.3246268"));
  QCOMPARE(form->Text5.BackColor(), kRed);

  // The next calculation uses the system now chosen: 1 g at 200 m/s is 20 J, red.
  Click(form->Option12);
  CalculateEnergy(*form, QStringLiteral("1"), QStringLiteral("200"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("20"));
  QCOMPARE(form->Text5.BackColor(), kRed);
}

void EnergyPanelTest::clear_data() {
  QTest::addColumn<bool>("joules");
  QTest::addColumn<bool>("hidden");
  QTest::newRow("foot-pound system, panel shown") << false << false;
  QTest::newRow("foot-pound system, panel hidden") << false << true;
  QTest::newRow("joule system, panel shown") << true << false;
  QTest::newRow("joule system, panel hidden") << true << true;
}

void EnergyPanelTest::clear() {
  QFETCH(bool, joules);
  QFETCH(bool, hidden);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  OpenPanel(*form, joules);
  CalculateEnergy(*form, QStringLiteral("15"), QStringLiteral("700"));
  QCOMPARE(form->Text5.BackColor(), kRed);
  if (hidden) {
    Click(form->Command4);
    PressWithKeyboard(form->Command6);
  } else {
    Click(form->Command6);
  }
  QCOMPARE(form->Text2.Text(), QStringLiteral("0"));
  QCOMPARE(form->Text3.Text(), QStringLiteral("0"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("0"));
  QCOMPARE(form->Text5.BackColor(), kButtonFace);
  QCOMPARE(form->Text5.palette().color(QPalette::Base), ExpectedColour(kButtonFace));
  QCOMPARE(RenderedBackground(form->Text5), ExpectedColour(kButtonFace));
  // The unit system and the window's height stay.
  QCOMPARE(form->Label11.Caption(), joules ? QStringLiteral("Joules") : QStringLiteral("ft/lbs"));
  QCOMPARE(Module1::EnergyDivisor,
           joules ? velmara::Variant::Integer16(2000) : velmara::Variant::Integer32(450240));
  QCOMPARE(form->size(), QSize(359, hidden ? 252 : 366));
}

void EnergyPanelTest::copy_data() {
  QTest::addColumn<bool>("joules");
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("mass");
  QTest::addColumn<QString>("velocity");
  QTest::addColumn<QString>("copied");

  QTest::newRow("fresh panel") << false << "none"
                               << ""
                               << ""
                               << "0 ft/lbs";
  QTest::newRow("after clear in joules") << true << "clear"
                                         << ""
                                         << ""
                                         << "0 Joules";
  QTest::newRow("empty energy in ft/lbs") << false << "calculate"
                                          << ""
                                          << "500"
                                          << " ft/lbs";
  QTest::newRow("after a calculation in ft/lbs") << false << "calculate"
                                                 << "10"
                                                 << "500"
                                                 << "5.55259417 ft/lbs";
  QTest::newRow("the ten characters shown, not the whole text") << false << "calculate"
                                                                << "15"
                                                                << "700"
                                                                << "16.3246268 ft/lbs";
  QTest::newRow("exponent form") << false << "calculate"
                                 << "0.0000001"
                                 << "1"
                                 << "2.2210E-13 ft/lbs";
  QTest::newRow("after a calculation in joules") << true << "calculate"
                                                 << "1"
                                                 << "200"
                                                 << "20 Joules";
}

void EnergyPanelTest::copy() {
  QFETCH(bool, joules);
  QFETCH(QString, action);
  QFETCH(QString, mass);
  QFETCH(QString, velocity);
  QFETCH(QString, copied);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  OpenPanel(*form, joules);
  if (action == QLatin1String("calculate")) CalculateEnergy(*form, mass, velocity);
  if (action == QLatin1String("clear")) Click(form->Command6);
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  Click(form->Command7);
  QCOMPARE(QGuiApplication::clipboard()->text(), copied);
  QVERIFY(form->isVisible());
}

QTEST_MAIN(EnergyPanelTest)
#include "energy_panel_test.moc"
