// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "conversions.h"
#include "energy.h"
#include "forms/form.h"

// The main window: the conversion panel, the table, and the muzzle energy panel shown on demand.
class Form1 : public forms::Form {
 public:
  Form1();

  // Heights of the window, in twips with the design's frame: the energy panel hidden and shown.
  static constexpr int kCollapsedHeight = 4185;
  static constexpr int kExpandedHeight = 5895;

 private:
  void ConnectHandlers();

  // Start-up and the window's own buttons (form1.cpp).
  void Form_Load();
  void Command1_Click();
  void Command8_Click();
  void Text1_KeyPress(std::int16_t& keyAscii);
  void Text2_KeyPress(std::int16_t& keyAscii);
  void Text3_KeyPress(std::int16_t& keyAscii);

  // The conversion panel (conversion_panel.cpp).
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Option5_Click();
  void Option6_Click();
  void Option7_Click();
  void Option8_Click();
  void Option9_Click();
  void Option10_Click();
  void Check1_Click();
  void Command2_Click();
  void Command3_Click();
  void ChooseConversion(const velmara::Conversion& conversion);
  void ApplyReverse();
  void ExchangeUnitCaptions();

  // The muzzle energy panel (energy_panel.cpp).
  void Command4_Click();
  void Option11_Click();
  void Option12_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void ChooseUnitSystem(const velmara::UnitSystem& system);

 public:
  forms::Frame& Frame1;
  forms::OptionButton& Option1;
  forms::OptionButton& Option2;
  forms::OptionButton& Option3;
  forms::OptionButton& Option4;
  forms::OptionButton& Option5;
  forms::OptionButton& Option6;
  forms::OptionButton& Option7;
  forms::OptionButton& Option8;
  forms::OptionButton& Option9;
  forms::OptionButton& Option10;
  forms::CheckBox& Check1;
  forms::TextBox& Text1;
  forms::Label& Label3;
  forms::TextBox& Text4;
  forms::Label& Label4;
  forms::CommandButton& Command1;
  forms::CommandButton& Command2;
  forms::CommandButton& Command3;
  forms::CommandButton& Command4;
  forms::Frame& Frame2;
  forms::Label& Label1;
  forms::Frame& Frame3;
  forms::OptionButton& Option11;
  forms::OptionButton& Option12;
  forms::TextBox& Text2;
  forms::Label& Label7;
  forms::TextBox& Text3;
  forms::Label& Label8;
  forms::TextBox& Text5;
  forms::Label& Label11;
  forms::CommandButton& Command5;
  forms::CommandButton& Command6;
  forms::CommandButton& Command7;
  forms::CommandButton& Command8;
};

// The main window's design table.
extern const forms::FormDesign kForm1Design;
