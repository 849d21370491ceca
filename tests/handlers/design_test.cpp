// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTextLayout>
#include <QToolTip>

#include "window_test_support.h"

using namespace test_support;

// Both windows against the design table: places and sizes, captions and whether they fit,
// tooltips, the names assistive technology reads, and the order Tab walks.
class DesignTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void cleanup();
  void control_data();
  void control();
  void wrappedLabel_data();
  void wrappedLabel();
  void boxNames_data();
  void boxNames();
  void numberBoxLook_data();
  void numberBoxLook();
  void unitCaptionFrame_data();
  void unitCaptionFrame();
  void tabOrder_data();
  void tabOrder();
};

namespace {

const QList<DesignRow>& Rows() {
  static const QList<DesignRow> rows = DesignRows();
  return rows;
}

// The named window at start-up: the main window collapsed, or the About window opened from it.
QWidget* ShowWindow(const QString& window) {
  Form1* form = ShowFreshForm1();
  if (!form) return nullptr;
  if (window == QLatin1String("Form1")) return &WindowOf(*form);
  Form2* about = OpenAbout(*form);
  return about ? &WindowOf(*about) : nullptr;
}

// At 96 DPI a pixel is 15 twips; the one length of the design that is not a whole number of
// pixels (Check1's top, 2860) goes to the nearest.
int PixelsAt96Dpi(int twips) { return (twips + 7) / 15; }

QRect Pixels(int left, int top, int width, int height) {
  return {PixelsAt96Dpi(left), PixelsAt96Dpi(top), PixelsAt96Dpi(width), PixelsAt96Dpi(height)};
}

// A caption as shown: each "&" marking an access key dropped, "&&" shown as one "&".
QString Shown(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

// The caption's text of a control of any kind, and the width its caption needs in the control's
// font and style; -1 for a label that wraps, which wrappedLabel checks.
QString CaptionOf(const QWidget& widget) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
  if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) return frame->title();
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) return box->text();
  return {};
}

int NeededWidth(const QWidget& widget, const QString& caption) {
  const QStyle& style = *widget.style();
  const int text = widget.fontMetrics().horizontalAdvance(Shown(caption));
  if (qobject_cast<const QRadioButton*>(&widget)) {
    return style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &widget) +
           style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &widget) + text;
  }
  if (qobject_cast<const QCheckBox*>(&widget)) {
    return style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget) +
           style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &widget) + text;
  }
  if (qobject_cast<const QPushButton*>(&widget)) {
    return 2 * style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &widget) + text;
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = caption;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = frame->alignment();
    const QRect title =
        style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    return title.right() + 1 + (title.left() - frame->contentsRect().left());
  }
  if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->wordWrap()) {
    return -1;
  }
  return text;
}

QString AccessibleName(QWidget& widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
  return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

// The lines a word-wrapping label lays its caption out in, in its own width and font, and
// whether they all fit its height.
QStringList WrappedLines(const QLabel& label, bool& fits) {
  QTextLayout layout(label.text(), label.font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label.contentsRect().width());
    height += line.height();
  }
  layout.endLayout();
  fits = height <= label.contentsRect().height() &&
         label.heightForWidth(label.width()) <= label.height();
  QStringList lines;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    lines << label.text().mid(line.textStart(), line.textLength()).trimmed();
  }
  return lines;
}

// The columns where a widget's picture has ink darker than `face`, left to right.
QList<int> InkColumns(QWidget& widget, const QColor& face) {
  const QImage image = widget.grab().toImage();
  QList<int> columns;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (image.pixelColor(x, y).lightness() < face.lightness() - 100) {
        columns << x;
        break;
      }
    }
  }
  return columns;
}

}  // namespace

void DesignTest::initTestCase() { SetUpLook(); }

void DesignTest::cleanup() { DiscardWindows(); }

void DesignTest::control_data() {
  QTest::addColumn<int>("row");
  for (qsizetype i = 0; i < Rows().size(); ++i) {
    QTest::addRow("%s.%s", qPrintable(Rows()[i].window), qPrintable(Rows()[i].control)) << int(i);
  }
}

void DesignTest::control() {
  QFETCH(int, row);
  const DesignRow& design = Rows()[row];
  QWidget* window = ShowWindow(design.window);
  QVERIFY(window);
  auto* client = window->findChild<QWidget*>(QStringLiteral("client"));
  QVERIFY(client);

  if (design.kind == QLatin1String("Form")) {
    // The main window starts collapsed; its designed height shows once expanded.
    if (auto* form = forms::IfLoaded<Form1>(); form && design.window == QLatin1String("Form1"))
      Click(form->Command4);
    QCOMPARE(client->size(), Pixels(0, 0, design.width, design.height).size());
    QCOMPARE(window->windowTitle(), design.caption);
    return;
  }
  QWidget* container =
      design.container.isEmpty() ? client : window->findChild<QWidget*>(design.container);
  QVERIFY(container);
  if (design.kind == QLatin1String("Line")) {
    // Painted in its container's ink from (left, top) for `width` twips, and nowhere beside.
    const QImage image = container->grab().toImage();
    const QColor ink = container->palette().color(QPalette::WindowText);
    const QRect line = Pixels(design.left, design.top, design.width, 0);
    for (int x = line.left(); x <= line.right(); ++x) {
      QVERIFY2(image.pixelColor(x, line.top()) == ink, qPrintable(QString::number(x)));
    }
    QVERIFY(image.pixelColor(line.left() - 2, line.top()) != ink);
    QVERIFY(image.pixelColor(line.right() + 2, line.top()) != ink);
    QVERIFY(image.pixelColor(line.center().x(), line.top() - 2) != ink);
    QVERIFY(image.pixelColor(line.center().x(), line.top() + 2) != ink);
    return;
  }
  auto* widget = container->findChild<QWidget*>(design.control, Qt::FindDirectChildrenOnly);
  QVERIFY2(widget, "not a child of its container");
  QCOMPARE(widget->geometry(), Pixels(design.left, design.top, design.width, design.height));

  // Unit labels get their captions when the window loads; the others show the design's.
  const QString caption = CaptionOf(*widget);
  if (!design.caption.isEmpty()) QCOMPARE(caption, design.caption);
  const int needed = NeededWidth(*widget, caption);
  QVERIFY2(needed <= widget->width(),
           qPrintable(QStringLiteral("needs %1 of %2").arg(needed).arg(widget->width())));

  QCOMPARE(widget->toolTip(), design.toolTip);
  if (!design.toolTip.isEmpty()) {
    const QPoint at = widget->rect().center();
    QHelpEvent rest(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &rest);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), design.toolTip);
    QToolTip::hideText();
  }
  if (qobject_cast<QAbstractButton*>(widget)) QCOMPARE(AccessibleName(*widget), Shown(caption));
}

void DesignTest::wrappedLabel_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QStringList>("lines");
  const auto caption = [](const char* window, const char* control) {
    for (const DesignRow& row : Rows()) {
      if (row.window == QLatin1String(window) && row.control == QLatin1String(control)) {
        return row.caption;
      }
    }
    return QString();
  };
  // The table: each equivalence, set apart by a run of blanks, starts a line of its own.
  const QString table = caption("Form1", "Label1");
  QTest::newRow("Form1.Label1") << "Form1"
                                << "Label1"
                                << table.split(QRegularExpression(QStringLiteral(" {2,}")))
                                       .replaceInStrings(QRegularExpression(QStringLiteral(" $")),
                                                         QString());
  // The comments: the web address goes to the second line.
  const QString comments = caption("Form2", "Label3");
  QTest::newRow("Form2.Label3") << "Form2"
                                << "Label3"
                                << QStringList{comments.section(QLatin1Char(' '), 0, -2),
                                               comments.section(QLatin1Char(' '), -1)};
}

void DesignTest::wrappedLabel() {
  QFETCH(QString, window);
  QFETCH(QString, label);
  QFETCH(QStringList, lines);
  QVERIFY(lines.size() >= 2);
  QWidget* shown = ShowWindow(window);
  QVERIFY(shown);
  auto* widget = shown->findChild<QLabel*>(label);
  QVERIFY(widget);
  QVERIFY(widget->wordWrap());
  bool fits = false;
  QCOMPARE(WrappedLines(*widget, fits), lines);
  QVERIFY(fits);
}

void DesignTest::boxNames_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("name");
  QTest::newRow("Text1") << "Text1"
                         << "Value to convert";
  QTest::newRow("Text4") << "Text4"
                         << "Converted value";
  QTest::newRow("Text2") << "Text2"
                         << "Pellet mass";
  QTest::newRow("Text3") << "Text3"
                         << "Pellet velocity";
  QTest::newRow("Text5") << "Text5"
                         << "Muzzle energy";
}

void DesignTest::boxNames() {
  QFETCH(QString, box);
  QFETCH(QString, name);
  QWidget* window = ShowWindow(QStringLiteral("Form1"));
  QVERIFY(window);
  auto* widget = window->findChild<QLineEdit*>(box);
  QVERIFY(widget);
  QCOMPARE(AccessibleName(*widget), name);
}

void DesignTest::numberBoxLook_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<bool>("typedInto");
  // The boxes a user types into are white, the window background; the two results have the grey
  // of a menu.
  QTest::newRow("Text1") << "Text1" << true;
  QTest::newRow("Text2") << "Text2" << true;
  QTest::newRow("Text3") << "Text3" << true;
  QTest::newRow("Text4") << "Text4" << false;
  QTest::newRow("Text5") << "Text5" << false;
}

// Each box on its background, also once the desktop's colours change, with its start value 0
// drawn against its right edge.
void DesignTest::numberBoxLook() {
  QFETCH(QString, box);
  QFETCH(bool, typedInto);
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);
  auto* widget = WindowOf(*form).findChild<QLineEdit*>(box);
  QVERIFY(widget);
  QCOMPARE(widget->text(), QStringLiteral("0"));
  const QColor menu = QApplication::palette().color(QPalette::Active, QPalette::Button);
  const QColor background = typedInto ? QColor(Qt::white) : menu;
  QCOMPARE(RenderedBackground(*widget), background);

  const QList<int> ink = InkColumns(*widget, background);
  QVERIFY(!ink.isEmpty());
  // The frame's own dark edges aside, the digit's ink is in the box's right half, near its edge.
  const QList<int> digit(
      std::find_if(ink.begin(), ink.end(), [&](int x) { return x > 3; }),
      std::find_if(ink.begin(), ink.end(), [&](int x) { return x >= widget->width() - 3; }));
  QVERIFY(!digit.isEmpty());
  QVERIFY2(digit.first() > widget->width() / 2 && digit.last() >= widget->width() - 10,
           qPrintable(QStringLiteral("ink from %1 to %2 of %3")
                          .arg(digit.first())
                          .arg(digit.last())
                          .arg(widget->width())));

  // The desktop's colours change while the program runs.
  QColor changed;
  const int status = RunProgram([&] {
    auto* running = forms::IfLoaded<Form1>();
    auto* shown = running ? WindowOf(*running).findChild<QLineEdit*>(box) : nullptr;
    if (shown) {
      QPalette desktop = QApplication::palette();
      desktop.setColor(QPalette::Base, QColor(0xF0, 0xF8, 0xFF));
      desktop.setColor(QPalette::Button, QColor(0xC8, 0xC0, 0xB8));
      QApplication::setPalette(desktop);
      QCoreApplication::sendPostedEvents();
      changed = RenderedBackground(*shown);
    }
    if (running) running->Unload();
  });
  SetUpLook();
  QCOMPARE(status, 0);
  QCOMPARE(changed, typedInto ? QColor(0xF0, 0xF8, 0xFF) : QColor(0xC8, 0xC0, 0xB8));
}

void DesignTest::unitCaptionFrame_data() {
  QTest::addColumn<QString>("label");
  for (const char* label : {"Label3", "Label4", "Label7", "Label8", "Label11"}) {
    QTest::newRow(label) << QString::fromLatin1(label);
  }
}

// A unit caption sits in a sunken single line: dark along its top and left edges, light along
// its bottom and right edges, one pixel wide around its face.
void DesignTest::unitCaptionFrame() {
  QFETCH(QString, label);
  Form1* form = ShowFreshForm1();
  QVERIFY(form);
  Click(form->Command4);
  auto* widget = WindowOf(*form).findChild<QLabel*>(label);
  QVERIFY(widget);
  const QImage image = widget->grab().toImage();
  const int w = image.width();
  const int h = image.height();
  const QColor face = image.pixelColor(2, h - 3);
  const QColor top = image.pixelColor(w / 2, 0);
  const QColor left = image.pixelColor(0, h / 2);
  const QColor bottom = image.pixelColor(w / 2, h - 1);
  const QColor right = image.pixelColor(w - 1, h / 2);
  QVERIFY2(top.lightness() < face.lightness() && left.lightness() < face.lightness(),
           qPrintable(top.name() + left.name() + face.name()));
  QVERIFY2(bottom.lightness() > top.lightness() && right.lightness() > left.lightness(),
           qPrintable(bottom.name() + right.name()));
  QCOMPARE(image.pixelColor(1, h / 2), face);
  QCOMPARE(image.pixelColor(w / 2, 1), face);
}

void DesignTest::tabOrder_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<int>("key");
  QTest::addColumn<QStringList>("stops");
  // Ascending tab index over the controls that take the focus, an option group stopping once, on
  // its selected button (the first at start-up); the walk comes back to where it began.
  for (const QString& window : {QStringLiteral("Form1"), QStringLiteral("Form2")}) {
    QList<DesignRow> stops;
    QStringList groups;
    for (const DesignRow& row : Rows()) {
      if (row.window != window || row.tabIndex < 0) continue;
      if (row.kind == QLatin1String("OptionButton")) {
        if (groups.contains(row.container)) continue;
        groups << row.container;
      } else if (row.kind != QLatin1String("CommandButton") &&
                 row.kind != QLatin1String("CheckBox") && row.kind != QLatin1String("TextBox")) {
        continue;
      }
      stops << row;
    }
    std::ranges::sort(stops, {}, &DesignRow::tabIndex);
    QStringList forward;
    for (const DesignRow& row : stops) forward << row.control;
    const QStringList backward(forward.rbegin(), forward.rend());
    forward.append(forward.takeFirst());
    QTest::addRow("%s Tab", qPrintable(window)) << window << int{Qt::Key_Tab} << forward;
    QTest::addRow("%s Shift+Tab", qPrintable(window)) << window << int{Qt::Key_Backtab} << backward;
  }
}

void DesignTest::tabOrder() {
  QFETCH(QString, window);
  QFETCH(int, key);
  QFETCH(QStringList, stops);
  QWidget* shown = ShowWindow(window);
  QVERIFY(shown);
  QCOMPARE(FocusName(), stops.last());
  QStringList visited;
  for (qsizetype i = 0; i < stops.size(); ++i) {
    Press(static_cast<Qt::Key>(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    visited << FocusName();
  }
  QCOMPARE(visited, stops);
}

QTEST_MAIN(DesignTest)
#include "design_test.moc"
