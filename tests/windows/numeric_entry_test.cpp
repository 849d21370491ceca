#include <QClipboard>
#include <QInputMethodEvent>

#include "window_test_support.h"

using namespace test_support;

// Typing numbers into the mass, velocity and conversion boxes: digits and one point get in,
// everything else typed is refused; paste and Delete still work.
class NumericEntryTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void typing_data();
  void typing();
  void keys_data();
  void keys();
  void pointJudgedByOwnBox_data();
  void pointJudgedByOwnBox();
  void selectedTextStillCounts_data();
  void selectedTextStillCounts();
  void controlKeysDiscarded_data();
  void controlKeysDiscarded();
  void shiftInsertPastes_data();
  void shiftInsertPastes();
  void characterOutsideAsciiRefused_data();
  void characterOutsideAsciiRefused();
  void inputMethodCommitFiltered_data();
  void inputMethodCommitFiltered();
  void conversionBoxTakesTenCharacters();
  void hugePasteThenPoint_data();
  void hugePasteThenPoint();
  void resultBoxesHaveNoFilter();
};

namespace {

const QStringList kFilteredBoxes{"Text1", "Text2", "Text3"};

forms::TextBox* Box(Form1& form, const QString& name) {
  return form.findChild<forms::TextBox*>(name);
}

// A fresh, expanded main window with `text` in the named box and the cursor after it.
forms::TextBox* FocusBoxHolding(Form1& form, const QString& name, const QString& text) {
  Click(form.Command4);
  forms::TextBox* box = Box(form, name);
  if (!box) return nullptr;
  box->SetText(text);
  ClickInto(*box);
  return box->hasFocus() ? box : nullptr;
}

void AddForEachBox(const char* name, const QString& initial, const QString& typed,
                   const QString& expected) {
  for (const QString& box : kFilteredBoxes) {
    QTest::addRow("%s: %s", qPrintable(box), name) << box << initial << typed << expected;
  }
}

}  // namespace

void NumericEntryTest::initTestCase() { SetUpLook(); }

void NumericEntryTest::cleanup() { DiscardWindows(); }

void NumericEntryTest::typing_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("initial");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("expected");

  AddForEachBox("digits go in", "0", "1234", "01234");
  AddForEachBox("all ten digits", "", "9876543210", "9876543210");
  AddForEachBox("letter refused", "12", "a", "12");
  AddForEachBox("capital E refused", "12", "E", "12");
  AddForEachBox("blank refused", "12", " ", "12");
  AddForEachBox("minus refused", "12", "-", "12");
  AddForEachBox("plus refused", "12", "+", "12");
  AddForEachBox("comma refused", "12", ",", "12");
  AddForEachBox("letters among digits", "", "a1b2c", "12");
  AddForEachBox("point into the empty box", "", ".", ".");
  AddForEachBox("point into 0", "0", ".", "0.");
  AddForEachBox("point into 12", "12", ".", "12.");
  AddForEachBox("point into 12.5 refused", "12.5", ".", "12.5");
  AddForEachBox("point into .5 refused", ".5", ".", ".5");
  AddForEachBox("point into 12. refused", "12.", ".", "12.");
  AddForEachBox("second point while typing", "", "1.2.3", "1.23");
}

void NumericEntryTest::typing() {
  QFETCH(QString, box);
  QFETCH(QString, initial);
  QFETCH(QString, typed);
  QFETCH(QString, expected);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, initial);
  QVERIFY(target);
  Type(typed);
  QCOMPARE(target->Text(), expected);
}

void NumericEntryTest::keys_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("initial");
  QTest::addColumn<bool>("homeFirst");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("expected");

  for (const QString& box : kFilteredBoxes) {
    const auto row = [&box](const char* name, const char* initial, bool homeFirst, int key,
                            Qt::KeyboardModifiers modifiers, const char* expected) {
      QTest::addRow("%s: %s", qPrintable(box), name)
          << box << QString::fromLatin1(initial) << homeFirst << key << static_cast<int>(modifiers)
          << QString::fromLatin1(expected);
    };
    row("Backspace discarded", "123", false, Qt::Key_Backspace, {}, "123");
    row("Delete deletes", "123", true, Qt::Key_Delete, {}, "23");
    row("Escape discarded", "123", false, Qt::Key_Escape, {}, "123");
    row("Return discarded", "123", false, Qt::Key_Return, {}, "123");
    // Alt with a letter or the point is no typed character: nothing gets in.
    row("Alt+X puts nothing in", "123", false, Qt::Key_X, Qt::AltModifier, "123");
    row("Alt+point puts no second point in", "12.5", false, Qt::Key_Period, Qt::AltModifier,
        "12.5");
  }
}

void NumericEntryTest::keys() {
  QFETCH(QString, box);
  QFETCH(QString, initial);
  QFETCH(bool, homeFirst);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, expected);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, initial);
  QVERIFY(target);
  if (homeFirst) Press(Qt::Key_Home);
  Press(static_cast<Qt::Key>(key), Qt::KeyboardModifiers::fromInt(modifiers));
  QCOMPARE(target->Text(), expected);
}

void NumericEntryTest::pointJudgedByOwnBox_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QStringList>("texts");
  QTest::addColumn<QString>("expected");

  // Texts of Text1, Text2 and Text3 before "." is typed into `box`.
  QTest::newRow("Text2 10, Text1 1.5") << "Text2" << QStringList{"1.5", "10", "0"} << "10.";
  QTest::newRow("Text2 12.5, Text1 10") << "Text2" << QStringList{"10", "12.5", "0"} << "12.5";
  QTest::newRow("Text2 12.5, others without point")
      << "Text2" << QStringList{"", "12.5", ""} << "12.5";
  QTest::newRow("Text3 7, Text2 1.5") << "Text3" << QStringList{"0", "1.5", "7"} << "7.";
  QTest::newRow("Text3 7.5, Text2 7") << "Text3" << QStringList{"0", "7", "7.5"} << "7.5";
  QTest::newRow("Text1 3, Text2 and Text3 with points")
      << "Text1" << QStringList{"3", "1.5", "2.5"} << "3.";
  QTest::newRow("Text1 3.5, Text2 and Text3 without")
      << "Text1" << QStringList{"3.5", "1", "2"} << "3.5";
}

void NumericEntryTest::pointJudgedByOwnBox() {
  QFETCH(QString, box);
  QFETCH(QStringList, texts);
  QFETCH(QString, expected);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  form->Text1.SetText(texts[0]);
  form->Text2.SetText(texts[1]);
  form->Text3.SetText(texts[2]);
  const int index = kFilteredBoxes.indexOf(box);
  forms::TextBox* target = FocusBoxHolding(*form, box, texts[index]);
  QVERIFY(target);
  Type(QStringLiteral("."));
  QCOMPARE(target->Text(), expected);
  for (int i = 0; i < 3; ++i) {
    if (i != index) QCOMPARE(Box(*form, kFilteredBoxes[i])->Text(), texts[i]);
  }
}

void NumericEntryTest::selectedTextStillCounts_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("expected");
  for (const QString& box : kFilteredBoxes) {
    // The whole text 1.5 selected: a point is refused although it would replace the point.
    QTest::addRow("%s: point over selected 1.5", qPrintable(box)) << box << "."
                                                                  << "1.5";
    QTest::addRow("%s: digit over selected 1.5", qPrintable(box)) << box << "7"
                                                                  << "7";
    QTest::addRow("%s: letter over selected 1.5", qPrintable(box)) << box << "x"
                                                                   << "1.5";
  }
}

void NumericEntryTest::selectedTextStillCounts() {
  QFETCH(QString, box);
  QFETCH(QString, typed);
  QFETCH(QString, expected);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, QStringLiteral("1.5"));
  QVERIFY(target);
  Press(Qt::Key_Home, Qt::ShiftModifier);
  QCOMPARE(target->selectedText(), QStringLiteral("1.5"));
  Type(typed);
  QCOMPARE(target->Text(), expected);
}

void NumericEntryTest::controlKeysDiscarded_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<int>("key");
  for (const QString& box : kFilteredBoxes) {
    QTest::addRow("%s: Ctrl+A", qPrintable(box)) << box << int{Qt::Key_A};
    QTest::addRow("%s: Ctrl+C", qPrintable(box)) << box << int{Qt::Key_C};
    QTest::addRow("%s: Ctrl+V", qPrintable(box)) << box << int{Qt::Key_V};
    QTest::addRow("%s: Ctrl+X", qPrintable(box)) << box << int{Qt::Key_X};
  }
}

void NumericEntryTest::controlKeysDiscarded() {
  QFETCH(QString, box);
  QFETCH(int, key);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, QStringLiteral("12"));
  QVERIFY(target);
  QGuiApplication::clipboard()->setText(QStringLiteral("34"));
  // Copy and cut would have a selection to work on.
  if (key != Qt::Key_A && key != Qt::Key_V) Press(Qt::Key_Home, Qt::ShiftModifier);
  const QString selectedBefore = target->selectedText();
  Press(static_cast<Qt::Key>(key), Qt::ControlModifier);
  QCOMPARE(target->Text(), QStringLiteral("12"));
  QCOMPARE(target->selectedText(), selectedBefore);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("34"));
}

void NumericEntryTest::shiftInsertPastes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("expected");
  for (const QString& box : kFilteredBoxes) {
    QTest::addRow("%s: digits", qPrintable(box)) << box << "34"
                                                 << "1234";
    // Pasted text is not examined; the calculation decides on it.
    QTest::addRow("%s: letters", qPrintable(box)) << box << "ab"
                                                  << "12ab";
    QTest::addRow("%s: a second point", qPrintable(box)) << box << ".5"
                                                         << "12.5";
  }
}

void NumericEntryTest::shiftInsertPastes() {
  QFETCH(QString, box);
  QFETCH(QString, clipboard);
  QFETCH(QString, expected);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, QStringLiteral("12"));
  QVERIFY(target);
  QGuiApplication::clipboard()->setText(clipboard);
  Press(Qt::Key_Insert, Qt::ShiftModifier);
  QCOMPARE(target->Text(), expected);
}

void NumericEntryTest::characterOutsideAsciiRefused_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("character");
  const struct {
    const char* name;
    int key;
    QString character;
  } characters[] = {
      {"e acute", Qt::Key_Eacute, QStringLiteral("\u00e9")},
      {"u umlaut", Qt::Key_Udiaeresis, QStringLiteral("\u00fc")},
      {"superscript two", Qt::Key_twosuperior, QStringLiteral("\u00b2")},
      {"one half", Qt::Key_onehalf, QStringLiteral("\u00bd")},
      {"euro sign", Qt::Key_unknown, QStringLiteral("\u20ac")},
      {"Arabic-Indic digit three", Qt::Key_unknown, QStringLiteral("\u0663")},
      {"fullwidth digit five", Qt::Key_unknown, QStringLiteral("\uff15")},
      {"middle dot", Qt::Key_periodcentered, QStringLiteral("\u00b7")},
      {"character beyond 16 bits", Qt::Key_unknown, QString::fromUcs4(U"\U0001F600", 1)},
  };
  for (const QString& box : kFilteredBoxes) {
    for (const auto& c : characters) {
      QTest::addRow("%s: %s", qPrintable(box), c.name) << box << c.key << c.character;
    }
  }
}

void NumericEntryTest::characterOutsideAsciiRefused() {
  QFETCH(QString, box);
  QFETCH(int, key);
  QFETCH(QString, character);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, QStringLiteral("12"));
  QVERIFY(target);
  TypeCharacter(static_cast<Qt::Key>(key), character);
  QCOMPARE(target->Text(), QStringLiteral("12"));
  Type(QStringLiteral("3"));
  QCOMPARE(target->Text(), QStringLiteral("123"));
}

void NumericEntryTest::inputMethodCommitFiltered_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("commit");
  QTest::addColumn<QString>("expected");
  for (const QString& box : kFilteredBoxes) {
    QTest::addRow("%s: digits, letters and points", qPrintable(box)) << box << "1a.2.3"
                                                                     << "1.23";
    QTest::addRow("%s: characters outside ASCII", qPrintable(box))
        << box << QStringLiteral("\u0663\u00e95") << "5";
  }
}

void NumericEntryTest::inputMethodCommitFiltered() {
  QFETCH(QString, box);
  QFETCH(QString, commit);
  QFETCH(QString, expected);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, QString());
  QVERIFY(target);
  QInputMethodEvent event;
  event.setCommitString(commit);
  QApplication::sendEvent(target, &event);
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

void NumericEntryTest::hugePasteThenPoint_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  const QString digits(40000, QLatin1Char('1'));
  const QString withPoint = QStringLiteral("1.5") + QString(39997, QLatin1Char('2'));
  for (const QString& box : kFilteredBoxes) {
    QTest::addRow("%s: 40000 digits", qPrintable(box)) << box << digits;
    QTest::addRow("%s: 40000 characters with a point", qPrintable(box)) << box << withPoint;
  }
}

void NumericEntryTest::hugePasteThenPoint() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  forms::TextBox* target = FocusBoxHolding(*form, box, QString());
  QVERIFY(target);
  QGuiApplication::clipboard()->setText(pasted);
  Press(Qt::Key_Insert, Qt::ShiftModifier);
  const QString afterPaste = target->Text();
  QVERIFY(afterPaste.size() >= 10);
  QVERIFY(pasted.startsWith(afterPaste));

  // The point is judged on the whole text, and the program goes on: the box still edits and
  // the calculations still run.
  Type(QStringLiteral("."));
  const QString afterPoint = target->Text();
  QVERIFY(afterPoint.count(QLatin1Char('.')) <= 1);
  if (afterPaste.contains(QLatin1Char('.'))) QCOMPARE(afterPoint, afterPaste);
  QVERIFY(afterPoint.startsWith(afterPaste));
  Press(Qt::Key_Home);
  Press(Qt::Key_Delete);
  QCOMPARE(target->Text(), afterPoint.mid(1));
  Click(form->Command2);
  Click(form->Command5);
  QVERIFY(form->isVisible());
}

void NumericEntryTest::resultBoxesHaveNoFilter() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);

  ClickInto(form->Text5);
  Type(QStringLiteral("ab -"));
  QCOMPARE(form->Text5.Text(), QStringLiteral("0ab -"));
  Press(Qt::Key_Backspace);
  QCOMPARE(form->Text5.Text(), QStringLiteral("0ab "));
  Type(QStringLiteral(".."));
  QCOMPARE(form->Text5.Text(), QStringLiteral("0ab .."));
  Press(Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(form->Text5.selectedText(), QStringLiteral("0ab .."));

  // The conversion result is read-only, but Ctrl+A still reaches it.
  ClickInto(form->Text4);
  QVERIFY(form->Text4.hasFocus());
  Press(Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(form->Text4.selectedText(), QStringLiteral("0"));
}

QTEST_MAIN(NumericEntryTest)
#include "numeric_entry_test.moc"
