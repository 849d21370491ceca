// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPalette>
#include <QTest>

#include "forms/qt/colour.h"
#include "forms/qt/style.h"

// Colour values of a design: 24-bit blue-green-red, and the two system colours the windows use.
class ColourTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void colourOfValue_data();
  void colourOfValue();
  void systemColourFollowsThePaletteGiven_data();
  void systemColourFollowsThePaletteGiven();
};

void ColourTest::initTestCase() { forms::qt::SetUpLook(*qApp); }

void ColourTest::colourOfValue_data() {
  QTest::addColumn<quint32>("value");
  QTest::addColumn<QColor>("colour");

  // The energy bands' colours.
  QTest::newRow("red 255") << quint32{255} << QColor(255, 0, 0);
  QTest::newRow("green 65280") << quint32{65280} << QColor(0, 255, 0);
  QTest::newRow("yellow 65535") << quint32{65535} << QColor(255, 255, 0);
}

void ColourTest::colourOfValue() {
  QFETCH(quint32, value);
  QFETCH(QColor, colour);
  QCOMPARE(forms::qt::ColourFromValue(value, QApplication::palette()), colour);
}

void ColourTest::systemColourFollowsThePaletteGiven_data() {
  QTest::addColumn<quint32>("value");
  QTest::newRow("button face") << quint32{0x8000000F};
  QTest::newRow("menu") << quint32{0x80000004};
}

void ColourTest::systemColourFollowsThePaletteGiven() {
  QFETCH(quint32, value);
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
  palette.setColor(QPalette::Window, QColor(0xAB, 0xCD, 0xEF));
  palette.setColor(QPalette::Base, QColor(0x01, 0x02, 0x03));
  QCOMPARE(forms::qt::ColourFromValue(value, palette), QColor(0x12, 0x34, 0x56));
}

QTEST_MAIN(ColourTest)
#include "colour_test.moc"
