#include <QAccessible>
#include <QAccessibleInterface>

#include "window_test_support.h"

using namespace test_support;

// What assistive technology reads of the two windows: every control that takes the focus has a
// name, without access-key marks.
class AccessibilityTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void namedControls_data();
  void namedControls();
  void everyFocusableControlNamed_data();
  void everyFocusableControlNamed();
  void nameFollowsChangedCaption();
};

namespace {

// The named window of a fresh start: the main window, or the About window opened from it.
QWidget* ShowWindow(const QString& window) {
  Form1* form = ShowFreshForm1();
  if (!form || window == QLatin1String("Form1")) return form;
  Click(form->Command4);
  Click(form->Command8);
  Form2* about = forms::IfLoaded<Form2>();
  return about && QTest::qWaitForWindowExposed(about) ? about : nullptr;
}

QString AccessibleName(QWidget& widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
  return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

}  // namespace

void AccessibilityTest::initTestCase() { SetUpLook(); }

void AccessibilityTest::cleanup() { DiscardWindows(); }

void AccessibilityTest::namedControls_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("role");
  QTest::addColumn<QString>("name");

  const auto row = [](const char* window, const char* control, QAccessible::Role role,
                      const char* name) {
    QTest::addRow("%s.%s", window, control)
        << QString::fromLatin1(window) << QString::fromLatin1(control) << int{role}
        << QString::fromLatin1(name);
  };
  const auto button = QAccessible::Button;
  const auto radio = QAccessible::RadioButton;
  const auto text = QAccessible::EditableText;
  row("Form1", "Command1", button, "Close");
  row("Form1", "Command2", button, "Calculate");
  row("Form1", "Command3", button, "Clear");
  row("Form1", "Command4", button, "Muzzle Energy >>");
  row("Form1", "Command5", button, "Calculate Energy");
  row("Form1", "Command6", button, "Clear");
  row("Form1", "Command7", button, "Copy To Clipboard");
  row("Form1", "Command8", button, "About Velmara");
  row("Form1", "Option1", radio, "Foot Pounds - Joules");
  row("Form1", "Option2", radio, "Grains - Grams");
  row("Form1", "Option3", radio, "Pounds - Kilograms");
  row("Form1", "Option4", radio, "Pounds - Ounces");
  row("Form1", "Option5", radio, "Pounds - Grain");
  row("Form1", "Option6", radio, "Feet per sec - Metres per sec");
  row("Form1", "Option7", radio, "Inch - Centimeters");
  row("Form1", "Option8", radio, "Feet - Meters");
  row("Form1", "Option9", radio, "Yards - Meters");
  row("Form1", "Option10", radio, "Miles - Feet");
  row("Form1", "Option11", radio, "Foot / Pounds");
  row("Form1", "Option12", radio, "Joules");
  row("Form1", "Check1", QAccessible::CheckBox, "Reverse Conversion");
  row("Form1", "Text1", text, "Value to convert");
  row("Form1", "Text4", text, "Converted value");
  row("Form1", "Text2", text, "Pellet mass");
  row("Form1", "Text3", text, "Pellet velocity");
  row("Form1", "Text5", text, "Muzzle energy");
  row("Form2", "Command1", button, "OK");
}

void AccessibilityTest::namedControls() {
  QFETCH(QString, window);
  QFETCH(QString, control);
  QFETCH(int, role);
  QFETCH(QString, name);

  QWidget* owner = ShowWindow(window);
  QVERIFY(owner);
  auto* widget = owner->findChild<QWidget*>(control);
  QVERIFY(widget);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  QVERIFY(accessible);
  QCOMPARE(int{accessible->role()}, role);
  QCOMPARE(accessible->text(QAccessible::Name), name);
}

void AccessibilityTest::everyFocusableControlNamed_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<int>("focusable");
  // Buttons, option buttons and the check box (8 + 12 + 1) and the five boxes; OK.
  QTest::newRow("main window") << "Form1" << 26;
  QTest::newRow("About window") << "Form2" << 1;
}

void AccessibilityTest::everyFocusableControlNamed() {
  QFETCH(QString, window);
  QFETCH(int, focusable);

  QWidget* owner = ShowWindow(window);
  QVERIFY(owner);
  int named = 0;
  for (auto* widget : owner->findChildren<QWidget*>()) {
    if (!(widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractButton*>(widget)) {
      continue;
    }
    const QString name = AccessibleName(*widget);
    QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
    QVERIFY2(!name.contains(QLatin1Char('&')), qPrintable(widget->objectName() + name));
    ++named;
  }
  QCOMPARE(named, focusable);
}

void AccessibilityTest::nameFollowsChangedCaption() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  QCOMPARE(AccessibleName(form->Command4), QStringLiteral("Muzzle Energy >>"));
  Click(form->Command4);
  QCOMPARE(form->Command4.Caption(), QStringLiteral("<< &Muzzle Energy"));
  QCOMPARE(AccessibleName(form->Command4), QStringLiteral("<< Muzzle Energy"));
  Click(form->Command4);
  QCOMPARE(AccessibleName(form->Command4), QStringLiteral("Muzzle Energy >>"));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
