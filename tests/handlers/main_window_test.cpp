// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_test_support.h"

using namespace test_support;

// The main window as it starts, its frame, access keys, and Close. Places, captions and the Tab
// walk are checked against the design in design_test.
class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void startUpState();
  void accessKeys();
  void windowFrame();
  void closeEndsProgram();
};

void MainWindowTest::initTestCase() { SetUpLook(); }

void MainWindowTest::cleanup() { DiscardWindows(); }

void MainWindowTest::startUpState() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  QCOMPARE(WindowOf(*form).size(), kCollapsedSize);
  QCOMPARE(form->Height(), 4185);
  QCOMPARE(form->Option1.Value(), forms::kTrue);
  QCOMPARE(form->Option11.Value(), forms::kTrue);
  for (auto* option :
       {&form->Option2, &form->Option3, &form->Option4, &form->Option5, &form->Option6,
        &form->Option7, &form->Option8, &form->Option9, &form->Option10, &form->Option12}) {
    QCOMPARE(option->Value(), forms::kFalse);
  }
  QCOMPARE(form->Check1.Value(), std::int16_t{0});
  for (auto* box : {&form->Text1, &form->Text2, &form->Text3, &form->Text4, &form->Text5}) {
    QCOMPARE(box->Text(), QStringLiteral("0"));
  }
  QCOMPARE(form->Label3.Caption(), QStringLiteral("ft/P"));
  QCOMPARE(form->Label4.Caption(), QStringLiteral("J"));
  QCOMPARE(form->Label7.Caption(), QStringLiteral("grains"));
  QCOMPARE(form->Label8.Caption(), QStringLiteral("fps"));
  QCOMPARE(form->Label11.Caption(), QStringLiteral("ft/lbs"));
  QCOMPARE(form->Command4.Caption(), QStringLiteral("&Muzzle Energy >>"));
  QCOMPARE(form->Text4.BackColor(), kMenuColour);
  QCOMPARE(form->Text5.BackColor(), kMenuColour);
  QCOMPARE(WidgetOf(form->Text5).palette().color(QPalette::Base), ExpectedColour(kMenuColour));
  QCOMPARE(FocusName(), QStringLiteral("Option1"));
  for (auto* control : WindowOf(*form).findChildren<QWidget*>()) {
    QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
  }
}

void MainWindowTest::accessKeys() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  // The second mark of "&C&alculate" is its own; Alt+C is shared with Close.
  TypeOver(form->Text1, QStringLiteral("3"));
  Press(Qt::Key_A, Qt::AltModifier);
  QTRY_COMPARE(ToQString(form->Text4.Text()), QStringLiteral("4.0674"));
  Press(Qt::Key_M, Qt::AltModifier);
  QTRY_COMPARE(ToQString(form->Command4.Caption()), QStringLiteral("<< &Muzzle Energy"));
  TypeOver(form->Text2, QStringLiteral("15"));
  TypeOver(form->Text3, QStringLiteral("700"));
  Press(Qt::Key_E, Qt::AltModifier);
  QTRY_COMPARE(ToQString(form->Text5.Text()), QStringLiteral("16.3246268"));
  Press(Qt::Key_M, Qt::AltModifier);
  QTRY_COMPARE(WindowOf(*form).size(), kCollapsedSize);
}

void MainWindowTest::windowFrame() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  QCOMPARE(WindowOf(*form).windowTitle(), QStringLiteral("Velmara"));
  QVERIFY(!WindowOf(*form).windowIcon().isNull());
  const Qt::WindowFlags flags = WindowOf(*form).windowFlags();
  QVERIFY(flags & Qt::WindowTitleHint);
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(flags & Qt::WindowMinimizeButtonHint);
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  QVERIFY(!(flags & Qt::FramelessWindowHint));
  // The frame stays sizable.
  QVERIFY(WindowOf(*form).minimumSize() != WindowOf(*form).maximumSize());
}

void MainWindowTest::closeEndsProgram() {
  std::weak_ptr<Form1> main;
  bool shown = false;
  const int result = RunProgram([&] {
    main = forms::InstanceOf<Form1>();
    const auto loaded = main.lock();
    if (!loaded || !QTest::qWaitForWindowExposed(&WindowOf(*loaded))) return;
    shown = WindowOf(*loaded).isVisible();
    Click(loaded->Command1);
  });
  QCOMPARE(result, 0);
  QVERIFY(shown);
  QVERIFY(main.expired());
  QVERIFY(!forms::IfLoaded<Form1>());
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
  }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
