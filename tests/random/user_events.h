// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <random>

#include <QPointF>
#include <QString>
#include <Qt>

// One thing a user does to the program, held as data so that a run can be recorded, replayed
// and cut down: the generator makes these and the session sends them, the same way every time.
struct UserEvent {
  enum class Kind {
    Click,       // a left click on `target`, at `where`
    Key,         // one key pressed and released where the keyboard focus is
    Paste,       // `text` put on the clipboard, a click into `target`, then Shift+Insert
    PasteOver,   // the same, with the box's whole text selected first (End, Shift+Home)
    CloseAbout,  // the window system closing the About window (QWidget::close)
  };

  Kind kind = Kind::Click;
  // "Form1.Text2", "Form2.Command1": the window and the control's name in it.
  QString target;
  // Key: the text the key types (empty for keys that type nothing); Paste: the pasted text.
  QString text;
  int key = 0;
  Qt::KeyboardModifiers modifiers;
  // Click: where in the control, as fractions of its width and height.
  QPointF where;
};

// What the generator needs to know of the windows to make an event a user could make there.
struct Scene {
  bool aboutOpen = false;
  bool expanded = false;
  bool focusInEntryBox = false;  // the keyboard focus is in Text1, Text2 or Text3
};

// A seeded source of random user events: the same seed gives the same events for the same
// scenes.
class EventSource {
 public:
  explicit EventSource(std::uint64_t seed) : random_(seed) {}
  UserEvent Next(const Scene& scene);

 private:
  int Below(int bound) { return static_cast<int>(random_() % static_cast<std::uint64_t>(bound)); }
  bool Percent(int chance) { return Below(100) < chance; }
  UserEvent ClickOn(const QString& target, bool nearLeftEdge);
  UserEvent ClickSomewhere(const Scene& scene);
  UserEvent Paste(const Scene& scene);
  UserEvent Key();
  UserEvent Typing(const Scene& scene);
  UserEvent Pellet();
  QString Mass();
  QString Velocity();
  QString PasteText();
  QString Characters(int count, QStringView alphabet);
  static UserEvent Typed(QChar c);

  std::mt19937_64 random_;
  std::deque<UserEvent> planned_;  // the rest of a sequence begun by an earlier event
};

// One line a person can read: "click Form1.Option4 at (0.31, 0.50)", "key Ctrl+A".
QString Describe(const UserEvent& event);

// A text as a person can read it in a report: quoted, characters outside printable ASCII as
// \uXXXX, and a long text cut with its length given.
QString Quoted(const QString& text);
