// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <vector>

#include <QTest>

#include "control_row.h"
#include "forms/keyboard.h"

// Where the keyboard goes, over a window's controls as they are at one moment: Tab, the arrows
// in an option group, and the access keys, shared ones among them.
class KeyboardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void tabStop_data();
  void tabStop();
  void stepInGroup_data();
  void stepInGroup();
  void accessKey_data();
  void accessKey();
};

namespace {

using forms::ControlDesign;
using forms::Kind;
using namespace forms::keyboard;

using test_support::ControlRow;

// Listed out of tab order. By tab index: Entry, Medium, Small, Large, Go, Gift, NoteLabel,
// Sizes, Notes, Calc, Close; the line has none. Go and Gift share G, Calc and Close share C.
const std::array<ControlDesign, 12> kRows{
    ControlRow("Sizes", Kind::Frame, nullptr, "Si&zes", 7),
    ControlRow("Small", Kind::OptionButton, "Sizes", "Small", 2),
    ControlRow("Medium", Kind::OptionButton, "Sizes", "Medium", 1),
    ControlRow("Large", Kind::OptionButton, "Sizes", "&Large", 3),
    ControlRow("Entry", Kind::TextBox, nullptr, "0", 0),
    ControlRow("Go", Kind::CommandButton, nullptr, "&Go", 4),
    ControlRow("Gift", Kind::CheckBox, nullptr, "&Gift wrap", 5),
    ControlRow("NoteLabel", Kind::Label, nullptr, "&Notes", 6),
    ControlRow("Notes", Kind::TextBox, nullptr, "", 8),
    ControlRow("Calc", Kind::CommandButton, nullptr, "&C&alculate", 9),
    ControlRow("Close", Kind::CommandButton, nullptr, "&Close", 10),
    ControlRow("Rule", Kind::Line, nullptr, nullptr, -1),
};

std::size_t IndexOf(const QString& name) {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (name == QLatin1String(kRows[i].name)) return i;
  }
  qFatal("no control %s in the test's design", qPrintable(name));
}

// The captions the controls show, as a window has them: a box shows none, its text is the user's.
const std::vector<std::u16string>& Captions() {
  static const std::vector<std::u16string> captions = [] {
    std::vector<std::u16string> shown;
    for (const ControlDesign& row : kRows) {
      const bool box = row.kind == Kind::TextBox;
      shown.push_back(QString::fromUtf8(box || !row.caption ? "" : row.caption).toStdU16String());
    }
    return shown;
  }();
  return captions;
}

// The controls with `chosen` the group's chosen button (none for "") and `disabled` unusable.
std::vector<ControlState> StatesOf(const QString& chosen, const QStringList& disabled) {
  std::vector<ControlState> states;
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const ControlDesign& row = kRows[i];
    states.push_back({.row = &row,
                      .caption = Captions()[i],
                      .usable = !disabled.contains(QLatin1String(row.name)),
                      .chosen = chosen == QLatin1String(row.name)});
  }
  return states;
}

QString NameOf(std::optional<std::size_t> control) {
  return control ? QString::fromLatin1(kRows[*control].name) : QStringLiteral("-");
}

std::optional<std::size_t> Focus(const QString& name) {
  if (name == QLatin1String("-")) return std::nullopt;
  return IndexOf(name);
}

}  // namespace

void KeyboardTest::tabStop_data() {
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<QStringList>("disabled");
  QTest::addColumn<QString>("from");
  QTest::addColumn<bool>("backwards");
  QTest::addColumn<QString>("stop");
  const QStringList none;
  QTest::newRow("from nothing, the first") << "Small" << none << "-" << false << "Entry";
  QTest::newRow("from nothing backwards, the last") << "Small" << none << "-" << true << "Close";
  QTest::newRow("into the group: its chosen button, not its first")
      << "Small" << none << "Entry" << false << "Small";
  QTest::newRow("out of the group") << "Small" << none << "Small" << false << "Go";
  QTest::newRow("a label, a frame and a line are no stops")
      << "Small" << none << "Gift" << false << "Notes";
  QTest::newRow("round at the end") << "Small" << none << "Close" << false << "Entry";
  QTest::newRow("round at the start backwards") << "Small" << none << "Entry" << true << "Close";
  QTest::newRow("back into the group") << "Small" << none << "Go" << true << "Small";
  QTest::newRow("another button chosen") << "Large" << none << "Entry" << false << "Large";
  QTest::newRow("another button chosen, backwards") << "Large" << none << "Go" << true << "Large";
  QTest::newRow("none chosen: the group's first in tab order")
      << "" << none << "Entry" << false << "Medium";
  QTest::newRow("the chosen one disabled: the first usable")
      << "Small" << QStringList{"Small"} << "Entry" << false << "Medium";
  QTest::newRow("a disabled control is passed over")
      << "Small" << QStringList{"Go", "Gift"} << "Small" << false << "Notes";
  QTest::newRow("the only one left, from itself")
      << "Small" << QStringList{"Entry", "Small", "Medium", "Large", "Go", "Gift", "Notes", "Calc"}
      << "Close" << false << "Close";
  QTest::newRow("nothing takes it")
      << "Small"
      << QStringList{"Entry", "Small", "Medium", "Large", "Go", "Gift", "Notes", "Calc", "Close"}
      << "-" << false << "-";
}

void KeyboardTest::tabStop() {
  QFETCH(QString, chosen);
  QFETCH(QStringList, disabled);
  QFETCH(QString, from);
  QFETCH(bool, backwards);
  QFETCH(QString, stop);
  QCOMPARE(NameOf(TabStopAfter(StatesOf(chosen, disabled), Focus(from), backwards)), stop);
}

void KeyboardTest::stepInGroup_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("arrow");
  QTest::addColumn<QStringList>("disabled");
  QTest::addColumn<QString>("to");
  // The group in the design's order: Small, Medium, Large (not the tab order).
  const QStringList none;
  QTest::newRow("Down: the next") << "Small" << int(Arrow::Down) << none << "Medium";
  QTest::newRow("Right: the next") << "Medium" << int(Arrow::Right) << none << "Large";
  QTest::newRow("Down round the end") << "Large" << int(Arrow::Down) << none << "Small";
  QTest::newRow("Up: the one before") << "Large" << int(Arrow::Up) << none << "Medium";
  QTest::newRow("Left round the start") << "Small" << int(Arrow::Left) << none << "Large";
  QTest::newRow("a disabled button passed over")
      << "Small" << int(Arrow::Down) << QStringList{"Medium"} << "Large";
  QTest::newRow("all others disabled: it stays")
      << "Medium" << int(Arrow::Up) << QStringList{"Small", "Large"} << "Medium";
}

void KeyboardTest::stepInGroup() {
  QFETCH(QString, from);
  QFETCH(int, arrow);
  QFETCH(QStringList, disabled);
  QFETCH(QString, to);
  const auto states = StatesOf(from, disabled);
  QCOMPARE(NameOf(StepInGroup(states, IndexOf(from), static_cast<Arrow>(arrow))), to);
}

void KeyboardTest::accessKey_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("focused");
  QTest::addColumn<QStringList>("disabled");
  QTest::addColumn<QString>("action");  // "press X", "focus X" or "-"
  const QStringList none;
  QTest::newRow("a button's second mark presses it") << "A"
                                                     << "Entry" << none << "press Calc";
  QTest::newRow("a small letter as its capital") << "a"
                                                 << "Entry" << none << "press Calc";
  QTest::newRow("an option button is pressed") << "L"
                                               << "Entry" << none << "press Large";
  QTest::newRow("a shared key: the first marked") << "C"
                                                  << "Entry" << none << "focus Calc";
  QTest::newRow("a shared key: on to the next") << "C"
                                                << "Calc" << none << "focus Close";
  QTest::newRow("a shared key: round to the first") << "C"
                                                    << "Close" << none << "focus Calc";
  QTest::newRow("a shared key from nothing") << "G"
                                             << "-" << none << "focus Go";
  QTest::newRow("a shared key: button then check box") << "G"
                                                       << "Go" << none << "focus Gift";
  QTest::newRow("shared, but the other disabled: pressed")
      << "C"
      << "Entry" << QStringList{"Calc"} << "press Close";
  QTest::newRow("a label: the next control that takes the keyboard")
      << "N"
      << "Entry" << none << "focus Notes";
  QTest::newRow("a frame: the next control after it") << "Z"
                                                      << "Entry" << none << "focus Notes";
  QTest::newRow("a disabled button's key does nothing") << "A"
                                                        << "Entry" << QStringList{"Calc"} << "-";
  QTest::newRow("a letter nothing marks") << "X"
                                          << "Entry" << none << "-";
}

void KeyboardTest::accessKey() {
  QFETCH(QString, key);
  QFETCH(QString, focused);
  QFETCH(QStringList, disabled);
  QFETCH(QString, action);
  const auto done = AccessKey(StatesOf("Small", disabled), key.at(0).unicode(), Focus(focused));
  QString said = QStringLiteral("-");
  if (done) {
    said =
        (done->what == KeyAction::Do::Press ? QStringLiteral("press ") : QStringLiteral("focus ")) +
        NameOf(done->control);
  }
  QCOMPARE(said, action);
}

QTEST_APPLESS_MAIN(KeyboardTest)
#include "keyboard_test.moc"
