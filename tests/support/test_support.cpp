// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPalette>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace test_support {

int ExecWithWatchdog(const std::function<void(QObject& context)>& schedule,
                     const std::function<int()>& exec) {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [] { QCoreApplication::exit(-1); });
  watchdog.start(10000);
  schedule(watchdog);
  const int result = exec ? exec() : QApplication::exec();
  watchdog.stop();
  return result;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

void Type(const QString& text) { QTest::keyClicks(static_cast<QWidget*>(nullptr), text); }

void Click(QAbstractButton& button) {
  const bool indicator = qobject_cast<QRadioButton*>(&button) || qobject_cast<QCheckBox*>(&button);
  const int middle = button.height() / 2;
  QTest::mouseClick(&button, Qt::LeftButton, {},
                    indicator ? QPoint(middle, middle) : button.rect().center());
}

void Click(const forms::Control& button) { Click(WidgetOf<QAbstractButton>(button)); }

std::weak_ptr<forms::Form> LoadForm(const forms::FormDesign& design) {
  auto form = std::make_shared<forms::Form>(design);
  forms::Adopt(form);
  return form;
}

QString FocusName() {
  const QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName() : QStringLiteral("(none)");
}

QColor ExpectedColour(std::uint32_t value) {
  switch (value) {
    case kGreen:
      return {0, 255, 0};
    case kYellow:
      return {255, 255, 0};
    case kRed:
      return {255, 0, 0};
    default:
      return QApplication::palette().color(QPalette::Active, QPalette::Button);
  }
}

QString ColourName(std::uint32_t value) {
  switch (value) {
    case kGreen:
      return QStringLiteral("green");
    case kYellow:
      return QStringLiteral("yellow");
    case kRed:
      return QStringLiteral("red");
    case kButtonFace:
      return QStringLiteral("button face");
    default:
      return QStringLiteral("0x%1").arg(value, 0, 16);
  }
}

namespace {

int Twips(const QString& field, const QString& line) {
  bool ok = false;
  const int value = field.toInt(&ok);
  if (!ok) qFatal("controls.tsv: not a length in '%s'", qPrintable(line));
  return value;
}

}  // namespace

QList<DesignRow> DesignRows(const QString& window) {
  QFile file(QStringLiteral(VELMARA_CONTROLS_TSV));
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", VELMARA_CONTROLS_TSV);
  QList<DesignRow> rows;
  bool header = true;
  while (!file.atEnd()) {
    QString line = QString::fromUtf8(file.readLine());
    if (line.endsWith(QLatin1Char('\n'))) line.chop(1);
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    if (header) {
      header = false;
      continue;
    }
    const QStringList f = line.split(QLatin1Char('\t'));
    if (f.size() != 11) qFatal("controls.tsv: %d fields in '%s'", int(f.size()), qPrintable(line));
    if (!window.isEmpty() && f[0] != window) continue;
    const auto dash = [](const QString& field) {
      return field == QLatin1String("-") ? QString() : field;
    };
    rows.append({.window = f[0],
                 .control = f[1],
                 .kind = f[2],
                 .container = dash(f[3]),
                 .left = Twips(f[4], line),
                 .top = Twips(f[5], line),
                 .width = Twips(f[6], line),
                 .height = Twips(f[7], line),
                 .tabIndex = f[8] == QLatin1String("-") ? -1 : Twips(f[8], line),
                 .caption = f[9],
                 .toolTip = f[10]});
  }
  if (rows.isEmpty()) qFatal("controls.tsv: no rows for '%s'", qPrintable(window));
  return rows;
}

}  // namespace test_support
