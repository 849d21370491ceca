// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>

#include "window_test_support.h"

using namespace test_support;

// Typing numbers into the mass, velocity and conversion boxes: each of the three judges what is
// typed by its own whole text; the result boxes take anything. Which characters the judgement
// lets in is the rules tests' business, how a refused key leaves a box the forms tests'.
class NumericEntryTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void typing_data();
  void typing();
  void pointJudgedByOwnBox_data();
  void pointJudgedByOwnBox();
  void conversionBoxTakesTenCharacters();
  void longPasteThenPoint_data();
  void longPasteThenPoint();
  void resultBoxesHaveNoFilter();
};

namespace {

const QStringList kFilteredBoxes{"Text1", "Text2", "Text3"};

// A fresh, expanded main window with `text` in the named box and the cursor after it.
forms::TextBox* FocusBoxHolding(Form1& form, const QString& name, const QString& text) {
  Click(form.Command4);
  auto* box = &form.Named<forms::TextBox>(name.toLatin1().constData());
  box->SetText(FromQString(text));
  ClickInto(*box);
  return WidgetOf(*box).hasFocus() ? box : nullptr;
}

}  // namespace

void NumericEntryTest::initTestCase() { SetUpLook(); }

void NumericEntryTest::cleanup() { DiscardWindows(); }

void NumericEntryTest::typing_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("initial");
  QTest::addColumn<bool>("selectAll");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("expected");
  for (const QString& box : kFilteredBoxes) {
    QTest::addRow("%s: letters and a second point refused", qPrintable(box))
        << box << "" << false << "1a.2.3"
        << "1.23";
    // The selected point still counts, although typing would replace it.
    QTest::addRow("%s: point over a selected 1.5 refused", qPrintable(box))
        << box << "1.5" << true << "."
        << "1.5";
  }
}

void NumericEntryTest::typing() {
  QFETCH(QString, box);
  QFETCH(QString, initial);
  QFETCH(bool, selectAll);
  QFETCH(QString, typed);
  QFETCH(QString, expected);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, initial);
  QVERIFY(target);
  if (selectAll) Press(Qt::Key_Home, Qt::ShiftModifier);
  Type(typed);
  QCOMPARE(target->Text(), expected);
}

void NumericEntryTest::pointJudgedByOwnBox_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QStringList>("texts");
  QTest::addColumn<QString>("expected");
  // Texts of Text1, Text2 and Text3 before "." is typed into `box`.
  QTest::newRow("Text1 3, Text2 and Text3 with points")
      << "Text1" << QStringList{"3", "1.5", "2.5"} << "3.";
  QTest::newRow("Text2 10, Text1 1.5") << "Text2" << QStringList{"1.5", "10", "0"} << "10.";
  QTest::newRow("Text3 7, Text2 1.5") << "Text3" << QStringList{"0", "1.5", "7"} << "7.";
}

void NumericEntryTest::pointJudgedByOwnBox() {
  QFETCH(QString, box);
  QFETCH(QStringList, texts);
  QFETCH(QString, expected);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  form->Text1.SetText(FromQString(texts[0]));
  form->Text2.SetText(FromQString(texts[1]));
  form->Text3.SetText(FromQString(texts[2]));
  forms::TextBox* target = FocusBoxHolding(*form, box, texts[kFilteredBoxes.indexOf(box)]);
  QVERIFY(target);
  Type(QStringLiteral("."));
  QCOMPARE(target->Text(), expected);
}

void NumericEntryTest::conversionBoxTakesTenCharacters() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  ClickInto(form->Text1);
  Type(QStringLiteral("123456789012"));
  QCOMPARE(form->Text1.Text(), QStringLiteral("0123456789"));

  QGuiApplication::clipboard()->setText(QStringLiteral("98765432109876"));
  Press(Qt::Key_Home, Qt::ShiftModifier);
  Press(Qt::Key_Insert, Qt::ShiftModifier);
  QCOMPARE(form->Text1.Text(), QStringLiteral("9876543210"));

  // The energy boxes have no such limit.
  Click(form->Command4);
  TypeOver(form->Text2, QStringLiteral("123456789012345"));
  QCOMPARE(form->Text2.Text(), QStringLiteral("123456789012345"));
}

void NumericEntryTest::longPasteThenPoint_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<bool>("pointGetsIn");
  // A line edit holds at most 32767 characters; one short of that, a typed point still has room,
  // so only the judgement of the whole long text decides.
  constexpr int kLength = 32766;
  const QString digits(kLength, QLatin1Char('1'));
  QString pointNearEnd = digits;
  pointNearEnd[kLength - 50] = QLatin1Char('.');
  for (const QString& box : {QStringLiteral("Text2"), QStringLiteral("Text3")}) {
    QTest::addRow("%s: digits only", qPrintable(box)) << box << digits << true;
    QTest::addRow("%s: a point near the end", qPrintable(box)) << box << pointNearEnd << false;
  }
}

void NumericEntryTest::longPasteThenPoint() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(bool, pointGetsIn);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, QString());
  QVERIFY(target);
  QGuiApplication::clipboard()->setText(pasted);
  Press(Qt::Key_Insert, Qt::ShiftModifier);
  QCOMPARE(target->Text(), pasted);

  Type(QStringLiteral("."));
  QCOMPARE(target->Text(), pointGetsIn ? pasted + QLatin1Char('.') : pasted);
  // A number of tens of thousands of digits is too large to work with: the energy fails, and
  // shows so, while the box keeps what was pasted.
  Click(form->Command5);
  QCOMPARE(form->Text5.Text(), QString());
  QCOMPARE(form->Text5.BackColor(), kButtonFace);
  QCOMPARE(target->Text(), pointGetsIn ? pasted + QLatin1Char('.') : pasted);
}

void NumericEntryTest::resultBoxesHaveNoFilter() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);

  ClickInto(form->Text5);
  Type(QStringLiteral("ab -.."));
  QCOMPARE(form->Text5.Text(), QStringLiteral("0ab -.."));
  Press(Qt::Key_Backspace);
  QCOMPARE(form->Text5.Text(), QStringLiteral("0ab -."));

  // The conversion result is read-only: typing leaves it, but Ctrl+A still reaches it.
  ClickInto(form->Text4);
  Type(QStringLiteral("12"));
  Press(Qt::Key_Delete);
  QCOMPARE(form->Text4.Text(), QStringLiteral("0"));
  QVERIFY(WidgetOf(form->Text4).hasFocus());
  Press(Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(WidgetOf<QLineEdit>(form->Text4).selectedText(), QStringLiteral("0"));
}

QTEST_MAIN(NumericEntryTest)
#include "numeric_entry_test.moc"
