#include "session.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "forms/colour.h"
#include "main_window/conversions.h"
#include "main_window/energy.h"
#include "main_window/module1.h"
#include "main_window/number_text.h"

namespace {

using Kind = UserEvent::Kind;

const QString kCollapsedCaption = QStringLiteral("&Muzzle Energy >>");
const QString kExpandedCaption = QStringLiteral("<< &Muzzle Energy");
constexpr int kCollapsedClientHeight = 252;
constexpr int kExpandedClientHeight = 366;

QString FromStd(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Shown(const velmara::Variant& value) {
  static constexpr std::array<const char*, 4> kKinds{"empty", "Integer", "Long", "Double"};
  const auto kind = kKinds[static_cast<std::size_t>(value.GetKind())];
  if (value.IsEmpty()) return QLatin1String(kind);
  return QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(value.ToDouble(), 0, 'g', 17);
}

QString Colour(std::uint32_t value) { return QStringLiteral("0x%1").arg(value, 0, 16); }

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
  if (std::count_if(options.begin(), options.end(), [](auto* o) { return o->isChecked(); }) != 1) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(
      std::find_if(options.begin(), options.end(), [](auto* o) { return o->isChecked(); }) -
      options.begin());
}

// Where typed keys go: the focus, or the active window when nothing in it has the focus.
QWidget* KeyboardTarget() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus : QApplication::activeWindow();
}

}  // namespace

const char* RuleName(Rule rule) {
  static constexpr std::array<const char*, kRuleCount> kNames{
      "unit captions", "conversion factors", "energy units", "entry digits",   "conversion result",
      "energy result", "clearing",           "copying",      "About modality", "window height"};
  return kNames[static_cast<std::size_t>(rule)];
}

Session::Session() { Start(); }

Session::~Session() {
  if (Form2* about = forms::IfLoaded<Form2>()) about->Unload();
  if (Form1* main = forms::IfLoaded<Form1>()) main->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A fresh program: the shared values empty, the main window loaded from its design and shown.
void Session::Start() {
  if (Form2* about = forms::IfLoaded<Form2>()) about->Unload();
  if (Form1* main = forms::IfLoaded<Form1>()) main->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Module1::ConversionFactor = velmara::Variant{};
  Module1::ReverseFactor = velmara::Variant{};
  Module1::EnergyDivisor = velmara::Variant{};
  form1_ = &forms::Loaded<Form1>();
  form1_->SetVisible(true);
  QCoreApplication::processEvents();
  aboutOpen_ = false;
  tainted_ = {};
  Watch();
  ++starts_;
}

// The checks that belong to the moment a button is pressed run right after its handler.
void Session::Watch() {
  Form1& f = *form1_;
  QObject::connect(&f.Command2, &QPushButton::clicked, &observer_, [this] { AfterConversion(); });
  QObject::connect(&f.Command3, &QPushButton::clicked, &observer_,
                   [this] { AfterConversionClear(); });
  QObject::connect(&f.Command5, &QPushButton::clicked, &observer_, [this] { AfterEnergy(); });
  QObject::connect(&f.Command6, &QPushButton::clicked, &observer_, [this] { AfterEnergyClear(); });
  QObject::connect(&f.Command7, &QPushButton::clicked, &observer_, [this] { AfterCopy(); });
}

Scene Session::Now() const {
  const QWidget* focus = QApplication::focusWidget();
  return {.aboutOpen = forms::IfLoaded<Form2>() != nullptr,
          .expanded = form1_->height() >= kExpandedClientHeight,
          .focusInEntryBox =
              focus == &form1_->Text1 || focus == &form1_->Text2 || focus == &form1_->Text3,
          .footPounds = form1_->Option11.isChecked()};
}

QWidget* Session::Control(const QString& target) const {
  const QString window = target.section(QLatin1Char('.'), 0, 0);
  const QString name = target.section(QLatin1Char('.'), 1);
  QWidget* form = window == QLatin1String("Form2") ? static_cast<QWidget*>(forms::IfLoaded<Form2>())
                                                   : forms::IfLoaded<Form1>();
  return form ? form->findChild<QWidget*>(name) : nullptr;
}

void Session::Perform(const UserEvent& event) {
  resultBefore_ = form1_->Text4.Text();
  Form2* about = forms::IfLoaded<Form2>();
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
    case Kind::CloseAboutByOk:
      if (about) {
        QTest::mouseClick(&about->Command1, Qt::LeftButton);
        Expect(!forms::IfLoaded<Form2>(), Rule::AboutModality,
               QStringLiteral("a click on OK left the About window open"));
      }
      break;
    case Kind::CloseAboutByEnter:
      if (about) {
        // OK is the one control of the About window that takes the focus, so Enter presses it
        // whenever the window is active.
        const bool active = about->isActiveWindow();
        if (QWidget* target = KeyboardTarget()) {
          QTest::sendKeyEvent(QTest::Click, target, Qt::Key_Return, QStringLiteral("\r"),
                              Qt::NoModifier);
        }
        Expect(!active || !forms::IfLoaded<Form2>(), Rule::AboutModality,
               QStringLiteral("Enter on the active About window left it open"));
      }
      break;
    case Kind::CloseAboutByClose:
      if (about) {
        about->close();
        Expect(!forms::IfLoaded<Form2>(), Rule::AboutModality,
               QStringLiteral("close() left the About window loaded"));
      }
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
  if (aboutOpen) ++aboutOpenings_;
  QCoreApplication::processEvents();
  if (!aboutOpen && !form1_->isActiveWindow()) {
    // When the About window goes the desktop activates the window left behind; the offscreen
    // platform leaves that to the program, so do what the window manager would.
    form1_->activateWindow();
    QCoreApplication::processEvents();
  }
}

void Session::Taint(const QWidget* box) {
  if (box == &form1_->Text1) tainted_[0] = true;
  if (box == &form1_->Text2) tainted_[1] = true;
  if (box == &form1_->Text3) tainted_[2] = true;
}

bool Session::Expect(bool holds, Rule rule, const QString& seen) {
  ++checks_[static_cast<std::size_t>(rule)];
  if (!holds) findings_ << QStringLiteral("%1: %2").arg(QLatin1String(RuleName(rule)), seen);
  return holds;
}

QStringList Session::TakeFindings() {
  CheckConversionPanel();
  CheckEnergyUnits();
  CheckEntryBoxes();
  CheckWindows();
  return std::exchange(findings_, {});
}

void Session::CheckConversionPanel() {
  const Form1& f = *form1_;
  const auto row = SelectedConversion(f);
  if (!Expect(row.has_value(), Rule::UnitCaptions,
              QStringLiteral("not exactly one conversion is selected"))) {
    return;
  }
  const velmara::Conversion& conversion = velmara::kConversions[*row];
  const bool reverse = f.Check1.Value() == 1;
  QString first = FromStd(conversion.firstUnit);
  QString second = FromStd(conversion.secondUnit);
  if (reverse) std::swap(first, second);
  Expect(f.Label3.Caption() == first && f.Label4.Caption() == second, Rule::UnitCaptions,
         QStringLiteral("Option%1 %2: Label3 \"%3\", Label4 \"%4\", expected \"%5\", \"%6\"")
             .arg(*row + 1)
             .arg(reverse ? QLatin1String("reverse") : QLatin1String("forward"))
             .arg(f.Label3.Caption(), f.Label4.Caption(), first, second));

  const velmara::Variant& factor = Module1::ConversionFactor;
  Expect(factor == conversion.factor && !factor.IsEmpty() && factor.ToDouble() != 0,
         Rule::ConversionFactors,
         QStringLiteral("Option%1: ConversionFactor %2, expected %3")
             .arg(*row + 1)
             .arg(Shown(factor), Shown(conversion.factor)));
  if (reverse) {
    const velmara::Variant& reverseFactor = Module1::ReverseFactor;
    Expect(!reverseFactor.IsEmpty() && reverseFactor.ToDouble() == 1 / factor.ToDouble(),
           Rule::ConversionFactors,
           QStringLiteral("reverse mode: ReverseFactor %1 with ConversionFactor %2")
               .arg(Shown(reverseFactor), Shown(factor)));
  }
}

void Session::CheckEnergyUnits() {
  const Form1& f = *form1_;
  const bool footPounds = f.Option11.isChecked();
  if (!Expect(footPounds != f.Option12.isChecked(), Rule::EnergyUnits,
              QStringLiteral("Option11 and Option12 are both %1")
                  .arg(footPounds ? QLatin1String("selected") : QLatin1String("clear")))) {
    return;
  }
  const velmara::UnitSystem& system =
      footPounds ? velmara::kFootPoundSystem : velmara::kJouleSystem;
  Expect(f.Label7.Caption() == FromStd(system.massUnit) &&
             f.Label8.Caption() == FromStd(system.velocityUnit) &&
             f.Label11.Caption() == FromStd(system.energyUnit) &&
             Module1::EnergyDivisor == system.divisor,
         Rule::EnergyUnits,
         QStringLiteral("%1: \"%2\", \"%3\", \"%4\", EnergyDivisor %5")
             .arg(footPounds ? QLatin1String("Option11") : QLatin1String("Option12"))
             .arg(f.Label7.Caption(), f.Label8.Caption(), f.Label11.Caption(),
                  Shown(Module1::EnergyDivisor)));
}

void Session::CheckEntryBoxes() {
  const std::array<const forms::TextBox*, 3> boxes{&form1_->Text1, &form1_->Text2, &form1_->Text3};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const QString text = boxes[i]->Text();
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
  Expect(f.isVisible() && (!about || about->isVisible()), Rule::AboutModality,
         QStringLiteral("a loaded window is not shown"));
  const QString caption = f.Command4.Caption();
  const int height = f.height();
  Expect((caption == kCollapsedCaption && height == kCollapsedClientHeight) ||
             (caption == kExpandedCaption && height == kExpandedClientHeight),
         Rule::WindowHeight,
         QStringLiteral("client height %1 px with Command4 \"%2\"").arg(height).arg(caption));
}

void Session::AfterConversion() {
  const Form1& f = *form1_;
  const auto row = SelectedConversion(f);
  if (!row) return;
  // The factor in force, from the selected row and the mode alone.
  velmara::Variant factor = velmara::kConversions[*row].factor;
  if (f.Check1.Value() == 1) factor = velmara::Variant::Double(1 / factor.ToDouble());
  const auto converted = velmara::ConvertedText(factor, f.Text1.Text().toStdString());
  const QString expected = converted ? FromStd(*converted) : resultBefore_;
  Expect(f.Text4.Text() == expected, Rule::ConversionResult,
         QStringLiteral("Text1 %1 with Option%2 %3 gave Text4 %4, expected %5")
             .arg(Quoted(f.Text1.Text()))
             .arg(*row + 1)
             .arg(f.Check1.Value() == 1 ? QLatin1String("reverse") : QLatin1String("forward"))
             .arg(Quoted(f.Text4.Text()), Quoted(expected)));
  resultBefore_ = f.Text4.Text();
}

void Session::AfterEnergy() {
  const Form1& f = *form1_;
  const bool footPounds = f.Option11.isChecked();
  const velmara::UnitSystem& system =
      footPounds ? velmara::kFootPoundSystem : velmara::kJouleSystem;
  const auto energy = velmara::EnergyText(f.Text2.Text().toStdString(),
                                          f.Text3.Text().toStdString(), system.divisor);
  const auto bandValue = energy ? velmara::NumberFromText(*energy) : std::nullopt;
  const std::uint32_t colour =
      bandValue ? velmara::BandColour(footPounds ? velmara::kFootPoundBands : velmara::kJouleBands,
                                      *bandValue)
                      .value_or(velmara::kButtonFace)
                : velmara::kButtonFace;
  const QString shown = energy ? FromStd(velmara::ShownEnergyText(*energy)) : QString();
  const QColor painted = f.Text5.palette().color(QPalette::Base);
  Expect(f.Text5.Text() == shown && f.Text5.BackColor() == colour &&
             painted == forms::ColourFromValue(colour, QApplication::palette()),
         Rule::EnergyResult,
         QStringLiteral("mass %1, velocity %2, %3: Text5 %4 on %5 (painted %6), expected %7 on %8")
             .arg(Quoted(f.Text2.Text()), Quoted(f.Text3.Text()),
                  footPounds ? QLatin1String("foot-pounds") : QLatin1String("joules"),
                  Quoted(f.Text5.Text()), Colour(f.Text5.BackColor()), painted.name(),
                  Quoted(shown), Colour(colour)));
}

void Session::AfterConversionClear() {
  const Form1& f = *form1_;
  Expect(f.Text1.Text().isEmpty() && f.Text4.Text().isEmpty(), Rule::Clearing,
         QStringLiteral("Clear left Text1 %1 and Text4 %2")
             .arg(Quoted(f.Text1.Text()), Quoted(f.Text4.Text())));
  tainted_[0] = false;
}

void Session::AfterEnergyClear() {
  const Form1& f = *form1_;
  Expect(f.Text2.Text() == QLatin1String("0") && f.Text3.Text() == QLatin1String("0") &&
             f.Text5.Text() == QLatin1String("0") && f.Text5.BackColor() == velmara::kButtonFace,
         Rule::Clearing,
         QStringLiteral("Clear left Text2 %1, Text3 %2, Text5 %3 on %4")
             .arg(Quoted(f.Text2.Text()), Quoted(f.Text3.Text()), Quoted(f.Text5.Text()),
                  Colour(f.Text5.BackColor())));
  tainted_[1] = false;
  tainted_[2] = false;
}

void Session::AfterCopy() {
  const Form1& f = *form1_;
  const QString expected = f.Text5.Text() + QLatin1Char(' ') + f.Label11.Caption();
  const QString copied = QGuiApplication::clipboard()->text();
  Expect(copied == expected, Rule::Copying,
         QStringLiteral("clipboard %1, expected %2").arg(Quoted(copied), Quoted(expected)));
}
