// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include <QColor>
#include <QList>
#include <QString>
#include <QTest>
#include <Qt>

#include "design_values.h"
#include "forms/form.h"
#include "forms/qt/controls.h"
#include "forms/qt/text.h"
#include "forms/qt/window.h"

class QAbstractButton;
class QObject;
class QWidget;

// A control's text compared with a Qt text, and shown as one when they differ.
namespace QTest {
inline bool qCompare(const forms::String& actual, const QString& expected, const char* actualName,
                     const char* expectedName, const char* file, int line) {
  return qCompare(forms::qt::ToQString(actual), expected, actualName, expectedName, file, line);
}
}  // namespace QTest

// What the in-process tests share: a user's keys and clicks, the event loop run under a
// watchdog, readable colour values, and the windows' design as one table.
namespace test_support {

using forms::qt::FromQString;
using forms::qt::ToQString;
using forms::qt::WidgetOf;
using forms::qt::WindowOf;

// A window built from `design` and loaded as the program loads its windows: it lives until it is
// unloaded and its events are done.
std::weak_ptr<forms::Form> LoadForm(const forms::FormDesign& design);

// Runs an event loop started by `exec` (QApplication::exec unless given), with the steps that
// `schedule` sets up on a context object living as long as the loop. Gives exec's result, or -1
// when the loop was still running after 10 seconds.
int ExecWithWatchdog(const std::function<void(QObject& context)>& schedule,
                     const std::function<int()>& exec = {});

// A key pressed and released where the keyboard focus is.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {});

// ASCII characters typed one by one where the keyboard focus is.
void Type(const QString& text);

// A left click where a user clicks: a command button in its middle, an option button or a check
// box on its indicator.
void Click(QAbstractButton& button);
void Click(const forms::Control& button);

// The object name of the widget with the keyboard focus, "(none)" when none has it.
QString FocusName();

// The colour a design's colour value paints: green, yellow and red as blue-green-red values,
// and the palette's button colour for the system colours button face and menu.
QColor ExpectedColour(std::uint32_t value);

// A colour value as a reader of a failure wants it: the band colours by name, others in hex.
QString ColourName(std::uint32_t value);

// One control of the windows' design, lengths in twips. tabIndex is -1 for a control without
// one; container is empty for a control placed on the window's client area.
struct DesignRow {
  QString window;
  QString control;
  QString kind;
  QString container;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = -1;
  QString caption;
  QString toolTip;
};

// The rows of tests/design/controls.tsv, of one window when `window` is given. A malformed row
// ends the test program: a table that reads wrong must not pass as one with fewer rows.
QList<DesignRow> DesignRows(const QString& window = {});

}  // namespace test_support
