// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "controls.h"
#include "design.h"
#include "text.h"

// What a platform's home gives the forms layer: everything listed here, and nothing else. The
// shared layer keeps the rules (which control object each kind makes, the Tab order, option
// groups, access keys, accessible names, heights in twips) and calls these for what only the
// platform does. A home defines its three types and these functions in namespace forms::native;
// whatever else it has stays in a namespace of its own. Only the forms layer includes this.
//
// The home calls back into the shared layer: Form::Unload when the window system closes a
// window, Form::TabKey, Form::ArrowKey and Form::AccessKey for those keys, Form::FirstTabStop
// for the control a window starts with, Clickable::FireClick and TextBox::FireKeyPress for the
// controls' events.
namespace forms {

class Form;
class NativeApplication;  // the connection to the window system
class NativeForm;         // a top-level window
class NativeControl;      // one control of a window

namespace native {

// ---- The application and its events

// Connects to the window system and gives it the look the designs were drawn for; `argv` gives
// the program's name alone.
NativeApplication* OpenApplication(char** argv, const char* name, const char* version);
// The start-up window is gone and the program ends with `status`; the application is still open.
void Ending(NativeApplication& application, int status);
void CloseApplication(NativeApplication* application);

// Delivers the windows' events until QuitEventLoop; gives the exit status. Where the platform
// runs the loop itself (a browser), returns at once, and the windows stay and take the events.
int RunEventLoop();
// Ends RunEventLoop once the events being handled are done.
void QuitEventLoop();
// Runs `task` once the event being handled, and those already waiting, are done.
void Later(std::function<void()> task);

// ---- Windows

// The window of `form`, hidden, with the design's caption, frame, icon and client size, no
// controls yet.
NativeForm* CreateForm(Form& form, const FormDesign& design);
// Gives every control its place; called once all the controls of the design are created.
void Built(NativeForm& window);
void DestroyForm(NativeForm* window);

void Show(NativeForm& window);
void Hide(NativeForm& window);
bool IsVisible(const NativeForm& window);
// A disabled window takes no input; enabled again, it starts from its first Tab stop.
void SetEnabled(NativeForm& window, bool enabled);
bool IsEnabled(const NativeForm& window);

// The client area's height in pixels (with the thin frame a window without a title bar draws
// inside it), and the dots per inch the window is drawn at.
int ClientHeight(const NativeForm& window);
int Dpi(const NativeForm& window);
// Sets the client area's height, given in twips.
void SetClientHeight(NativeForm& window, int twips);

// The control of `window` that has the keyboard, if one has.
NativeControl* FocusedControl(const NativeForm& window);

// ---- Controls

// The control for one row of the design, with its start caption or text, value, tooltip, font,
// colours and alignment; `container` is the frame the row names, nullptr for the window. It
// delivers its events to `control`. The window owns it.
NativeControl& CreateControl(NativeForm& window, const ControlDesign& row, NativeControl* container,
                             Control& control);

// A box's text, as the user left it.
String Text(const NativeControl& control);
// A box's text, or a button's or label's caption with its access keys marked.
void SetText(NativeControl& control, const String& text);
// The name a screen reader says; empty for the platform's own.
void SetAccessibleName(NativeControl& control, const String& name);
// A box's background colour: a design's colour value.
void SetBackColor(NativeControl& control, std::uint32_t colour);
// Paints the control now, not when the window system next asks.
void Refresh(NativeControl& control);

// Whether an option button is chosen, or a check box ticked.
bool IsChecked(const NativeControl& control);
// Makes an option button its group's chosen one, as a click on it does: its Click runs when the
// choice changes.
void Choose(NativeControl& control);
// What an access key does to a button, an option button or a check box: pressed, chosen or
// ticked, and its Click run.
void Press(NativeControl& control);

// Whether the control is neither hidden nor disabled, its window's own state aside.
bool IsUsable(const NativeControl& control);
// Gives the control the keyboard, with the focus mark a key shows.
void Focus(NativeControl& control);
// Selects the whole text of a box.
void SelectAll(NativeControl& control);

// ---- The clipboard: where it cannot be written these do nothing, and the program goes on.

void ClearClipboard();
void SetClipboardText(const String& text);

}  // namespace native
}  // namespace forms
