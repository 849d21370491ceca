// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
  QCOMPARE(WindowOf(*form).size(), kExpandedSize);
  CalculateEnergy(*form, QStringLiteral("15"), QStringLiteral("700"));
  Click(form->Command4);
  QCOMPARE(form->Command4.Caption(), QStringLiteral("&Muzzle Energy >>"));
  QCOMPARE(WindowOf(*form).size(), kCollapsedSize);
  // Hiding keeps what the panel holds.
  QCOMPARE(form->Text2.Text(), QStringLiteral("15"));
  QCOMPARE(form->Text3.Text(), QStringLiteral("700"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("16.3246268"));
  QCOMPARE(form->Text5.BackColor(), kRed);

  // Collapsed, the button row (top 3360) and all above it are wholly in view and the rest wholly
  // out of it; expanded, everything is in view.
  for (const bool expanded : {false, true}) {
    for (const DesignRow& row : DesignRows(QStringLiteral("Form1"))) {
      if (!row.container.isEmpty() || row.kind == QLatin1String("Form")) continue;
      const auto* control = WindowOf(*form).findChild<QWidget*>(row.control);
      QVERIFY(control);
      const QRect inWindow(control->mapTo(&WindowOf(*form), QPoint(0, 0)), control->size());
      const bool inView = expanded || row.top <= 3360;
      QVERIFY2(inView ? WindowOf(*form).rect().contains(inWindow)
                      : !WindowOf(*form).rect().intersects(inWindow),
               qPrintable(row.control));
    }
    Click(form->Command4);
  }
  QCOMPARE(WindowOf(*form).size(), kCollapsedSize);
}

void EnergyPanelTest::calculate_data() {
  QTest::addColumn<bool>("joules");
  QTest::addColumn<QString>("mass");
  QTest::addColumn<QString>("velocity");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<quint32>("colour");

  const auto row = [](const char* name, bool joules, const char* mass, const char* velocity,
                      const char* shown, std::uint32_t colour) {
    QTest::newRow(name) << joules << QString::fromLatin1(mass) << QString::fromLatin1(velocity)
                        << QString::fromLatin1(shown) << quint32{colour};
  };
  // Clear leaves the button face before each calculation; a value in no band keeps it.
  const bool ft = false;
  const bool j = true;
  row("ft: 10 gr at 500 fps", ft, "10", "500", "5.55259417", kGreen);
  row("ft: 15 gr at 700 fps, cut not rounded", ft, "15", "700", "16.3246268", kRed);
  row("ft: empty mass", ft, "", "500", "", kButtonFace);
  row("J: 1 g at 178 m/s", j, "1", "178", "15.842", kYellow);
  // The whole energy 11.0000000001 is above the green band; the 11 shown is in it.
  row("ft: whole text between bands, shown text green", ft, "4952640.000045024", "1", "11.0000000",
      kButtonFace);
  // The whole energy 16.3000000001 is above the yellow band; the 16.3 shown is in it.
  row("J: whole text between bands, shown text yellow", j, "32600.0000002", "1", "16.3000000",
      kButtonFace);
}

void EnergyPanelTest::calculate() {
  QFETCH(bool, joules);
  QFETCH(QString, mass);
  QFETCH(QString, velocity);
  QFETCH(QString, shown);
  QFETCH(quint32, colour);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  OpenPanel(*form, joules);
  Click(form->Command6);
  CalculateEnergy(*form, mass, velocity);
  QCOMPARE(form->Text5.Text(), shown);
  QCOMPARE(ColourName(form->Text5.BackColor()), ColourName(colour));
  QCOMPARE(RenderedBackground(form->Text5), ExpectedColour(colour));
  QCOMPARE(form->Text2.Text(), mass);
  QCOMPARE(form->Text3.Text(), velocity);
}

void EnergyPanelTest::calculateWhileHidden() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  // Out of view, the panel's boxes and buttons are still reached with the keyboard.
  WidgetOf(form->Text2).setFocus(Qt::TabFocusReason);
  Press(Qt::Key_End);
  Press(Qt::Key_Home, Qt::ShiftModifier);
  Type(QStringLiteral("15"));
  Press(Qt::Key_Tab);
  QVERIFY(WidgetOf(form->Text3).hasFocus());
  Press(Qt::Key_End);
  Press(Qt::Key_Home, Qt::ShiftModifier);
  Type(QStringLiteral("700"));
  Press(Qt::Key_Tab);
  QVERIFY(WidgetOf(form->Command5).hasFocus());
  Press(Qt::Key_Space);
  QCOMPARE(form->Text5.Text(), QStringLiteral("16.3246268"));
  QCOMPARE(form->Text5.BackColor(), kRed);
  QCOMPARE(WindowOf(*form).size(), kCollapsedSize);
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
  QCOMPARE(form->Text2.Text(), QStringLiteral("15"));
  QCOMPARE(form->Text3.Text(), QStringLiteral("700"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("16.3246268"));
  QCOMPARE(RenderedBackground(form->Text5), ExpectedColour(kRed));

  // Back to foot-pounds: its captions, and the next calculation in its divisor and bands.
  Click(form->Option11);
  QCOMPARE(form->Label7.Caption(), QStringLiteral("grains"));
  QCOMPARE(form->Label8.Caption(), QStringLiteral("fps"));
  QCOMPARE(form->Label11.Caption(), QStringLiteral("ft/lbs"));
  CalculateEnergy(*form, QStringLiteral("15"), QStringLiteral("610"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("12.3967217"));
  QCOMPARE(form->Text5.BackColor(), kYellow);
}

void EnergyPanelTest::clear_data() {
  QTest::addColumn<bool>("joules");
  QTest::addColumn<bool>("hidden");
  QTest::newRow("foot-pound system, panel shown") << false << false;
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
  QCOMPARE(RenderedBackground(form->Text5), ExpectedColour(kButtonFace));
  // The unit system and the window's height stay.
  QCOMPARE(form->Label11.Caption(), joules ? QStringLiteral("Joules") : QStringLiteral("ft/lbs"));
  QCOMPARE(WindowOf(*form).size(), hidden ? kCollapsedSize : kExpandedSize);
}

void EnergyPanelTest::copy_data() {
  QTest::addColumn<bool>("joules");
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("mass");
  QTest::addColumn<QString>("velocity");
  QTest::addColumn<QString>("copied");

  const auto row = [](const char* name, bool joules, const char* action, const char* mass,
                      const char* velocity, const char* copied) {
    QTest::newRow(name) << joules << QString::fromLatin1(action) << QString::fromLatin1(mass)
                        << QString::fromLatin1(velocity) << QString::fromLatin1(copied);
  };
  row("fresh panel", false, "none", "", "", "0 ft/lbs");
  row("after clear in joules", true, "clear", "", "", "0 Joules");
  row("empty energy in ft/lbs", false, "calculate", "", "500", " ft/lbs");
  row("the ten characters shown, not the whole text", false, "calculate", "15", "700",
      "16.3246268 ft/lbs");
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
}

QTEST_MAIN(EnergyPanelTest)
#include "energy_panel_test.moc"
