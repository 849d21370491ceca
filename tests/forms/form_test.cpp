// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "forms/form.h"
#include "forms/qt/style.h"
#include "order_design.h"
#include "test_support.h"

// A window built from a design table: the Tab stop of an option group, the access keys and
// names read out as the window's rules give them, the text a key selects in a box, and
// unloading: the start-up window takes a window that was never shown with it, another window goes
// alone. Places, captions, the focus order and the end of the program with a window open are held
// by the window tests on the program's own windows.
class FormTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void groupTabStop_data();
  void groupTabStop();
  void accessKeys_data();
  void accessKeys();
  void keysSelectBoxText_data();
  void keysSelectBoxText();
  void accessibleNames();
  void visibleFollowsShowAndHide();
  void unloadingStartupFormUnloadsHiddenForm();
  void unloadingOtherFormKeepsEventLoop();
};

using namespace test_support;

void FormTest::initTestCase() { forms::qt::SetUpLook(*qApp); }

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

namespace {

using forms::ControlDesign;
using Kind = forms::Kind;

// Captions with several marks, a shared mark, a plain "&" and a label's mark, and a label the
// design names.
// clang-format off
const auto kKeyControls = std::to_array<ControlDesign>({
  // name        kind                 container caption           left  top   width height tab
  {"Calc",       Kind::CommandButton, nullptr,  "&C&alculate",    120,  120,  1200, 375,   0},
  {"Close",      Kind::CommandButton, nullptr,  "&Close",         1440, 120,  1200, 375,   1},
  {"Salt",       Kind::CommandButton, nullptr,  "Salt && Pepper", 120,  600,  1500, 375,   2},
  {"NoteLabel",  Kind::Label,         nullptr,  "&Notes",         120,  1100, 600,  255,   3},
  {"Notes",      Kind::TextBox,       nullptr,  "",               720,  1100, 1200, 285,   4},
  {"Unit",       Kind::Label,         nullptr,  "grains",         2000, 1100, 600,  255,   5,
   {.accessibleName = "Mass unit"}},
});
// clang-format on

const forms::FormDesign kKeys{
    .name = "Keys",
    .caption = "Keys",
    .border = forms::BorderStyle::Sizable,
    .clientWidth = 3000,
    .clientHeight = 1800,
    .icon = nullptr,
    .controls = kKeyControls,
};

}  // namespace

void FormTest::accessKeys_data() {
  QTest::addColumn<QString>("start");
  QTest::addColumn<QList<int>>("letters");
  QTest::addColumn<QString>("focus");
  QTest::addColumn<QString>("clicked");
  QTest::newRow("a button's second mark presses it") << "Notes" << QList<int>{Qt::Key_A} << "Notes"
                                                     << "Calc";
  QTest::newRow("a shared mark moves the keyboard, presses nothing")
      << "Notes" << QList<int>{Qt::Key_C} << "Calc"
      << "";
  QTest::newRow("a shared mark again: the next one")
      << "Notes" << QList<int>{Qt::Key_C, Qt::Key_C} << "Close"
      << "";
  QTest::newRow("a shared mark round to the first")
      << "Notes" << QList<int>{Qt::Key_C, Qt::Key_C, Qt::Key_C} << "Calc"
      << "";
  QTest::newRow("a label's mark: the box after it") << "Calc" << QList<int>{Qt::Key_N} << "Notes"
                                                    << "";
  QTest::newRow("&& marks nothing") << "Notes" << QList<int>{Qt::Key_P} << "Notes"
                                    << "";
}

void FormTest::accessKeys() {
  QFETCH(QString, start);
  QFETCH(QList<int>, letters);
  QFETCH(QString, focus);
  QFETCH(QString, clicked);

  forms::Form form(kKeys);
  QStringList clicks;
  for (const char* name : {"Calc", "Close", "Salt"}) {
    form.Named<forms::CommandButton>(name).OnClick(
        [&clicks, name] { clicks << QString::fromLatin1(name); });
  }
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&WindowOf(form)));
  WindowOf(form).findChild<QWidget*>(start)->setFocus(Qt::OtherFocusReason);
  for (const int letter : letters) Press(static_cast<Qt::Key>(letter), Qt::AltModifier);
  // A pressed button shows itself down for a moment before its Click runs.
  QTest::qWait(300);
  QCOMPARE(FocusName(), focus);
  QCOMPARE(clicks.join(QLatin1Char(' ')), clicked);
}

namespace {

// A window whose box is its only Tab stop: Tab, Shift+Tab and its label's mark bring the keyboard
// back to the box it is in, so its platform sees no focus arrive and the selection is the
// window's own.
// clang-format off
const auto kOneBoxControls = std::to_array<ControlDesign>({
  // name        kind                 container caption  left  top  width height tab
  {"NoteLabel",  Kind::Label,         nullptr,  "&Notes", 120,  120, 600,  255,   0},
  {"Notes",      Kind::TextBox,       nullptr,  "",       720,  120, 1200, 285,   1},
});
// clang-format on

const forms::FormDesign kOneBox{
    .name = "OneBox",
    .caption = "One box",
    .border = forms::BorderStyle::Sizable,
    .clientWidth = 2100,
    .clientHeight = 600,
    .icon = nullptr,
    .controls = kOneBoxControls,
};

}  // namespace

// A key that brings the keyboard to a box selects its whole text, ready to be typed over.
void FormTest::keysSelectBoxText_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::newRow("Tab") << int{Qt::Key_Tab} << int{Qt::NoModifier};
  QTest::newRow("Shift+Tab") << int{Qt::Key_Backtab} << int{Qt::ShiftModifier};
  QTest::newRow("the label's mark") << int{Qt::Key_N} << int{Qt::AltModifier};
}

void FormTest::keysSelectBoxText() {
  QFETCH(int, key);
  QFETCH(int, modifiers);

  forms::Form form(kOneBox);
  auto& box = form.Named<forms::TextBox>("Notes");
  box.SetText(u"12.5");
  form.SetVisible(true);
  QVERIFY(QTest::qWaitForWindowActive(&WindowOf(form)));
  WidgetOf(box).setFocus(Qt::MouseFocusReason);
  Press(Qt::Key_Home);
  QCOMPARE(WidgetOf<QLineEdit>(box).selectedText(), QString());

  Press(static_cast<Qt::Key>(key), Qt::KeyboardModifiers::fromInt(modifiers));
  QCOMPARE(FocusName(), QStringLiteral("Notes"));
  QCOMPARE(WidgetOf<QLineEdit>(box).selectedText(), QStringLiteral("12.5"));
}

// The name a screen reader says: the caption without its marks, "&&" as "&", and the design's
// own name even after the program changes the caption.
void FormTest::accessibleNames() {
  forms::Form form(kKeys);
  QCOMPARE(WidgetOf(form.Named<forms::CommandButton>("Calc")).accessibleName(),
           QStringLiteral("Calculate"));
  QCOMPARE(WidgetOf(form.Named<forms::CommandButton>("Salt")).accessibleName(),
           QStringLiteral("Salt & Pepper"));
  auto& calc = form.Named<forms::CommandButton>("Calc");
  calc.SetCaption(u"Re&do && go");
  QCOMPARE(WidgetOf(calc).accessibleName(), QStringLiteral("Redo & go"));
  auto& unit = form.Named<forms::Label>("Unit");
  unit.SetCaption(u"grams");
  QCOMPARE(WidgetOf(unit).accessibleName(), QStringLiteral("Mass unit"));
  QCOMPARE(ToQString(unit.Caption()), QStringLiteral("grams"));
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
