// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QLineEdit>
#include <QString>
#include <QTest>

#include "about_window/form2.h"
#include "main_window/form1.h"
#include "main_window/module1.h"
#include "test_support.h"

// What the window tests share: a fresh main window, the program's event loop, and a user's
// ways into a box.
namespace test_support {

// Gives the application the program's look.
void SetUpLook();

// Unloads whatever windows are left and lets their deferred deletion run.
void DiscardWindows();

// A main window as the program starts it: loaded with the shared values empty, shown and active.
// Null when it did not become the active window.
Form1* ShowFreshForm1();

// Starts the program's event loop from a fresh start-up main window as the program's entry
// does, runs `steps` once the loop is running, and gives exec()'s result: -1 when the loop was
// still running after 10 seconds.
int RunProgram(const std::function<void()>& steps);

// Opens the About window as a user does: shows the energy panel if it is hidden, clicks About
// Velmara. Null when no About window became the active window.
Form2* OpenAbout(Form1& form);

// Clicks into a box and puts the cursor after its text.
void ClickInto(QLineEdit& box);
void ClickInto(const forms::TextBox& box);

// Replaces a box's text as a user does: clicks into it, selects its text with Shift+Home, and
// types over it (Delete when the new text is empty).
void TypeOver(QLineEdit& box, const QString& text);
void TypeOver(const forms::TextBox& box, const QString& text);

// Presses a button with the keyboard: focus on it, then Space.
void PressWithKeyboard(const forms::Control& button);

// The background a box is drawn with, sampled left of its right-aligned text.
QColor RenderedBackground(QWidget& box);
QColor RenderedBackground(const forms::TextBox& box);

}  // namespace test_support
