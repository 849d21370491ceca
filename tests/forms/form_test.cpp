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

// A window built from a design table: places and sizes in pixels, containers, focus order, and
// the end of the program when the start-up window is unloaded.
class FormTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void pixelsFromTwips_data();
  void pixelsFromTwips();
  void controlGeometry_data();
  void controlGeometry();
  void sizableWindowSize();
  void fixedWindowFrame_data();
  void fixedWindowFrame();
  void startValues();
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
  QTest::addColumn<QRect>("inContainer");
  QTest::addColumn<QPoint>("inWindow");

  const auto row = [](const char* name, const char* container, QRect inContainer, QPoint inWindow) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                        << inContainer << inWindow;
  };
  // Left and top count from the container: the client area, or the frame's outer corner.
  row("Go", "client", QRect(160, 80, 60, 25), QPoint(160, 80));
  row("Entry", "client", QRect(101, 19, 79, 20), QPoint(101, 19));
  row("Sizes", "client", QRect(8, 8, 82, 73), QPoint(8, 8));
  row("Small", "Sizes", QRect(8, 16, 67, 17), QPoint(16, 24));
  row("Large", "Sizes", QRect(8, 36, 67, 17), QPoint(16, 44));
  row("Gift", "client", QRect(100, 47, 67, 17), QPoint(100, 47));
  row("Unit", "client", QRect(184, 20, 33, 19), QPoint(184, 20));
  row("Notes", "client", QRect(100, 82, 53, 19), QPoint(100, 82));
}

void FormTest::controlGeometry() {
  QFETCH(QString, name);
  QFETCH(QString, container);
  QFETCH(QRect, inContainer);
  QFETCH(QPoint, inWindow);

  forms::Form form(order_design::kSizable);
  const auto* control = form.findChild<QWidget*>(name);
  QVERIFY(control);
  QVERIFY(control->parentWidget());
  QCOMPARE(control->parentWidget()->objectName(), container);
  QCOMPARE(control->geometry(), inContainer);
  QCOMPARE(control->mapTo(&form, QPoint(0, 0)), inWindow);
}

void FormTest::sizableWindowSize() {
  forms::Form form(order_design::kSizable);
  QCOMPARE(form.size(), QSize(220, 120));
  const auto* client = form.findChild<QWidget*>(QStringLiteral("client"));
  QVERIFY(client);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCOMPARE(client->geometry(), QRect(0, 0, 220, 120));
  // Height counts the design's frame of 405 twips around the client area.
  QCOMPARE(form.Height(), 1800 + 405);
  form.SetHeight(1950 + 405);
  QCOMPARE(form.size(), QSize(220, 130));
  QCOMPARE(client->geometry(), QRect(0, 0, 220, 130));
  QCOMPARE(form.Height(), 1950 + 405);
  QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
  QVERIFY(form.windowFlags() & Qt::WindowTitleHint);
  QCOMPARE(form.windowTitle(), QStringLiteral("Order"));
}

void FormTest::fixedWindowFrame_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QPoint>("inWindow");
  QTest::newRow("Go") << "Go" << QPoint(163, 83);
  QTest::newRow("Entry") << "Entry" << QPoint(104, 22);
  QTest::newRow("Large, in its frame") << "Large" << QPoint(19, 47);
  QTest::newRow("Notes") << "Notes" << QPoint(103, 85);
}

void FormTest::fixedWindowFrame() {
  QFETCH(QString, name);
  QFETCH(QPoint, inWindow);

  forms::Form form(order_design::kFixed);
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  // A frame of 45 twips, 3 pixels, on every side, and the controls in the client inside it.
  QCOMPARE(form.size(), QSize(226, 126));
  QCOMPARE(form.minimumSize(), QSize(226, 126));
  QCOMPARE(form.maximumSize(), QSize(226, 126));
  QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
  const auto* client = form.findChild<QWidget*>(QStringLiteral("client"));
  QVERIFY(client);
  QCOMPARE(client->geometry(), QRect(3, 3, 220, 120));
  const auto* control = form.findChild<QWidget*>(name);
  QVERIFY(control);
  QCOMPARE(control->mapTo(&form, QPoint(0, 0)), inWindow);
  form.SetHeight(3000);
  QCOMPARE(form.size(), QSize(226, 126));
}

void FormTest::startValues() {
  forms::Form form(order_design::kSizable);
  auto& go = form.Named<forms::CommandButton>("Go");
  auto& entry = form.Named<forms::TextBox>("Entry");
  auto& small = form.Named<forms::OptionButton>("Small");
  auto& large = form.Named<forms::OptionButton>("Large");
  auto& gift = form.Named<forms::CheckBox>("Gift");
  auto& unit = form.Named<forms::Label>("Unit");
  QCOMPARE(go.Caption(), QStringLiteral("&Go"));
  QCOMPARE(go.toolTip(), QStringLiteral("Place the order"));
  QCOMPARE(entry.Text(), QStringLiteral("0"));
  QCOMPARE(entry.maxLength(), 8);
  QVERIFY(entry.alignment() & Qt::AlignRight);
  QCOMPARE(entry.accessibleName(), QStringLiteral("Quantity"));
  QCOMPARE(small.Value(), forms::kFalse);
  QCOMPARE(large.Value(), forms::kTrue);
  QCOMPARE(gift.Value(), std::int16_t{0});
  QCOMPARE(unit.Caption(), QStringLiteral("pieces"));
  QCOMPARE(unit.focusPolicy(), Qt::NoFocus);
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
