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

#include "forms/form.h"
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
  if (!form || window == QLatin1String("Form1")) return form;
  Click(form->Command4);
  Click(form->Command8);
  Form2* about = forms::IfLoaded<Form2>();
  return about && QTest::qWaitForWindowActive(about) ? about : nullptr;
}

QRect Pixels(int left, int top, int width, int height) {
  return {forms::PixelsFromTwips(left), forms::PixelsFromTwips(top), forms::PixelsFromTwips(width),
          forms::PixelsFromTwips(height)};
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
    if (auto* form = dynamic_cast<Form1*>(window)) Click(form->Command4);
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
