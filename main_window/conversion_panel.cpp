// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions.h"
#include "form1.h"
#include "module1.h"

using forms::StringFromUtf8;
using forms::Utf8FromString;
using velmara::kConversions;

void Form1::Option1_Click() { ChooseConversion(kConversions[0]); }
void Form1::Option2_Click() { ChooseConversion(kConversions[1]); }
void Form1::Option3_Click() { ChooseConversion(kConversions[2]); }
void Form1::Option4_Click() { ChooseConversion(kConversions[3]); }
void Form1::Option5_Click() { ChooseConversion(kConversions[4]); }
void Form1::Option6_Click() { ChooseConversion(kConversions[5]); }
void Form1::Option7_Click() { ChooseConversion(kConversions[6]); }
void Form1::Option8_Click() { ChooseConversion(kConversions[7]); }
void Form1::Option9_Click() { ChooseConversion(kConversions[8]); }
void Form1::Option10_Click() { ChooseConversion(kConversions[9]); }

// The forward captions and factor of a conversion; the reverse mode, if on, then turns them.
// Neither box changes: the result waits for the next Calculate.
void Form1::ChooseConversion(const velmara::Conversion& conversion) {
  Label3.SetCaption(StringFromUtf8(conversion.firstUnit));
  Label4.SetCaption(StringFromUtf8(conversion.secondUnit));
  Module1::ConversionFactor = conversion.factor;
  ApplyReverse();
}

void Form1::Check1_Click() {
  // Unticked: turn the captions back here; ApplyReverse turns them when ticked.
  if (Check1.Value() == 0) ExchangeUnitCaptions();
  ApplyReverse();
}

void Form1::ApplyReverse() {
  if (Check1.Value() == 1) {
    ExchangeUnitCaptions();
    Module1::ReverseFactor = velmara::ReciprocalOf(Module1::ConversionFactor);
  }
}

void Form1::ExchangeUnitCaptions() {
  const forms::String kept = Label3.Caption();
  Label3.SetCaption(Label4.Caption());
  Label4.SetCaption(kept);
}

void Form1::Command2_Click() {
  // A text that is no number, or a product beyond the double range, skips the statement: the
  // result box keeps what it showed, and nothing is said.
  const auto& factor = Check1.Value() == 0 ? Module1::ConversionFactor : Module1::ReverseFactor;
  if (const auto result = velmara::ConvertedText(factor, Utf8FromString(Text1.Text()))) {
    Text4.SetText(StringFromUtf8(*result));
  }
}

void Form1::Command3_Click() {
  Text1.SetText(u"");
  Text4.SetText(u"");
}
