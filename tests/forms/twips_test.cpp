// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "forms/twips.h"

// Twips and pixels both ways at several resolutions, and a window's height in twips counted with
// the design's frame, whatever frame the window system draws.
class TwipsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pixelsFromTwips_data();
  void pixelsFromTwips();
  void twipsFromPixels_data();
  void twipsFromPixels();
  void formHeight_data();
  void formHeight();
  void clientHeight_data();
  void clientHeight();
};

using forms::BorderStyle;

void TwipsTest::pixelsFromTwips_data() {
  QTest::addColumn<int>("twips");
  QTest::addColumn<int>("dpi");
  QTest::addColumn<int>("pixels");
  QTest::newRow("zero") << 0 << 96 << 0;
  QTest::newRow("7 rounds down") << 7 << 96 << 0;
  QTest::newRow("8 rounds up") << 8 << 96 << 1;
  QTest::newRow("one pixel") << 15 << 96 << 1;
  QTest::newRow("23 rounds up") << 23 << 96 << 2;
  QTest::newRow("2860 rounds up") << 2860 << 96 << 191;
  QTest::newRow("-7 rounds to zero") << -7 << 96 << 0;
  QTest::newRow("-8 rounds away") << -8 << 96 << -1;
  QTest::newRow("-300") << -300 << 96 << -20;
  QTest::newRow("120 DPI: 12 twips a pixel") << 5385 << 120 << 449;
  QTest::newRow("120 DPI: a half rounds up") << 6 << 120 << 1;
  QTest::newRow("120 DPI: 5 rounds down") << 5 << 120 << 0;
  QTest::newRow("144 DPI: 10 twips a pixel") << 3780 << 144 << 378;
}

void TwipsTest::pixelsFromTwips() {
  QFETCH(int, twips);
  QFETCH(int, dpi);
  QFETCH(int, pixels);
  QCOMPARE(forms::PixelsFromTwips(twips, dpi), pixels);
}

void TwipsTest::twipsFromPixels_data() {
  QTest::addColumn<int>("pixels");
  QTest::addColumn<int>("dpi");
  QTest::addColumn<int>("twips");
  QTest::newRow("96 DPI: 15 a pixel") << 252 << 96 << 3780;
  QTest::newRow("120 DPI: 12 a pixel") << 315 << 120 << 3780;
  QTest::newRow("144 DPI: 10 a pixel") << 378 << 144 << 3780;
  QTest::newRow("168 DPI: a fraction rounds down") << 1 << 168 << 9;
  QTest::newRow("168 DPI: a half rounds up") << 7 << 168 << 60;
  QTest::newRow("a negative length rounds away") << -1 << 168 << -9;
}

void TwipsTest::twipsFromPixels() {
  QFETCH(int, pixels);
  QFETCH(int, dpi);
  QFETCH(int, twips);
  QCOMPARE(forms::TwipsFromPixels(pixels, dpi), twips);
}

void TwipsTest::formHeight_data() {
  QTest::addColumn<int>("border");
  QTest::addColumn<int>("clientPixels");
  QTest::addColumn<int>("dpi");
  QTest::addColumn<int>("twips");
  const int sizable = static_cast<int>(BorderStyle::Sizable);
  const int fixed = static_cast<int>(BorderStyle::FixedNoTitle);
  // A title bar of 345 and a bottom edge of 60 around the client area.
  QTest::newRow("sizable, collapsed at 96 DPI") << sizable << 252 << 96 << 4185;
  QTest::newRow("sizable, expanded at 96 DPI") << sizable << 366 << 96 << 5895;
  QTest::newRow("sizable, collapsed at 120 DPI") << sizable << 315 << 120 << 4185;
  QTest::newRow("sizable, no client area") << sizable << 0 << 96 << 405;
  QTest::newRow("no title bar: its thin frame is inside") << fixed << 178 << 96 << 2670;
}

void TwipsTest::formHeight() {
  QFETCH(int, border);
  QFETCH(int, clientPixels);
  QFETCH(int, dpi);
  QFETCH(int, twips);
  QCOMPARE(forms::FormHeightTwips(static_cast<BorderStyle>(border), clientPixels, dpi), twips);
}

void TwipsTest::clientHeight_data() {
  QTest::addColumn<int>("border");
  QTest::addColumn<int>("formTwips");
  QTest::addColumn<int>("clientTwips");  // -1: the window keeps its size
  const int sizable = static_cast<int>(BorderStyle::Sizable);
  QTest::newRow("sizable: less the frame") << sizable << 4185 << 3780;
  QTest::newRow("sizable: exactly the frame") << sizable << 405 << 0;
  QTest::newRow("sizable: less than the frame is no height") << sizable << 100 << 0;
  QTest::newRow("no title bar: fixed") << static_cast<int>(BorderStyle::FixedNoTitle) << 4185 << -1;
}

void TwipsTest::clientHeight() {
  QFETCH(int, border);
  QFETCH(int, formTwips);
  QFETCH(int, clientTwips);
  QCOMPARE(forms::ClientHeightTwips(static_cast<BorderStyle>(border), formTwips).value_or(-1),
           clientTwips);
}

QTEST_APPLESS_MAIN(TwipsTest)
#include "twips_test.moc"
