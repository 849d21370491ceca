#include <QHelpEvent>
#include <QPointer>
#include <QTextLayout>
#include <QToolTip>

#include "window_test_support.h"

using namespace test_support;

// The main window as it starts: controls, places, focus order, tooltips, the table, and Close.
class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void startUpState();
  void controlGeometry_data();
  void controlGeometry();
  void separatorLine();
  void focusChain_data();
  void focusChain();
  void groupStopOnSelectedButton_data();
  void groupStopOnSelectedButton();
  void toolTips_data();
  void toolTips();
  void noOtherToolTips();
  void tableText();
  void tableLines_data();
  void tableLines();
  void windowFrame();
  void closeEndsProgram();
};

namespace {

// Twips to pixels at 15 twips to a pixel, to the nearest pixel.
constexpr int Px(int twips) { return (2 * twips + 15) / 30; }

struct Equivalence {
  const char* text;
  int spacesAfter;
};

constexpr Equivalence kTable[] = {
    {"1 foot pound = 1.3558 joule", 4}, {"1 grain = 0.0648 gram", 13},
    {"1 pound = 0.454 kilogram", 7},    {"1 pound = 16 ounce", 15},
    {"1 pound = 7000 grain", 13},       {"1 fps = 0.3050 m/s", 17},
    {"1 inch = 2.54 centimeter", 9},    {"1 foot = 0.3048 meter", 13},
    {"1 yard = 0.9144 meter", 13},      {"1 mile = 5280 foot", 1},
};

QString TableText() {
  QString text;
  for (const auto& line : kTable) {
    text += QString::fromLatin1(line.text) + QString(line.spacesAfter, QLatin1Char(' '));
  }
  return text;
}

}  // namespace

void MainWindowTest::initTestCase() { SetUpLook(); }

void MainWindowTest::cleanup() { DiscardWindows(); }

void MainWindowTest::startUpState() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  QCOMPARE(form->size(), QSize(359, 252));
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
  QCOMPARE(Module1::ConversionFactor, velmara::Variant::Double(1.3558));
  QCOMPARE(Module1::EnergyDivisor, velmara::Variant::Integer32(450240));
  QVERIFY(Module1::ReverseFactor.IsEmpty());
  QCOMPARE(form->Text4.BackColor(), std::uint32_t{0x80000004});
  QCOMPARE(form->Text5.BackColor(), std::uint32_t{0x80000004});
  QCOMPARE(form->Text5.palette().color(QPalette::Base), ExpectedColour(0x80000004));
  QCOMPARE(FocusName(), QStringLiteral("Option1"));
  for (auto* control : form->findChildren<QWidget*>()) {
    QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
  }
}

void MainWindowTest::controlGeometry_data() {
  QTest::addColumn<QString>("container");
  QTest::addColumn<int>("left");
  QTest::addColumn<int>("top");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<bool>("inViewCollapsed");

  const auto row = [](const char* name, const char* container, int left, int top, int width,
                      int height, bool inViewCollapsed) {
    QTest::newRow(name) << QString::fromLatin1(container) << left << top << width << height
                        << inViewCollapsed;
  };
  // Twips, from the container's top-left corner: the client area, or the frame's outer corner.
  row("Command4", "client", 120, 3360, 1695, 375, true);
  row("Command1", "client", 4200, 3360, 1095, 375, true);
  row("Command8", "client", 120, 5040, 2655, 375, false);
  row("Frame1", "client", 120, 120, 2655, 3180, true);
  row("Option1", "Frame1", 120, 240, 2055, 255, true);
  row("Option2", "Frame1", 120, 480, 2055, 255, true);
  row("Option3", "Frame1", 120, 720, 1935, 255, true);
  row("Option4", "Frame1", 120, 960, 1815, 255, true);
  row("Option5", "Frame1", 120, 1200, 1935, 255, true);
  row("Option6", "Frame1", 120, 1440, 2415, 255, true);
  row("Option7", "Frame1", 120, 1680, 2415, 255, true);
  row("Option8", "Frame1", 120, 1920, 2295, 255, true);
  row("Option9", "Frame1", 120, 2160, 2055, 255, true);
  row("Option10", "Frame1", 120, 2400, 1575, 255, true);
  row("Check1", "Frame1", 120, 2860, 2415, 255, true);
  row("Text1", "client", 2880, 2640, 1695, 285, true);
  row("Label3", "client", 4680, 2640, 615, 285, true);
  row("Text4", "client", 2880, 3000, 1695, 285, true);
  row("Label4", "client", 4680, 3000, 615, 285, true);
  row("Command3", "client", 1920, 3360, 855, 375, true);
  row("Command2", "client", 2880, 3360, 1215, 375, true);
  row("Frame2", "client", 2880, 120, 2415, 2415, true);
  row("Label1", "Frame2", 120, 360, 2175, 1995, true);
  row("Frame3", "client", 120, 3840, 2655, 615, false);
  row("Option11", "Frame3", 120, 240, 2175, 255, false);
  row("Option12", "Frame3", 1680, 240, 855, 255, false);
  row("Label5", "client", 2880, 3960, 1095, 255, false);
  row("Text2", "client", 3480, 3960, 1095, 285, false);
  row("Label7", "client", 4680, 3960, 615, 285, false);
  row("Label6", "client", 2880, 4320, 975, 255, false);
  row("Text3", "client", 3480, 4320, 1095, 285, false);
  row("Label8", "client", 4680, 4320, 615, 285, false);
  row("Label9", "client", 2880, 4680, 1215, 255, false);
  row("Text5", "client", 3480, 4680, 1095, 285, false);
  row("Label11", "client", 4680, 4680, 615, 285, false);
  row("Command5", "client", 120, 4560, 1695, 375, false);
  row("Command6", "client", 1920, 4560, 855, 375, false);
  row("Command7", "client", 2880, 5040, 2415, 375, false);
}

void MainWindowTest::controlGeometry() {
  QFETCH(QString, container);
  QFETCH(int, left);
  QFETCH(int, top);
  QFETCH(int, width);
  QFETCH(int, height);
  QFETCH(bool, inViewCollapsed);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  const auto* control = form->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
  QVERIFY(control);
  QVERIFY(control->parentWidget());
  QCOMPARE(control->parentWidget()->objectName(), container);
  QCOMPARE(control->geometry(), QRect(Px(left), Px(top), Px(width), Px(height)));

  // Collapsed, the button row and all above it are wholly in view and the energy panel is out
  // of view; expanded, everything is in view.
  const QRect inWindow(control->mapTo(form, QPoint(0, 0)), control->size());
  if (inViewCollapsed) {
    QVERIFY(form->rect().contains(inWindow));
  } else {
    QVERIFY(!form->rect().intersects(inWindow));
  }
  Click(form->Command4);
  QCOMPARE(form->size(), QSize(359, 366));
  QVERIFY(form->rect().contains(inWindow));
}

void MainWindowTest::separatorLine() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  // A horizontal line in Frame1 from (120, 2760) to (2520, 2760): pixels 8 to 168 on row 184.
  const QImage frame = form->Frame1.grab().toImage();
  const QColor ink = form->Frame1.palette().color(QPalette::WindowText);
  for (int x = Px(120); x <= Px(2520); ++x) {
    QVERIFY2(frame.pixelColor(x, Px(2760)) == ink, qPrintable(QString::number(x)));
  }
  QVERIFY(frame.pixelColor(Px(120) - 2, Px(2760)) != ink);
  QVERIFY(frame.pixelColor(Px(2520) + 2, Px(2760)) != ink);
  QVERIFY(frame.pixelColor(Px(1320), Px(2760) - 2) != ink);
  QVERIFY(frame.pixelColor(Px(1320), Px(2760) + 2) != ink);
}

void MainWindowTest::focusChain_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<QStringList>("stops");
  // Ascending tab index, one stop for each option group; the collapsed state keeps the energy
  // panel in the chain.
  const QStringList forward{"Check1",   "Text1", "Command4", "Command3", "Command2", "Command1",
                            "Option11", "Text2", "Text3",    "Command5", "Command6", "Command8",
                            "Command7", "Text4", "Text5",    "Option1"};
  QStringList backward(forward.rbegin() + 1, forward.rend());
  backward << "Option1";
  QTest::newRow("Tab") << int{Qt::Key_Tab} << forward;
  QTest::newRow("Shift+Tab") << int{Qt::Key_Backtab} << backward;
}

void MainWindowTest::focusChain() {
  QFETCH(int, key);
  QFETCH(QStringList, stops);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  QCOMPARE(FocusName(), QStringLiteral("Option1"));
  QStringList visited;
  for (qsizetype i = 0; i < stops.size(); ++i) {
    Press(static_cast<Qt::Key>(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    visited << FocusName();
  }
  QCOMPARE(visited, stops);
  QCOMPARE(form->size(), QSize(359, 252));
}

void MainWindowTest::groupStopOnSelectedButton_data() {
  QTest::addColumn<QStringList>("chosen");
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("stop");

  const int tab = Qt::Key_Tab;
  const int backtab = Qt::Key_Backtab;
  QTest::newRow("Option5, Shift+Tab from Check1")
      << QStringList{"Option5"} << "Check1" << backtab << "Option5";
  QTest::newRow("Option10, Tab from Text5")
      << QStringList{"Option10"} << "Text5" << tab << "Option10";
  QTest::newRow("Option3 then Option1, Tab from Text5")
      << QStringList{"Option3", "Option1"} << "Text5" << tab << "Option1";
  QTest::newRow("Option12, Tab from Command1")
      << QStringList{"Option12"} << "Command1" << tab << "Option12";
  QTest::newRow("Option12, Shift+Tab from Text2")
      << QStringList{"Option12"} << "Text2" << backtab << "Option12";
  QTest::newRow("Option12 then Option11, Tab from Command1")
      << QStringList{"Option12", "Option11"} << "Command1" << tab << "Option11";
  QTest::newRow("Option12, Tab from the group")
      << QStringList{"Option12"} << "Option12" << tab << "Text2";
  QTest::newRow("Option7, Tab from the group")
      << QStringList{"Option7"} << "Option7" << tab << "Check1";
}

void MainWindowTest::groupStopOnSelectedButton() {
  QFETCH(QStringList, chosen);
  QFETCH(QString, from);
  QFETCH(int, key);
  QFETCH(QString, stop);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);
  for (const QString& name : chosen) {
    auto* option = form->findChild<forms::OptionButton*>(name);
    QVERIFY(option);
    Click(*option);
    QCOMPARE(option->Value(), forms::kTrue);
  }
  auto* start = form->findChild<QWidget*>(from);
  QVERIFY(start);
  start->setFocus(Qt::OtherFocusReason);
  Press(static_cast<Qt::Key>(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
  QCOMPARE(FocusName(), stop);
}

void MainWindowTest::toolTips_data() {
  QTest::addColumn<QString>("toolTip");
  QTest::newRow("Command1") << "Press to exit the converter";
  QTest::newRow("Command2") << "Press to calculate the conversion";
  QTest::newRow("Command3") << "Press to clear conversion values";
  QTest::newRow("Command4") << "Press to view / hide muzzle energy calculator";
  QTest::newRow("Command5") << "Press to calculate the muzzle energy";
  QTest::newRow("Command6") << "Press to clear energy values";
  QTest::newRow("Command7") << "Press to copy energy value into clipboard";
  QTest::newRow("Check1") << "Press to reverse the conversion (feet - metres or metres to feet)";
  QTest::newRow("Option11") << "Select if using imperial measurements";
  QTest::newRow("Option12") << "Select if using metric measurements";
  QTest::newRow("Text2") << "Enter the mass of the pellet (weight on tin)";
  QTest::newRow("Text3") << "Enter the velocity of the pellet (from chronograph)";
}

void MainWindowTest::toolTips() {
  QFETCH(QString, toolTip);
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);
  auto* control = form->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
  QVERIFY(control);
  QCOMPARE(control->toolTip(), toolTip);

  // The mouse resting on the control shows the text.
  const QPoint at = control->rect().center();
  QHelpEvent rest(QEvent::ToolTip, at, control->mapToGlobal(at));
  QApplication::sendEvent(control, &rest);
  QTRY_VERIFY(QToolTip::isVisible());
  QCOMPARE(QToolTip::text(), toolTip);
  QToolTip::hideText();
}

void MainWindowTest::noOtherToolTips() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  const QStringList withTips{"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                             "Command7", "Check1",   "Option11", "Option12", "Text2",    "Text3"};
  int withoutTip = 0;
  for (const auto* control : form->findChildren<QWidget*>()) {
    if (control->objectName().isEmpty() || withTips.contains(control->objectName())) continue;
    QVERIFY2(control->toolTip().isEmpty(), qPrintable(control->objectName()));
    ++withoutTip;
  }
  // Command8, Frame1 to Frame3, Option1 to Option10, Line1, Text1, Text4, Text5, the nine
  // labels, and the client area that holds them.
  QCOMPARE(withoutTip, 1 + 3 + 10 + 1 + 3 + 9 + 1);
}

void MainWindowTest::tableText() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  QCOMPARE(form->Label1.Caption().size(), 317);
  QCOMPARE(form->Label1.Caption(), TableText());
  QCOMPARE(form->Frame2.title(), QStringLiteral("Table"));
}

void MainWindowTest::tableLines_data() {
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("equivalence");
  for (int i = 0; i < 10; ++i) {
    QTest::addRow("line %d", i + 1) << i << QString::fromLatin1(kTable[i].text);
  }
}

void MainWindowTest::tableLines() {
  QFETCH(int, line);
  QFETCH(QString, equivalence);

  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  const forms::Label& label = form->Label1;
  QVERIFY(label.wordWrap());

  // Laid out in the label's width and font, each equivalence starts a line of its own and the
  // ten lines fit the label's height.
  QTextLayout layout(label.Caption(), label.font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal height = 0;
  for (QTextLine textLine = layout.createLine(); textLine.isValid();
       textLine = layout.createLine()) {
    textLine.setLineWidth(label.contentsRect().width());
    height += textLine.height();
  }
  layout.endLayout();
  QCOMPARE(layout.lineCount(), 10);
  QVERIFY(height <= label.contentsRect().height());
  const QTextLine textLine = layout.lineAt(line);
  const QString shown = label.Caption().mid(textLine.textStart(), textLine.textLength());
  QCOMPARE(shown.trimmed(), equivalence);
  QVERIFY(label.heightForWidth(label.width()) <= label.height());
}

void MainWindowTest::windowFrame() {
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  QCOMPARE(form->windowTitle(), QStringLiteral("Velmara"));
  QVERIFY(!form->windowIcon().isNull());
  const Qt::WindowFlags flags = form->windowFlags();
  QVERIFY(flags & Qt::WindowTitleHint);
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(flags & Qt::WindowMinimizeButtonHint);
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  QVERIFY(!(flags & Qt::FramelessWindowHint));
  // The frame stays sizable.
  QVERIFY(form->minimumSize() != form->maximumSize());
}

void MainWindowTest::closeEndsProgram() {
  QPointer<Form1> main;
  bool shown = false;
  const int result = RunProgram([&] {
    main = forms::IfLoaded<Form1>();
    if (!main || !QTest::qWaitForWindowExposed(main)) return;
    shown = main->isVisible();
    Click(main->Command1);
  });
  QCOMPARE(result, 0);
  QVERIFY(shown);
  QVERIFY(main.isNull());
  QVERIFY(!forms::IfLoaded<Form1>());
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
  }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
