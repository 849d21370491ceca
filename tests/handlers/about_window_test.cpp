// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontInfo>

#include "window_test_support.h"

using namespace test_support;

// The About window: its fixed frameless layout, how the About button opens it over a disabled
// main window, and every way it goes away.
class AboutWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void windowFrame();
  void focusOnlyOnOk();
  void titleFont();
  void openingDisablesMainWindow();
  void waysOut_data();
  void waysOut();
  void secondOpeningStartsAfresh();
  void closingMainWindowWhileOpenEndsProgram();
};

namespace {

// Everything a user sees of the main window's state.
QStringList Snapshot(const Form1& form) {
  QStringList state{QString::number(WindowOf(form).height()), ToQString(form.Command4.Caption())};
  for (const auto* box : {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text5}) {
    state << QString::fromLatin1(box->Name()) + QLatin1Char('=') + ToQString(box->Text()) +
                 QLatin1Char('/') + QString::number(box->BackColor());
  }
  for (const auto* label : WindowOf(form).findChildren<QLabel*>()) state << label->text();
  for (const auto* button : WindowOf(form).findChildren<QAbstractButton*>()) {
    state << button->objectName() + QLatin1Char(':') + QString::number(button->isChecked());
  }
  return state;
}

}  // namespace

void AboutWindowTest::initTestCase() { SetUpLook(); }

void AboutWindowTest::cleanup() { DiscardWindows(); }

void AboutWindowTest::windowFrame() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Form2* about = OpenAbout(*form);
  QVERIFY(about);
  QVERIFY(WindowOf(*about).windowFlags() & Qt::FramelessWindowHint);
  QCOMPARE(WindowOf(*about).size(), QSize(318, 172));
  QCOMPARE(WindowOf(*about).minimumSize(), QSize(318, 172));
  QCOMPARE(WindowOf(*about).maximumSize(), QSize(318, 172));
  // The client area sits inside the window's own 3-pixel frame.
  const auto* client = WindowOf(*about).findChild<QWidget*>(QStringLiteral("client"));
  QVERIFY(client);
  QCOMPARE(client->pos(), QPoint(3, 3));
}

void AboutWindowTest::focusOnlyOnOk() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Form2* about = OpenAbout(*form);
  QVERIFY(about);
  QVERIFY(!WidgetOf<QLabel>(about->Image1).pixmap().isNull());
  QVERIFY(WidgetOf<QLabel>(about->Image1).hasScaledContents());
  for (const auto* control : WindowOf(*about).findChildren<QWidget*>()) {
    if (control != &WidgetOf(about->Command1)) {
      QVERIFY2(!(control->focusPolicy() & Qt::TabFocus), qPrintable(control->objectName()));
    }
  }
  QCOMPARE(QApplication::focusWidget(), &WidgetOf(about->Command1));
  Press(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), &WidgetOf(about->Command1));
}

void AboutWindowTest::titleFont() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Form2* about = OpenAbout(*form);
  QVERIFY(about);
  const QFont font = WidgetOf(about->Label1).font();
  QVERIFY(font.bold());
  QVERIFY(qAbs(font.pointSizeF() - 9.75) < 0.01);
  QVERIFY(QFontInfo(font).bold());
  QVERIFY(QFontInfo(font).pointSizeF() > QFontInfo(WidgetOf(about->Label2).font()).pointSizeF());
  // "Freeware" ends above the first line of the comments.
  QVERIFY(WidgetOf(about->Label4).geometry().top() +
              QFontMetrics(WidgetOf(about->Label4).font()).height() <=
          WidgetOf(about->Label3).geometry().top());
}

void AboutWindowTest::openingDisablesMainWindow() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Option4);
  Click(form->Check1);
  TypeOver(form->Text1, QStringLiteral("32"));
  Click(form->Command2);
  Click(form->Command4);
  Click(form->Option12);
  TypeOver(form->Text2, QStringLiteral("1"));
  TypeOver(form->Text3, QStringLiteral("178"));
  Click(form->Command5);
  const QStringList before = Snapshot(*form);
  Form2* about = OpenAbout(*form);
  QVERIFY(about);
  QCOMPARE(QApplication::activeWindow(), &WindowOf(*about));
  QCOMPARE(QApplication::focusWidget(), &WidgetOf(about->Command1));
  QVERIFY(!WindowOf(*form).isEnabled());
  QVERIFY(WindowOf(*form).isVisible());
  // Clicks on the main window do nothing while the About window is open.
  Click(form->Command4);
  Click(form->Command6);
  Click(form->Command3);
  Click(form->Option3);
  Click(form->Check1);
  Click(form->Command8);
  QTest::mouseClick(&WidgetOf(form->Text2), Qt::LeftButton);
  Type(QStringLiteral("7"));
  QCOMPARE(forms::IfLoaded<Form2>(), about);
  QVERIFY(WindowOf(*about).isVisible());
  // Opening and closing leave the main window as it was.
  Click(about->Command1);
  QCOMPARE(Snapshot(*form), before);
  QCOMPARE(form->Text4.Text(), QStringLiteral("2"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("15.842"));
}

void AboutWindowTest::waysOut_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("closes");
  QTest::newRow("click OK") << "click" << true;
  QTest::newRow("Return") << "return" << true;
  QTest::newRow("Enter on the keypad") << "enter" << true;
  QTest::newRow("Space") << "space" << true;
  QTest::newRow("closed by the window system") << "close" << true;
  QTest::newRow("Escape leaves it open") << "escape" << false;
}

void AboutWindowTest::waysOut() {
  QFETCH(QString, how);
  QFETCH(bool, closes);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  QVERIFY(OpenAbout(*form));
  const std::weak_ptr<Form2> opened = forms::InstanceOf<Form2>();
  Form2* about = opened.lock().get();
  if (how == QLatin1String("click")) Click(about->Command1);
  if (how == QLatin1String("return")) Press(Qt::Key_Return);
  if (how == QLatin1String("enter")) Press(Qt::Key_Enter, Qt::KeypadModifier);
  if (how == QLatin1String("space")) Press(Qt::Key_Space);
  if (how == QLatin1String("close")) QVERIFY(WindowOf(*about).close());
  if (how == QLatin1String("escape")) Press(Qt::Key_Escape);
  QCOMPARE(forms::IfLoaded<Form2>() == nullptr, closes);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCOMPARE(opened.expired(), closes);
  QCOMPARE(WindowOf(*form).isEnabled(), closes);
  if (!closes) return;

  // The main window takes input again.
  Click(form->Command4);
  QCOMPARE(form->Command4.Caption(), QStringLiteral("&Muzzle Energy >>"));
}

void AboutWindowTest::secondOpeningStartsAfresh() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Form2* first = OpenAbout(*form);
  QVERIFY(first);
  const std::weak_ptr<Form2> opened = forms::InstanceOf<Form2>();
  first->Label2.SetCaption(u"changed while open");
  Click(first->Command1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(opened.expired());

  Form2* second = OpenAbout(*form);
  QVERIFY(second);
  QCOMPARE(second->Label2.Caption(), QStringLiteral("January 2000 - V2.1"));
  QCOMPARE(WindowOf(*second).size(), QSize(318, 172));
  QCOMPARE(QApplication::focusWidget(), &WidgetOf(second->Command1));
  QVERIFY(!WindowOf(*form).isEnabled());
}

void AboutWindowTest::closingMainWindowWhileOpenEndsProgram() {
  std::weak_ptr<Form1> main;
  std::weak_ptr<Form2> about;
  bool aboutOpen = false;
  const int result = RunProgram([&] {
    main = forms::InstanceOf<Form1>();
    Form1* loaded = main.lock().get();
    if (!loaded || !QTest::qWaitForWindowExposed(&WindowOf(*loaded))) return;
    Form2* opened = OpenAbout(*loaded);
    about = forms::InstanceOf<Form2>();
    aboutOpen = opened && WindowOf(*opened).isVisible() && !WindowOf(*loaded).isEnabled();
    WindowOf(*loaded).close();
  });
  QCOMPARE(result, 0);
  QVERIFY(aboutOpen);
  QVERIFY(main.expired());
  QVERIFY(about.expired());
  QVERIFY(!forms::IfLoaded<Form1>());
  QVERIFY(!forms::IfLoaded<Form2>());
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
