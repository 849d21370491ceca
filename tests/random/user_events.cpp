// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_events.h"

#include <array>

#include <QKeySequence>

namespace {

using Kind = UserEvent::Kind;

// Controls of the main window by where they are: the conversion panel and the button row are
// always in view, the energy panel and the About button only while the window is expanded.
constexpr std::array<const char*, 16> kAlwaysInView{
    "Option1", "Option2",  "Option3", "Option4", "Option5", "Option6",  "Option7",  "Option8",
    "Option9", "Option10", "Check1",  "Text1",   "Text4",   "Command4", "Command3", "Command2"};
constexpr std::array<const char*, 9> kInViewExpanded{"Option11", "Option12", "Text2",
                                                     "Text3",    "Text5",    "Command5",
                                                     "Command6", "Command7", "Command8"};
constexpr std::array<const char*, 6> kAboutControls{"Command1", "Label1", "Label2",
                                                    "Label3",   "Label4", "Image1"};

struct ControlKey {
  int key;
  Qt::KeyboardModifiers modifiers;
  const char16_t* text;  // what an X11 keyboard gives as the key's text
};

const std::array<ControlKey, 24> kControlKeys{{
    {Qt::Key_Backspace, Qt::NoModifier, u"\b"}, {Qt::Key_Delete, Qt::NoModifier, u"\x7f"},
    {Qt::Key_A, Qt::ControlModifier, u"\x01"},  {Qt::Key_V, Qt::ControlModifier, u"\x16"},
    {Qt::Key_C, Qt::ControlModifier, u"\x03"},  {Qt::Key_X, Qt::ControlModifier, u"\x18"},
    {Qt::Key_Z, Qt::ControlModifier, u"\x1a"},  {Qt::Key_Return, Qt::NoModifier, u"\r"},
    {Qt::Key_Enter, Qt::KeypadModifier, u"\r"}, {Qt::Key_Escape, Qt::NoModifier, u"\x1b"},
    {Qt::Key_Tab, Qt::NoModifier, u"\t"},       {Qt::Key_Backtab, Qt::ShiftModifier, u""},
    {Qt::Key_Left, Qt::NoModifier, u""},        {Qt::Key_Right, Qt::NoModifier, u""},
    {Qt::Key_Up, Qt::NoModifier, u""},          {Qt::Key_Down, Qt::NoModifier, u""},
    {Qt::Key_Home, Qt::NoModifier, u""},        {Qt::Key_End, Qt::NoModifier, u""},
    {Qt::Key_Home, Qt::ShiftModifier, u""},     {Qt::Key_End, Qt::ShiftModifier, u""},
    {Qt::Key_Left, Qt::ShiftModifier, u""},     {Qt::Key_Delete, Qt::ShiftModifier, u""},
    {Qt::Key_Insert, Qt::ControlModifier, u""}, {Qt::Key_Space, Qt::NoModifier, u" "},
}};

// Printable characters beyond ASCII, among them digits and points of other scripts.
const std::array<const char16_t*, 15> kForeignCharacters{
    u"\u00E9", u"\u00DF", u"\u20AC", u"\u0663", u"\uFF15", u"\u00BD", u"\u00B2",    u"\u00B7",
    u"\uFF0E", u"\u066B", u"\u00A0", u"\u0131", u"\u044F", u"\u4E2D", u"\U0001F600"};

// Texts a paste may carry that are almost numbers, or numbers in forms typing cannot make.
const std::array<const char16_t*, 24> kNumberLikeTexts{
    u"-5",   u"+3",    u"1e3",    u"1E+308", u"2e308",        u"1e-400",
    u" 12 ", u"\t7",   u"1,000",  u"$5",     u"inf",          u"nan",
    u"0x1A", u"1 000", u"12.5\n", u"12,5",   u"\uFF11\uFF12", u"\u0663.\u0665",
    u".",    u"..",    u"-",      u"E5",     u"5E",           u"1.79769313486232E+308"};

constexpr QStringView kDigits = u"0123456789";
constexpr QStringView kAsciiJunk = u" abcxyzAEZe-+,;:/*$#!?_=()[]{}'\"\\|~`@%^&<>";
constexpr QStringView kAnyJunk = u"0123456789.abcXYZ -+e\u00E9\u20AC\u0663\uFF15\t";
// What a user types for a number: digits and points, and the sign, exponent, grouping and blank
// of numbers written elsewhere, which the boxes must refuse however few of them are typed.
constexpr QStringView kTypedForNumbers = u"0123456789.-+eE, ";

// A line edit holds at most 32767 characters.
constexpr int kLongestPaste = 32767;

}  // namespace

QString Quoted(const QString& text) {
  constexpr qsizetype kShown = 40;
  QString shown;
  for (const QChar c : QStringView(text).left(kShown)) {
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
      shown += c;
    } else {
      shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
  }
  shown += text.size() > kShown ? QStringLiteral("...\" (%1 characters)").arg(text.size())
                                : QStringLiteral("\"");
  return QLatin1Char('"') + shown;
}

UserEvent EventSource::Next(const Scene& scene) {
  if (!planned_.empty()) {
    UserEvent next = planned_.front();
    planned_.pop_front();
    return next;
  }
  if (scene.aboutOpen) {
    const int roll = Below(100);
    if (roll < 8) return ClickOn(QStringLiteral("Form2.Command1"), false);
    if (roll < 16) return {.kind = Kind::Key, .text = QStringLiteral("\r"), .key = Qt::Key_Return};
    if (roll < 24) return {.kind = Kind::CloseAbout};
    if (roll < 50) {
      return ClickOn(QStringLiteral("Form2.") + QLatin1String(kAboutControls[Below(6)]), false);
    }
    if (roll < 70) return ClickSomewhere(scene);
    return Key();
  }
  const int roll = Below(1000);
  // Closing the program is rare: the session starts it again afresh.
  if (roll < 3) return ClickOn(QStringLiteral("Form1.Command1"), false);
  if (roll < 80) {
    const bool energy = scene.expanded && Percent(50);
    return ClickOn(energy ? QStringLiteral("Form1.Command5") : QStringLiteral("Form1.Command2"),
                   false);
  }
  if (roll < 160) return Paste(scene);
  if (roll < 175) {
    return ClickOn(
        scene.expanded ? QStringLiteral("Form1.Command8") : QStringLiteral("Form1.Command4"),
        false);
  }
  if (roll < 190) return Typing(scene);
  if (roll < 220 && scene.expanded) return Pellet();
  if (roll < 470) return ClickSomewhere(scene);
  if (!scene.focusInEntryBox && Percent(30)) {
    const int boxes = scene.expanded ? 3 : 1;
    return ClickOn(QStringLiteral("Form1.Text%1").arg(1 + Below(boxes)), false);
  }
  return Key();
}

UserEvent EventSource::ClickOn(const QString& target, bool nearLeftEdge) {
  // An option button or check box shows its indicator and caption at its left edge, where a user
  // aims.
  const double x =
      nearLeftEdge ? 0.02 + 0.4 * Below(1000) / 1000.0 : 0.05 + 0.9 * Below(1000) / 1000.0;
  const double y = 0.2 + 0.6 * Below(1000) / 1000.0;
  return {.kind = Kind::Click, .target = target, .where = QPointF(x, y)};
}

UserEvent EventSource::ClickSomewhere(const Scene& scene) {
  constexpr int kAlways = static_cast<int>(kAlwaysInView.size());
  const int pick = Below(kAlways + (scene.expanded ? static_cast<int>(kInViewExpanded.size()) : 0));
  const QLatin1String name(pick < kAlways ? kAlwaysInView[pick] : kInViewExpanded[pick - kAlways]);
  const bool indicator =
      name.startsWith(QLatin1String("Option")) || name.startsWith(QLatin1String("Check"));
  return ClickOn(QStringLiteral("Form1.") + name, indicator);
}

UserEvent EventSource::Paste(const Scene& scene) {
  QString box;
  if (Percent(80)) {
    box = QStringLiteral("Text%1").arg(scene.expanded ? 1 + Below(3) : 1);
  } else {
    box = scene.expanded && Percent(50) ? QStringLiteral("Text5") : QStringLiteral("Text4");
  }
  QString text;
  if (box == QLatin1String("Text2") && Percent(60)) {
    text = Mass();
  } else if (box == QLatin1String("Text3") && Percent(60)) {
    text = Velocity();
  } else {
    text = PasteText();
  }
  return {.kind = Percent(50) ? Kind::PasteOver : Kind::Paste,
          .target = QStringLiteral("Form1.") + box,
          .text = text};
}

// A user entering a pellet's mass and velocity over whatever the boxes held, then calculating.
UserEvent EventSource::Pellet() {
  planned_.push_back(
      {.kind = Kind::PasteOver, .target = QStringLiteral("Form1.Text3"), .text = Velocity()});
  planned_.push_back(ClickOn(QStringLiteral("Form1.Command5"), false));
  return {.kind = Kind::PasteOver, .target = QStringLiteral("Form1.Text2"), .text = Mass()};
}

// Masses of real pellets in grains or in grams, and velocities from a chronograph.
QString EventSource::Mass() {
  return Percent(50)
             ? QStringLiteral("%1.%2").arg(4 + Below(27)).arg(Below(100), 2, 10, QLatin1Char('0'))
             : QStringLiteral("%1.%2").arg(Below(2)).arg(Below(1000), 3, 10, QLatin1Char('0'));
}

QString EventSource::Velocity() { return QString::number(150 + Below(1000)); }

UserEvent EventSource::Key() {
  const int roll = Below(100);
  UserEvent event{.kind = Kind::Key};
  if (roll < 65) {
    QChar c;
    if (roll < 35) {
      c = kDigits[Below(10)];
    } else if (roll < 45) {
      c = QLatin1Char('.');
    } else if (roll < 57) {
      c = kAsciiJunk[Below(static_cast<int>(kAsciiJunk.size()))];
    } else {
      event.text = QString::fromUtf16(kForeignCharacters[Below(kForeignCharacters.size())]);
      event.key = Qt::Key_unknown;
      return event;
    }
    return Typed(c);
  }
  const ControlKey& key = kControlKeys[Below(kControlKeys.size())];
  event.key = key.key;
  event.modifiers = key.modifiers;
  event.text = QString::fromUtf16(key.text);
  return event;
}

// A user typing a number over a box's whole text: a digit first, so that the box holds only what
// was typed, then a few more characters with each of the refused ones as likely as a digit.
UserEvent EventSource::Typing(const Scene& scene) {
  planned_.push_back({.kind = Kind::Key, .key = Qt::Key_End});
  planned_.push_back({.kind = Kind::Key, .key = Qt::Key_Home, .modifiers = Qt::ShiftModifier});
  planned_.push_back(Typed(kDigits[Below(static_cast<int>(kDigits.size()))]));
  const int more = 1 + Below(8);
  for (int i = 0; i < more; ++i) {
    planned_.push_back(Typed(kTypedForNumbers[Below(static_cast<int>(kTypedForNumbers.size()))]));
  }
  return ClickOn(QStringLiteral("Form1.Text%1").arg(1 + Below(scene.expanded ? 3 : 1)), false);
}

UserEvent EventSource::Typed(QChar c) {
  return {.kind = Kind::Key, .text = c, .key = c.isLower() ? c.toUpper().unicode() : c.unicode()};
}

// Each piece is drawn in its own statement, so that the same seed gives the same texts whatever
// order a compiler evaluates operands in.
QString EventSource::PasteText() {
  QString text;
  switch (Below(20)) {
    case 0:
    case 1:
    case 2:
      return Characters(1 + Below(12), kDigits);
    case 3:
    case 4:
      text = Characters(Below(6), kDigits) + QLatin1Char('.');
      return text + Characters(Below(6), kDigits);
    case 5:
      text = Characters(1 + Below(3), kDigits) + QLatin1Char('.');
      text += Characters(1 + Below(3), kDigits) + QLatin1Char('.');
      return text + Characters(Below(3), kDigits);
    case 6:
    case 7:
    case 8:
      return QString::fromUtf16(kNumberLikeTexts[Below(kNumberLikeTexts.size())]);
    case 9:
    case 10:
      return Characters(1 + Below(20), kAsciiJunk);
    case 11:
    case 12:
      return Characters(1 + Below(10), kAnyJunk);
    case 13:
      // The exponent form the program writes for very large and very small numbers.
      text = Characters(1, u"123456789") + QLatin1Char('.');
      text += Characters(14, kDigits) + QLatin1Char('E');
      text += Percent(50) ? QLatin1Char('+') : QLatin1Char('-');
      return text + QStringLiteral("%1").arg(1 + Below(330), 2, 10, QLatin1Char('0'));
    case 14:
      // Beyond the largest double.
      return Characters(309 + Below(100), u"123456789");
    case 15:
      return Characters(1 + Below(kLongestPaste), kDigits);
    case 16: {
      const int before = Below(kLongestPaste);
      text = Characters(before, kDigits) + QLatin1Char('.');
      return text + Characters(Below(kLongestPaste - before), kDigits);
    }
    case 17:
      return Characters(kLongestPaste, kAnyJunk);
    case 18:
      return QLatin1Char(' ') + Characters(1 + Below(5), kDigits) + QLatin1Char(' ');
    default:
      return Characters(kLongestPaste, kDigits);
  }
}

QString EventSource::Characters(int count, QStringView alphabet) {
  QString text;
  text.reserve(count);
  const int size = static_cast<int>(alphabet.size());
  for (int i = 0; i < count; ++i) text += alphabet[Below(size)];
  return text;
}

QString Describe(const UserEvent& event) {
  switch (event.kind) {
    case Kind::Click:
      return QStringLiteral("click %1 at (%2, %3)")
          .arg(event.target)
          .arg(event.where.x(), 0, 'f', 2)
          .arg(event.where.y(), 0, 'f', 2);
    case Kind::Key:
      if (!event.text.isEmpty() && event.text.front().unicode() >= 0x20 &&
          event.text.front().unicode() != 0x7F) {
        return QStringLiteral("type ") + Quoted(event.text);
      }
      return QStringLiteral("key ") +
             QKeySequence(QKeyCombination(event.modifiers, Qt::Key(event.key)))
                 .toString(QKeySequence::PortableText);
    case Kind::Paste:
      return QStringLiteral("paste into %1: %2").arg(event.target, Quoted(event.text));
    case Kind::PasteOver:
      return QStringLiteral("paste over all of %1: %2").arg(event.target, Quoted(event.text));
    case Kind::CloseAbout:
      return QStringLiteral("close About by close()");
  }
  return {};
}
