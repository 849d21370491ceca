// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "forms/form.h"
#include "forms/qt/style.h"
#include "order_design.h"
#include "test_support.h"

// A window built from a design table: twips in pixels, the Tab stop of an option group, and
// unloading: the start-up window takes a window that was never shown with it, another window
// goes alone. Places, captions, the focus order and the end of the program with a window open
// are held by the window tests on the program's own windows.
class FormTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void pixelsFromTwips_data();
  void pixelsFromTwips();
  void groupTabStop_data();
  void groupTabStop();
  void visibleFollowsShowAndHide();
  void unloadingStartupFormUnloadsHiddenForm();
  void unloadingOtherFormKeepsEventLoop();
};

using namespace test_support;

void FormTest::initTestCase() { forms::qt::SetUpLook(*qApp); }

void FormTest::pixelsFromTwips_data() {
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

void FormTest::pixelsFromTwips() {
  QFETCH(int, twips);
  QFETCH(int, dpi);
  QFETCH(int, pixels);
  QCOMPARE(forms::PixelsFromTwips(twips, dpi), pixels);
}

void FormTest::groupTabStop_data() {
  QTest::addColumn<QString>("start");
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<QString>("stop");
  // The group is one stop, on its selected button, from either side; once a user has chosen
  // another button, by the arrow keys, the mouse or a screen reader, the stop is on that one.
  const int tab = Qt::Key_Tab;
  const int back = Qt::Key_Backtab;
  const QString none;
  QTest::newRow("Tab into the group") << "Entry" << none << QList<int>{tab} << "Small";
  QTest::newRow("Shift+Tab into the group") << "Go" << none << QList<int>{back} << "Small";
  QTest::newRow("Down, Tab out, Shift+Tab back")
      << "Entry" << none << QList<int>{tab, Qt::Key_Down, tab, back} << "Medium";
  QTest::newRow("Down twice, Shift+Tab out, Tab back")
      << "Entry" << none << QList<int>{tab, Qt::Key_Down, Qt::Key_Down, back, tab} << "Large";
  QTest::newRow("clicked, Tab out, Shift+Tab back")
      << "Large" << none << QList<int>{tab, back} << "Large";
  // A screen reader's Toggle chooses the button without moving the focus into the group.
  QTest::newRow("chosen by a screen reader, Tab in") << "Entry"
                                                     << "Medium" << QList<int>{tab} << "Medium";
}

void FormTest::groupTabStop() {
  QFETCH(QString, start);
  QFETCH(QString, chosen);
  QFETCH(QList<int>, keys);
  QFETCH(QString, stop);

  forms::Form form(order_design::kSizable);
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&WindowOf(form)));
  auto* from = WindowOf(form).findChild<QWidget*>(start);
  QVERIFY(from);
  if (auto* option = qobject_cast<QRadioButton*>(from)) {
    Click(*option);
  } else {
    from->setFocus(Qt::OtherFocusReason);
  }
  QCOMPARE(FocusName(), start);
  if (!chosen.isEmpty()) {
    auto& option = form.Named<forms::OptionButton>(chosen.toLatin1().constData());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&WidgetOf(option));
    QVERIFY(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(option.Value(), forms::kTrue);
    QCOMPARE(FocusName(), start);
  }
  for (const int key : keys) {
    Press(static_cast<Qt::Key>(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
  }
  QCOMPARE(FocusName(), stop);
  QCOMPARE(form.Named<forms::OptionButton>(stop.toLatin1().constData()).Value(), forms::kTrue);
}

// Hiding a window keeps it loaded; showing it again brings it back as it was.
void FormTest::visibleFollowsShowAndHide() {
  forms::Form form(order_design::kSizable);
  QVERIFY(!form.Visible());
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowExposed(&WindowOf(form)));
  QVERIFY(form.Visible());
  form.SetVisible(false);
  QVERIFY(!form.Visible());
  QVERIFY(!WindowOf(form).isVisible());
  form.SetVisible(true);
  QVERIFY(form.Visible());
  QVERIFY(QTest::qWaitForWindowExposed(&WindowOf(form)));
}

// Qt closes the shown windows by itself when the program ends; a loaded window never shown
// is unloaded too.
void FormTest::unloadingStartupFormUnloadsHiddenForm() {
  const auto startup = LoadForm(order_design::kSizable);
  const auto hidden = LoadForm(order_design::kFixed);
  startup.lock()->MakeStartupForm();
  startup.lock()->SetVisible(true);
  const int result = ExecWithWatchdog([&](QObject& context) {
    QTimer::singleShot(0, &context, [&] { startup.lock()->Unload(); });
  });

  QCOMPARE(result, 0);
  QVERIFY(startup.expired());
  QVERIFY(hidden.expired());
}

void FormTest::unloadingOtherFormKeepsEventLoop() {
  const auto startup = LoadForm(order_design::kSizable);
  const auto other = LoadForm(order_design::kFixed);
  startup.lock()->MakeStartupForm();
  startup.lock()->SetVisible(true);
  other.lock()->SetVisible(true);
  bool otherGoneWhileRunning = false;
  bool startupStillShown = false;
  const int result = ExecWithWatchdog([&](QObject& context) {
    QTimer::singleShot(0, &context, [&] { other.lock()->Unload(); });
    QTimer::singleShot(50, &context, [&] {
      otherGoneWhileRunning = other.expired();
      const auto shown = startup.lock();
      startupStillShown = shown && WindowOf(*shown).isVisible();
      if (shown) shown->Unload();
    });
  });

  QCOMPARE(result, 0);
  QVERIFY(otherGoneWhileRunning);
  QVERIFY(startupStillShown);
  QVERIFY(startup.expired());
}

QTEST_MAIN(FormTest)
#include "form_test.moc"
