// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Velmara's start-up: a window with the same widgets as Velmara's main window,
// in the same places and with the same captions, on Qt's own defaults (no style, font or icon of
// its own) and without any behaviour. What it costs to show is what Qt itself costs.
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace {

enum class Kind { Button, Option, Check, Box, Label, Group };

struct Row {
  Kind kind;
  int container;  // index of the group box it sits in, or -1 for the window
  const char* caption;
  int x, y, width, height;
};

constexpr const char* kTable =
    "1 foot pound = 1.3558 joule    1 grain = 0.0648 gram             "
    "1 pound = 0.454 kilogram       1 pound = 16 ounce               "
    "1 pound = 7000 grain             1 fps = 0.3050 m/s                 "
    "1 inch = 2.54 centimeter         1 foot = 0.3048 meter             "
    "1 yard = 0.9144 meter             1 mile = 5280 foot ";

// Pixel places of the main window's controls; group boxes come before what they hold.
constexpr Row kRows[] = {
    {Kind::Group, -1, "Conversions", 8, 8, 177, 212},
    {Kind::Group, -1, "Table", 192, 8, 161, 161},
    {Kind::Group, -1, "Energy Measurement", 8, 256, 177, 41},
    {Kind::Option, 0, "Foot Pounds - Joules", 8, 16, 137, 17},
    {Kind::Option, 0, "Grains - Grams", 8, 32, 137, 17},
    {Kind::Option, 0, "Pounds - Kilograms", 8, 48, 129, 17},
    {Kind::Option, 0, "Pounds - Ounces", 8, 64, 121, 17},
    {Kind::Option, 0, "Pounds - Grain", 8, 80, 129, 17},
    {Kind::Option, 0, "Feet per sec - Metres per sec", 8, 96, 161, 17},
    {Kind::Option, 0, "Inch - Centimeters", 8, 112, 161, 17},
    {Kind::Option, 0, "Feet - Meters", 8, 128, 153, 17},
    {Kind::Option, 0, "Yards - Meters", 8, 144, 137, 17},
    {Kind::Option, 0, "Miles - Feet", 8, 160, 105, 17},
    {Kind::Check, 0, "Reverse Conversion", 8, 191, 161, 17},
    {Kind::Label, 1, kTable, 8, 24, 145, 133},
    {Kind::Option, 2, "Foot / Pounds", 8, 16, 145, 17},
    {Kind::Option, 2, "Joules", 112, 16, 57, 17},
    {Kind::Box, -1, "0", 192, 176, 113, 19},
    {Kind::Label, -1, "ft/P", 312, 176, 41, 19},
    {Kind::Box, -1, "0", 192, 200, 113, 19},
    {Kind::Label, -1, "J", 312, 200, 41, 19},
    {Kind::Button, -1, "&Muzzle Energy >>", 8, 224, 113, 25},
    {Kind::Button, -1, "Clear", 128, 224, 57, 25},
    {Kind::Button, -1, "&C&alculate", 192, 224, 81, 25},
    {Kind::Button, -1, "&Close", 280, 224, 73, 25},
    {Kind::Label, -1, "Mass", 192, 264, 73, 17},
    {Kind::Box, -1, "0", 232, 264, 73, 19},
    {Kind::Label, -1, "grains", 312, 264, 41, 19},
    {Kind::Label, -1, "Velocity", 192, 288, 65, 17},
    {Kind::Box, -1, "0", 232, 288, 73, 19},
    {Kind::Label, -1, "fps", 312, 288, 41, 19},
    {Kind::Label, -1, "Energy", 192, 312, 81, 17},
    {Kind::Box, -1, "0", 232, 312, 73, 19},
    {Kind::Label, -1, "ft/lbs", 312, 312, 41, 19},
    {Kind::Button, -1, "Calculate &Energy", 8, 304, 113, 25},
    {Kind::Button, -1, "Clear", 128, 304, 57, 25},
    {Kind::Button, -1, "About Velmara", 8, 336, 177, 25},
    {Kind::Button, -1, "Copy To Clipboard", 192, 336, 161, 25},
};

QWidget* Create(const Row& row, QWidget* parent) {
  const QString caption = QString::fromUtf8(row.caption);
  switch (row.kind) {
    case Kind::Button:
      return new QPushButton(caption, parent);
    case Kind::Option:
      return new QRadioButton(caption, parent);
    case Kind::Check:
      return new QCheckBox(caption, parent);
    case Kind::Box:
      return new QLineEdit(caption, parent);
    case Kind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setWordWrap(true);
      return label;
    }
    case Kind::Group:
      return new QGroupBox(caption, parent);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Baseline"));
  std::vector<QWidget*> groups;
  for (const Row& row : kRows) {
    QWidget* widget = Create(row, row.container < 0 ? &window : groups[row.container]);
    widget->setGeometry(row.x, row.y, row.width, row.height);
    if (row.kind == Kind::Group) groups.push_back(widget);
  }
  auto* line = new QFrame(groups[0]);
  line->setFrameShape(QFrame::HLine);
  line->setGeometry(8, 184, 161, 1);
  window.resize(359, 252);
  window.show();
  return QApplication::exec();
}
