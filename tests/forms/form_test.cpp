// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "forms/form.h"
#include "forms/style.h"
#include "order_design.h"
#include "test_support.h"

// A window built from a design table: places and sizes in pixels, containers, text alignment,
// focus order, and the end of the program when the start-up window is unloaded. The windows'
// frames and heights are held by the window tests on the program's own windows.
class FormTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void pixelsFromTwips_data();
  void pixelsFromTwips();
  void controlGeometry_data();
  void controlGeometry();
  void textAlignment();
  void tabWalk_data();
  void tabWalk();
  void groupStopFollowsSelection();
  void unloadingStartupFormEndsEventLoop();
  void unloadingOtherFormKeepsEventLoop();
};

using namespace test_support;

void FormTest::initTestCase() { forms::SetUpLook(*qApp); }

void FormTest::pixelsFromTwips_data() {
  QTest::addColumn<int>("twips");
  QTest::addColumn<int>("pixels");
  QTest::newRow("zero") << 0 << 0;
  QTest::newRow("7 rounds down") << 7 << 0;
  QTest::newRow("8 rounds up") << 8 << 1;
  QTest::newRow("one pixel") << 15 << 1;
  QTest::newRow("23 rounds up") << 23 << 2;
  QTest::newRow("2860 rounds up") << 2860 << 191;
  QTest::newRow("-7 rounds to zero") << -7 << 0;
  QTest::newRow("-8 rounds away") << -8 << -1;
  QTest::newRow("-300") << -300 << -20;
}

void FormTest::pixelsFromTwips() {
  QFETCH(int, twips);
  QFETCH(int, pixels);
  QCOMPARE(forms::PixelsFromTwips(twips), pixels);
}

void FormTest::controlGeometry_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("container");
  QTest::addColumn<QRect>("geometry");
  // Each length rounds on its own; left and top count from the container: the client area, or
  // the frame's outer corner.
  QTest::newRow("Entry") << "Entry"
                         << "client" << QRect(101, 19, 79, 20);
  QTest::newRow("Sizes") << "Sizes"
                         << "client" << QRect(8, 8, 82, 73);
  QTest::newRow("Large, in its frame") << "Large"
                                       << "Sizes" << QRect(8, 36, 67, 17);
}

void FormTest::controlGeometry() {
  QFETCH(QString, name);
  QFETCH(QString, container);
  QFETCH(QRect, geometry);

  forms::Form form(order_design::kSizable);
  const auto* control = form.findChild<QWidget*>(name);
  QVERIFY(control);
  QVERIFY(control->parentWidget());
  QCOMPARE(control->parentWidget()->objectName(), container);
  QCOMPARE(control->geometry(), geometry);
}

void FormTest::textAlignment() {
  forms::Form form(order_design::kSizable);
  QCOMPARE(form.Named<forms::TextBox>("Entry").alignment() & Qt::AlignHorizontal_Mask,
           Qt::AlignRight);
  QCOMPARE(form.Named<forms::TextBox>("Notes").alignment() & Qt::AlignHorizontal_Mask,
           Qt::AlignLeft);
}

void FormTest::tabWalk_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<QStringList>("stops");
  // Ascending tab index; the option group is one stop, on its selected button; the label and
  // the frame take no focus.
  QTest::newRow("Tab") << int{Qt::Key_Tab} << QStringList{"Large", "Go", "Gift", "Notes", "Entry"};
  QTest::newRow("Shift+Tab") << int{Qt::Key_Backtab}
                             << QStringList{"Notes", "Gift", "Go", "Large", "Entry"};
}

void FormTest::tabWalk() {
  QFETCH(int, key);
  QFETCH(QStringList, stops);

  forms::Form form(order_design::kSizable);
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QCOMPARE(FocusName(), QStringLiteral("Entry"));
  QStringList visited;
  for (qsizetype i = 0; i < stops.size(); ++i) {
    Press(static_cast<Qt::Key>(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    visited << FocusName();
  }
  QCOMPARE(visited, stops);
}

void FormTest::groupStopFollowsSelection() {
  forms::Form form(order_design::kSizable);
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  auto& small = form.Named<forms::OptionButton>("Small");
  QTest::mouseClick(&small, Qt::LeftButton, {}, QPoint(8, 8));
  QCOMPARE(small.Value(), forms::kTrue);
  form.Named<forms::CommandButton>("Go").setFocus(Qt::OtherFocusReason);
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(FocusName(), QStringLiteral("Small"));
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(FocusName(), QStringLiteral("Entry"));
  Press(Qt::Key_Tab);
  QCOMPARE(FocusName(), QStringLiteral("Small"));
  Press(Qt::Key_Tab);
  QCOMPARE(FocusName(), QStringLiteral("Go"));
}

void FormTest::unloadingStartupFormEndsEventLoop() {
  QPointer<forms::Form> startup = new forms::Form(order_design::kSizable);
  QPointer<forms::Form> other = new forms::Form(order_design::kFixed);
  startup->MakeStartupForm();
  startup->SetVisible(true);
  other->SetVisible(true);
  bool wasVisible = false;
  const int result = ExecWithWatchdog([&](QObject& context) {
    QTimer::singleShot(0, &context, [&] {
      wasVisible = startup->isVisible() && other->isVisible();
      startup->Unload();
    });
  });

  QCOMPARE(result, 0);
  QVERIFY(wasVisible);
  // The start-up window and every other window are gone.
  QVERIFY(startup.isNull());
  QVERIFY(other.isNull());
}

void FormTest::unloadingOtherFormKeepsEventLoop() {
  QPointer<forms::Form> startup = new forms::Form(order_design::kSizable);
  QPointer<forms::Form> other = new forms::Form(order_design::kFixed);
  startup->MakeStartupForm();
  startup->SetVisible(true);
  other->SetVisible(true);
  bool otherGoneWhileRunning = false;
  bool startupStillShown = false;
  const int result = ExecWithWatchdog([&](QObject& context) {
    QTimer::singleShot(0, &context, [&] { other->Unload(); });
    QTimer::singleShot(50, &context, [&] {
      otherGoneWhileRunning = other.isNull();
      startupStillShown = startup && startup->isVisible();
      if (startup) startup->Unload();
    });
  });

  QCOMPARE(result, 0);
  QVERIFY(otherGoneWhileRunning);
  QVERIFY(startupStillShown);
  QVERIFY(startup.isNull());
}

QTEST_MAIN(FormTest)
#include "form_test.moc"
