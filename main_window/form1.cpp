// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "about_window/form2.h"
#include "module1.h"
#include "numeric_filter.h"

using velmara::FilterNumericKey;
using velmara::Variant;

Form1::Form1()
    : forms::Form(kForm1Design),
      Frame1(Named<forms::Frame>("Frame1")),
      Option1(Named<forms::OptionButton>("Option1")),
      Option2(Named<forms::OptionButton>("Option2")),
      Option3(Named<forms::OptionButton>("Option3")),
      Option4(Named<forms::OptionButton>("Option4")),
      Option5(Named<forms::OptionButton>("Option5")),
      Option6(Named<forms::OptionButton>("Option6")),
      Option7(Named<forms::OptionButton>("Option7")),
      Option8(Named<forms::OptionButton>("Option8")),
      Option9(Named<forms::OptionButton>("Option9")),
      Option10(Named<forms::OptionButton>("Option10")),
      Check1(Named<forms::CheckBox>("Check1")),
      Text1(Named<forms::TextBox>("Text1")),
      Label3(Named<forms::Label>("Label3")),
      Text4(Named<forms::TextBox>("Text4")),
      Label4(Named<forms::Label>("Label4")),
      Command1(Named<forms::CommandButton>("Command1")),
      Command2(Named<forms::CommandButton>("Command2")),
      Command3(Named<forms::CommandButton>("Command3")),
      Command4(Named<forms::CommandButton>("Command4")),
      Frame2(Named<forms::Frame>("Frame2")),
      Label1(Named<forms::Label>("Label1")),
      Frame3(Named<forms::Frame>("Frame3")),
      Option11(Named<forms::OptionButton>("Option11")),
      Option12(Named<forms::OptionButton>("Option12")),
      Text2(Named<forms::TextBox>("Text2")),
      Label7(Named<forms::Label>("Label7")),
      Text3(Named<forms::TextBox>("Text3")),
      Label8(Named<forms::Label>("Label8")),
      Text5(Named<forms::TextBox>("Text5")),
      Label11(Named<forms::Label>("Label11")),
      Command5(Named<forms::CommandButton>("Command5")),
      Command6(Named<forms::CommandButton>("Command6")),
      Command7(Named<forms::CommandButton>("Command7")),
      Command8(Named<forms::CommandButton>("Command8")) {
  ConnectHandlers();
  Form_Load();
}

void Form1::ConnectHandlers() {
  Command1.OnClick([this] { Command1_Click(); });
  Command2.OnClick([this] { Command2_Click(); });
  Command3.OnClick([this] { Command3_Click(); });
  Command4.OnClick([this] { Command4_Click(); });
  Command5.OnClick([this] { Command5_Click(); });
  Command6.OnClick([this] { Command6_Click(); });
  Command7.OnClick([this] { Command7_Click(); });
  Command8.OnClick([this] { Command8_Click(); });
  Option1.OnClick([this] { Option1_Click(); });
  Option2.OnClick([this] { Option2_Click(); });
  Option3.OnClick([this] { Option3_Click(); });
  Option4.OnClick([this] { Option4_Click(); });
  Option5.OnClick([this] { Option5_Click(); });
  Option6.OnClick([this] { Option6_Click(); });
  Option7.OnClick([this] { Option7_Click(); });
  Option8.OnClick([this] { Option8_Click(); });
  Option9.OnClick([this] { Option9_Click(); });
  Option10.OnClick([this] { Option10_Click(); });
  Option11.OnClick([this] { Option11_Click(); });
  Option12.OnClick([this] { Option12_Click(); });
  Check1.OnClick([this] { Check1_Click(); });
  Text1.OnKeyPress([this](std::int16_t& keyAscii) { Text1_KeyPress(keyAscii); });
  Text2.OnKeyPress([this](std::int16_t& keyAscii) { Text2_KeyPress(keyAscii); });
  Text3.OnKeyPress([this](std::int16_t& keyAscii) { Text3_KeyPress(keyAscii); });
}

void Form1::Form_Load() {
  SetHeight(kCollapsedHeight);
  Label3.SetCaption(u"ft/P");
  Label4.SetCaption(u"J");
  Module1::ConversionFactor = Variant::Double(1.3558);
  Label7.SetCaption(u"grains");
  Label8.SetCaption(u"fps");
  Label11.SetCaption(u"ft/lbs");
  Module1::EnergyDivisor = Variant::Integer32(450240);
}

void Form1::Command1_Click() { Unload(); }

void Form1::Command8_Click() {
  SetEnabled(false);
  forms::Loaded<Form2>().SetVisible(true);
}

void Form1::Text1_KeyPress(std::int16_t& keyAscii) { FilterNumericKey(keyAscii, Text1.Text()); }

void Form1::Text2_KeyPress(std::int16_t& keyAscii) { FilterNumericKey(keyAscii, Text2.Text()); }

void Form1::Text3_KeyPress(std::int16_t& keyAscii) { FilterNumericKey(keyAscii, Text3.Text()); }
