// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStringList>
#include <QTest>

#include "forms/qt/held_size.h"

// The size a window keeps against the window system's repeated requests. Each row is a history
// of heights (the width stays 359): "set H" the program's own resize, "shown" the window shown,
// "system H>R" the window system resizing to H, after which R is put back ("-": nothing).
class HeldSizeTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void history_data();
  void history();
};

void HeldSizeTest::history_data() {
  QTest::addColumn<QString>("steps");
  QTest::addColumn<int>("held");

  QTest::newRow("the first request repeated after the program's change")
      << "set 252, shown, set 366, system 252>366, system 252>366" << 366;
  QTest::newRow("a new size from the window system is the user's")
      << "set 252, shown, set 366, system 300>-" << 300;
  QTest::newRow("the user's size repeated after the program's change")
      << "set 252, shown, system 300>-, set 252, system 300>252" << 252;
  QTest::newRow("a drag through the old size is followed")
      << "set 252, shown, set 366, system 360>-, system 300>-, system 252>-" << 252;
  QTest::newRow("the program's size confirmed becomes the request to repeat")
      << "set 252, shown, set 366, system 366>-, set 252, system 366>252" << 252;
  QTest::newRow("before it is shown, any size is the window system's")
      << "set 252, system 400>-" << 400;
}

void HeldSizeTest::history() {
  QFETCH(QString, steps);
  QFETCH(int, held);
  forms::qt::HeldSize size;
  int resizes = 0;
  QSize current;
  for (const QString& step : steps.split(QStringLiteral(", "))) {
    const QStringList words = step.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("shown")) {
      size.Shown(current);
    } else if (words[0] == QLatin1String("set")) {
      const QSize wanted(359, words[1].toInt());
      size.Set(wanted, [&] {
        ++resizes;
        current = wanted;
        // The window's own resize event comes while the program resizes.
        QVERIFY(!size.Resized(current));
      });
    } else {
      const QStringList parts = words[1].split(QLatin1Char('>'));
      current = QSize(359, parts[0].toInt());
      const std::optional<QSize> back = size.Resized(current);
      const QString shown = back ? QString::number(back->height()) : QStringLiteral("-");
      QCOMPARE(shown, parts[1]);
      if (back) current = *back;
    }
  }
  QVERIFY(resizes > 0);
  QCOMPARE(size.Held(), QSize(359, held));
}

QTEST_GUILESS_MAIN(HeldSizeTest)
#include "held_size_test.moc"
