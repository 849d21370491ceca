// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QTest>

#include "window_test_support.h"

namespace {

using Kind = UserEvent::Kind;

using test_support::ColourName;
using test_support::kButtonFace;
using test_support::ToQString;
using test_support::WidgetOf;
using test_support::WindowOf;

constexpr std::array<std::uint32_t, 4> kEnergyColours{test_support::kGreen, test_support::kYellow,
                                                      test_support::kRed, kButtonFace};
const QString kExpandedCaption = QStringLiteral("<< &Muzzle Energy");
constexpr int kCollapsedClientHeight = test_support::kCollapsedSize.height();
constexpr int kExpandedClientHeight = test_support::kExpandedSize.height();
// Results are written to 15 significant digits; the energy box shows at least 8 of them when
// it shows a plain number of 1 or more with its point, which it cuts only after the point.
constexpr double kConversionTolerance = 1e-12;
constexpr double kEnergyTolerance = 1e-6;

bool Near(double x, double y, double tolerance) {
  return std::fabs(x - y) <= tolerance * std::fabs(y);
}

// Keeps the first ratio seen under `key` and says whether `ratio` is near it.
template <class Key>
bool HoldsRatio(std::map<Key, double>& ratios, const Key& key, double ratio, double tolerance) {
  return Near(ratio, ratios.try_emplace(key, ratio).first->second, tolerance);
}

QString RatioNote(double ratio, double expected) {
  return QStringLiteral(", a ratio of %1 where %2 was expected")
      .arg(ratio, 0, 'g', 17)
      .arg(expected, 0, 'g', 17);
}

// Command4's caption while the energy panel is hidden, as the window is designed.
QString CollapsedCaption() {
  static const QString caption = [] {
    for (const test_support::DesignRow& row : test_support::DesignRows(QStringLiteral("Form1"))) {
      if (row.control == QLatin1String("Command4")) return row.caption;
    }
    return QString();
  }();
  return caption;
}

bool HasDigit(const QString& text) {
  return std::any_of(text.cbegin(), text.cend(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// A number as the program writes one: optional minus, digits with at most one point, and an
// optional exponent.
bool NumberShaped(const QString& text) {
  static const QRegularExpression shape(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?(E[+-][0-9]+)?$"));
  return shape.match(text).hasMatch();
}

// What typing alone can leave in a number box.
bool DigitsAndOnePoint(const QString& text) {
  return text.count(QLatin1Char('.')) <= 1 && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
           return c == QLatin1Char('.') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
         });
}

std::array<const forms::OptionButton*, 10> ConversionOptions(const Form1& form) {
  return {&form.Option1, &form.Option2, &form.Option3, &form.Option4, &form.Option5,
          &form.Option6, &form.Option7, &form.Option8, &form.Option9, &form.Option10};
}

// The row of the one selected conversion button; nothing when not exactly one is selected.
std::optional<std::size_t> SelectedConversion(const Form1& form) {
  const auto options = ConversionOptions(form);
  if (std::count_if(options.begin(), options.end(),
                    [](auto* o) { return o->Value() == forms::kTrue; }) != 1) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(std::find_if(options.begin(), options.end(),
                                               [](auto* o) { return o->Value() == forms::kTrue; }) -
                                  options.begin());
}

// Where typed keys go: the focus, or the active window when nothing in it has the focus.
QWidget* KeyboardTarget() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus : QApplication::activeWindow();
}

}  // namespace

const char* RuleName(Rule rule) {
  static constexpr std::array kNames{"unit captions",     "energy units",  "entry digits",
                                     "conversion result", "energy result", "About modality",
                                     "window height"};
  return kNames[static_cast<std::size_t>(rule)];
}

Session::Session() { Start(); }

Session::~Session() { test_support::DiscardWindows(); }

// A fresh program: the shared values empty, the main window loaded from its design and shown.
void Session::Start() {
  // Whether it becomes the active window is the window tests' concern; the events go on anyway.
  test_support::ShowFreshForm1();
  form1_ = forms::InstanceOf<Form1>().lock().get();
  aboutOpen_ = false;
  tainted_ = {};
  result_ = ToQString(form1_->Text4.Text());
  energyColour_ = form1_->Text5.BackColor();
  Watch(form1_->Command2, &Session::AfterConversion);
  Watch(form1_->Command3, &Session::AfterConversionClear);
  Watch(form1_->Command5, &Session::AfterEnergy);
  Watch(form1_->Command6, &Session::AfterEnergyClear);
  ++reach_.starts;
}

// The checks that belong to the moment a button is pressed run right after its handler.
void Session::Watch(forms::CommandButton& button, void (Session::*after)()) {
  QObject::connect(&WidgetOf<QPushButton>(button), &QPushButton::clicked, &observer_,
                   [this, &button, after] {
                     reach_.pressed.insert(QString::fromLatin1(button.Name()));
                     (this->*after)();
                   });
}

Scene Session::Now() const {
  const QWidget* focus = QApplication::focusWidget();
  return {.aboutOpen = forms::IfLoaded<Form2>() != nullptr,
          .expanded = WindowOf(*form1_).height() >= kExpandedClientHeight,
          .focusInEntryBox = focus == &WidgetOf(form1_->Text1) ||
                             focus == &WidgetOf(form1_->Text2) ||
                             focus == &WidgetOf(form1_->Text3)};
}

QWidget* Session::Control(const QString& target) const {
  const QString window = target.section(QLatin1Char('.'), 0, 0);
  const QString name = target.section(QLatin1Char('.'), 1);
  const forms::Form* form = window == QLatin1String("Form2")
                                ? static_cast<const forms::Form*>(forms::IfLoaded<Form2>())
                                : forms::IfLoaded<Form1>();
  return form ? WindowOf(*form).findChild<QWidget*>(name) : nullptr;
}

void Session::Perform(const UserEvent& event) {
  switch (event.kind) {
    case Kind::Click:
      if (QWidget* control = Control(event.target)) {
        const QPoint at(qRound(event.where.x() * control->width()),
                        qRound(event.where.y() * control->height()));
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
      }
      break;
    case Kind::Key:
      if (QWidget* target = KeyboardTarget()) {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(event.key), event.text, event.modifiers);
      }
      break;
    case Kind::Paste:
    case Kind::PasteOver:
      QGuiApplication::clipboard()->setText(event.text);
      if (QWidget* box = Control(event.target)) QTest::mouseClick(box, Qt::LeftButton);
      if (QWidget* target = KeyboardTarget()) {
        if (event.kind == Kind::PasteOver) {
          QTest::sendKeyEvent(QTest::Click, target, Qt::Key_End, QString(), Qt::NoModifier);
          QTest::sendKeyEvent(QTest::Click, target, Qt::Key_Home, QString(), Qt::ShiftModifier);
        }
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_Insert, QString(), Qt::ShiftModifier);
        Taint(target);
      }
      break;
    case Kind::CloseAbout:
      if (Form2* about = forms::IfLoaded<Form2>()) WindowOf(*about).close();
      break;
  }
  Settle();
}

// Deferred deletes and, when a window came or went, the window system's own events: showing,
// hiding and activation.
void Session::Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (!forms::IfLoaded<Form1>()) {
    // The user closed the program: start it again.
    Start();
    return;
  }
  const bool aboutOpen = forms::IfLoaded<Form2>() != nullptr;
  if (aboutOpen == aboutOpen_) return;
  aboutOpen_ = aboutOpen;
  if (aboutOpen) ++reach_.aboutOpenings;
  QCoreApplication::processEvents();
  if (!aboutOpen && !WindowOf(*form1_).isActiveWindow()) {
    // When the About window goes the desktop activates the window left behind; the offscreen
    // platform leaves that to the program, so do what the window manager would.
    WindowOf(*form1_).activateWindow();
    QCoreApplication::processEvents();
  }
}

void Session::Taint(const QWidget* box) {
  if (box == &WidgetOf(form1_->Text1)) tainted_[0] = true;
  if (box == &WidgetOf(form1_->Text2)) tainted_[1] = true;
  if (box == &WidgetOf(form1_->Text3)) tainted_[2] = true;
}

bool Session::Expect(bool holds, Rule rule, const QString& seen) {
  if (!holds) findings_ << QStringLiteral("%1: %2").arg(QLatin1String(RuleName(rule)), seen);
  return holds;
}

QStringList Session::TakeFindings() {
  CheckConversionPanel();
  CheckEnergyUnits();
  CheckEntryBoxes();
  CheckWindows();
  CheckResultsKept();
  return std::exchange(findings_, {});
}

void Session::CheckConversionPanel() {
  const Form1& f = *form1_;
  const auto row = SelectedConversion(f);
  if (!Expect(row.has_value(), Rule::UnitCaptions,
              QStringLiteral("not exactly one conversion is selected"))) {
    return;
  }
  const bool reverse = f.Check1.Value() == 1;
  const auto forward =
      reverse ? std::pair(ToQString(f.Label4.Caption()), ToQString(f.Label3.Caption()))
              : std::pair(ToQString(f.Label3.Caption()), ToQString(f.Label4.Caption()));
  const auto& earlier = unitPairs_.try_emplace(*row, forward).first->second;
  Expect(earlier == forward, Rule::UnitCaptions,
         QStringLiteral("Option%1 %2: Label3 \"%3\", Label4 \"%4\", earlier forward \"%5\", \"%6\"")
             .arg(*row + 1)
             .arg(reverse ? QLatin1String("reverse") : QLatin1String("forward"))
             .arg(ToQString(f.Label3.Caption()), ToQString(f.Label4.Caption()), earlier.first,
                  earlier.second));
}

void Session::CheckEnergyUnits() {
  const Form1& f = *form1_;
  const bool footPounds = f.Option11.Value() == forms::kTrue;
  if (!Expect(footPounds != (f.Option12.Value() == forms::kTrue), Rule::EnergyUnits,
              QStringLiteral("Option11 and Option12 are both %1")
                  .arg(footPounds ? QLatin1String("selected") : QLatin1String("clear")))) {
    return;
  }
  const QStringList units{ToQString(f.Label7.Caption()), ToQString(f.Label8.Caption()),
                          ToQString(f.Label11.Caption())};
  const QStringList& earlier = unitTriples_.try_emplace(footPounds, units).first->second;
  Expect(earlier == units, Rule::EnergyUnits,
         QStringLiteral("%1: \"%2\", earlier \"%3\"")
             .arg(footPounds ? QLatin1String("Option11") : QLatin1String("Option12"))
             .arg(units.join(QStringLiteral("\", \"")), earlier.join(QStringLiteral("\", \""))));
}

void Session::CheckEntryBoxes() {
  const std::array<const forms::TextBox*, 3> boxes{&form1_->Text1, &form1_->Text2, &form1_->Text3};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const QString text = ToQString(boxes[i]->Text());
    const bool clean = DigitsAndOnePoint(text);
    if (clean) tainted_[i] = false;
    Expect(clean || tainted_[i], Rule::EntryDigits,
           QStringLiteral("Text%1 holds %2, and nothing was pasted into it since it was clean")
               .arg(i + 1)
               .arg(Quoted(text)));
  }
}

void Session::CheckWindows() {
  const Form1& f = *form1_;
  const Form2* about = forms::IfLoaded<Form2>();
  Expect(f.Enabled() == (about == nullptr), Rule::AboutModality,
         QStringLiteral("main window %1 with the About window %2")
             .arg(f.Enabled() ? QLatin1String("enabled") : QLatin1String("disabled"))
             .arg(about ? QLatin1String("loaded") : QLatin1String("not loaded")));
  Expect(WindowOf(f).isVisible() && (!about || WindowOf(*about).isVisible()), Rule::AboutModality,
         QStringLiteral("a loaded window is not shown"));
  const QString caption = ToQString(f.Command4.Caption());
  const int height = WindowOf(f).height();
  Expect((caption == CollapsedCaption() && height == kCollapsedClientHeight) ||
             (caption == kExpandedCaption && height == kExpandedClientHeight),
         Rule::WindowHeight,
         QStringLiteral("client height %1 px with Command4 \"%2\"").arg(height).arg(caption));
}

// A box without a digit holds no number, so Calculate keeps the result. Digits with at most one
// point always convert into a written number; result / input is the same for every input of a
// conversion and mode, and the reverse mode's ratio is the reciprocal of the forward mode's.
void Session::AfterConversion() {
  const Form1& f = *form1_;
  const QString before = std::exchange(result_, ToQString(f.Text4.Text()));
  const auto row = SelectedConversion(f);
  if (!row) return;
  const QString input = ToQString(f.Text1.Text());
  const bool reverse = f.Check1.Value() == 1;
  const QString seen = QStringLiteral("Text1 %1 with Option%2 %3 gave Text4 %4")
                           .arg(Quoted(input))
                           .arg(*row + 1)
                           .arg(reverse ? QLatin1String("reverse") : QLatin1String("forward"))
                           .arg(Quoted(result_));
  if (!HasDigit(input)) {
    Expect(result_ == before, Rule::ConversionResult,
           seen + QStringLiteral(", expected it kept: %1").arg(Quoted(before)));
    return;
  }
  if (!DigitsAndOnePoint(input)) return;
  if (!Expect(NumberShaped(result_), Rule::ConversionResult, seen)) return;
  const double number = input.toDouble();
  if (number == 0) return;
  const double ratio = result_.toDouble() / number;
  const bool held = HoldsRatio(conversionRatios_, {*row, reverse}, ratio, kConversionTolerance);
  Expect(held, Rule::ConversionResult,
         seen + RatioNote(ratio, conversionRatios_.at({*row, reverse})));
  const auto other = conversionRatios_.find({*row, !reverse});
  if (other != conversionRatios_.end()) {
    Expect(Near(ratio * other->second, 1, kConversionTolerance), Rule::ConversionResult,
           seen + RatioNote(ratio, 1 / other->second));
  }
}

// A failed calculation empties the energy box on button face; every calculation leaves at most
// ten characters on one of the four colours, painted as set. Energy / (velocity x velocity x
// mass) is the same for every input of a unit system.
void Session::AfterEnergy() {
  Form1& f = *form1_;
  const bool footPounds = f.Option11.Value() == forms::kTrue;
  const QString mass = ToQString(f.Text2.Text());
  const QString velocity = ToQString(f.Text3.Text());
  const QString shown = ToQString(f.Text5.Text());
  energyColour_ = f.Text5.BackColor();
  const QString seen = QStringLiteral("mass %1, velocity %2, %3: Text5 %4 on %5")
                           .arg(Quoted(mass), Quoted(velocity),
                                footPounds ? QLatin1String("foot-pounds") : QLatin1String("joules"),
                                Quoted(shown), ColourName(energyColour_));
  Expect(shown.size() <= 10 &&
             std::find(kEnergyColours.begin(), kEnergyColours.end(), energyColour_) !=
                 kEnergyColours.end() &&
             WidgetOf(f.Text5).palette().color(QPalette::Base) ==
                 test_support::ExpectedColour(energyColour_),
         Rule::EnergyResult, seen);
  if (!HasDigit(mass) || !HasDigit(velocity)) {
    Expect(shown.isEmpty() && energyColour_ == kButtonFace, Rule::EnergyResult,
           seen + QStringLiteral(", expected empty on button face"));
    return;
  }
  if (!DigitsAndOnePoint(mass) || !DigitsAndOnePoint(velocity) || !NumberShaped(shown) ||
      shown.contains(QLatin1Char('E')) || shown.toDouble() < 1 ||
      (shown.size() == 10 && !shown.contains(QLatin1Char('.')))) {
    return;
  }
  const double ratio =
      shown.toDouble() / (velocity.toDouble() * velocity.toDouble() * mass.toDouble());
  const bool held = HoldsRatio(energyRatios_, footPounds, ratio, kEnergyTolerance);
  Expect(held, Rule::EnergyResult, seen + RatioNote(ratio, energyRatios_.at(footPounds)));
}

// What the Clear buttons leave is held by the panels' own tests; here it is only the result the
// later events must keep.
void Session::AfterConversionClear() { result_ = ToQString(form1_->Text4.Text()); }

void Session::AfterEnergyClear() { energyColour_ = form1_->Text5.BackColor(); }

// Between calculations and clears the results stay as they are, whatever else the user does.
void Session::CheckResultsKept() {
  const Form1& f = *form1_;
  Expect(ToQString(f.Text4.Text()) == result_, Rule::ConversionResult,
         QStringLiteral("Text4 went from %1 to %2 without Calculate or Clear")
             .arg(Quoted(result_), Quoted(ToQString(f.Text4.Text()))));
  Expect(f.Text5.BackColor() == energyColour_, Rule::EnergyResult,
         QStringLiteral("Text5 went from %1 to %2 without Calculate Energy or Clear")
             .arg(ColourName(energyColour_), ColourName(f.Text5.BackColor())));
}
