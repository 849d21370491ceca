// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test_support.h"

using namespace test_support;

// A window system may maximise a window on its own title bar's button, even where the window
// asks for none (Qt's title bar on Wayland draws one on every window).
class WindowStateTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { SetUpLook(); }
  void cleanup() { DiscardWindows(); }
  void maximiseRequest_data();
  void maximiseRequest();
};

void WindowStateTest::maximiseRequest_data() {
  QTest::addColumn<bool>("expanded");
  QTest::addColumn<QSize>("clientSize");
  QTest::newRow("collapsed") << false << kCollapsedSize;
  QTest::newRow("expanded") << true << kExpandedSize;
}

void WindowStateTest::maximiseRequest() {
  QFETCH(bool, expanded);
  QFETCH(QSize, clientSize);
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  if (expanded) Click(form->Command4);
  WindowOf(*form).windowHandle()->setWindowState(Qt::WindowMaximized);
  // The window system's answer and the window's own reply both come through the event loop.
  QTest::qWait(100);
  QVERIFY(!(WindowOf(*form).windowState() & Qt::WindowMaximized));
  QCOMPARE(WindowOf(*form).size(), clientSize);
  QCOMPARE(form->Command4.Caption(),
           expanded ? QStringLiteral("<< &Muzzle Energy") : QStringLiteral("&Muzzle Energy >>"));
}

QTEST_MAIN(WindowStateTest)
#include "window_state_test.moc"
