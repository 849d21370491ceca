// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>

#include <QObject>
#include <QSet>
#include <QStringList>

#include "about_window/form2.h"
#include "main_window/form1.h"
#include "user_events.h"

// What the windows keep true after every user event.
enum class Rule {
  UnitCaptions,      // Label3/Label4 are one fixed pair per conversion, exchanged in reverse mode
  EnergyUnits,       // Label7/Label8/Label11 are one fixed triple per unit system
  EntryDigits,       // typing leaves only digits and one "." in Text1, Text2, Text3
  ConversionResult,  // Text4 changes only on Calculate or Clear, the same way for the same input
  EnergyResult,      // Text5's colour changes only on Calculate Energy or Clear, and a box
                     // without a digit empties Text5
  AboutModality,     // the main window takes input exactly while the About window is closed
  WindowHeight,      // the main window is collapsed or expanded, as its button says
};
const char* RuleName(Rule rule);

// How far a run got: the watched buttons that were pressed, how often the program was started,
// and how often the About window opened.
struct Reach {
  QSet<QString> pressed;
  int starts = 0;
  int aboutOpenings = 0;
};

// The running program for one sequence of events: starts with a fresh main window and no shared
// values, sends each event as a user makes it, and checks the windows after it. When the user
// closes the program it is started again.
class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Scene Now() const;
  void Perform(const UserEvent& event);
  // What failed during and after the last event, each line starting with its rule's name.
  QStringList TakeFindings();
  const Reach& Reached() const { return reach_; }

 private:
  void Start();
  void Settle();
  void Watch(forms::CommandButton& button, void (Session::*after)());
  QWidget* Control(const QString& target) const;
  void Taint(const QWidget* box);
  bool Expect(bool holds, Rule rule, const QString& seen);

  void CheckConversionPanel();
  void CheckEnergyUnits();
  void CheckEntryBoxes();
  void CheckWindows();
  void CheckResultsKept();
  void AfterConversion();
  void AfterEnergy();
  void AfterConversionClear();
  void AfterEnergyClear();

  QObject observer_;
  Form1* form1_ = nullptr;
  bool aboutOpen_ = false;
  // Text4 and Text5's colour as the last Calculate or Clear left them.
  QString result_;
  std::uint32_t energyColour_ = 0;
  // What the program showed before, to hold it to the same later: the forward unit pair of each
  // conversion, the unit triple of each system, the ratio of result to input of each conversion
  // and mode, and the ratio of energy to velocity x velocity x mass of each system.
  std::map<std::size_t, std::pair<QString, QString>> unitPairs_;
  std::map<bool, QStringList> unitTriples_;
  std::map<std::pair<std::size_t, bool>, double> conversionRatios_;
  std::map<bool, double> energyRatios_;
  std::array<bool, 3> tainted_{};  // Text1..Text3 hold pasted text since their last clean state
  QStringList findings_;
  Reach reach_;
};
