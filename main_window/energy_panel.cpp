// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "energy.h"
#include "form1.h"
#include "forms/clipboard.h"
#include "module1.h"
#include "number_text.h"

using forms::StringFromUtf8;
using forms::Utf8FromString;

void Form1::Command4_Click() {
  if (Command4.Caption() == u"&Muzzle Energy >>") {
    Command4.SetCaption(u"<< &Muzzle Energy");
    SetHeight(kExpandedHeight);
  } else {
    Command4.SetCaption(u"&Muzzle Energy >>");
    SetHeight(kCollapsedHeight);
  }
}

void Form1::Option11_Click() { ChooseUnitSystem(velmara::kFootPoundSystem); }
void Form1::Option12_Click() { ChooseUnitSystem(velmara::kJouleSystem); }

// Captions and divisor only: the boxes and the energy's colour wait for the next calculation.
void Form1::ChooseUnitSystem(const velmara::UnitSystem& system) {
  Label7.SetCaption(StringFromUtf8(system.massUnit));
  Label8.SetCaption(StringFromUtf8(system.velocityUnit));
  Label11.SetCaption(StringFromUtf8(system.energyUnit));
  Module1::EnergyDivisor = system.divisor;
}

void Form1::Command5_Click() {
  // Each statement stands alone: one that fails leaves what it would have set as it was.
  std::string energyText;
  if (auto text = velmara::EnergyText(Utf8FromString(Text2.Text()), Utf8FromString(Text3.Text()),
                                      Module1::EnergyDivisor)) {
    energyText = std::move(*text);
  }
  Text5.SetText(StringFromUtf8(velmara::ShownEnergyText(energyText)));
  // The band comes from the whole energy text, not the ten characters shown. A failed
  // calculation, or a value between bands, shows button face rather than a stale or "safe"
  // colour.
  const auto bandValue = velmara::NumberFromText(energyText);
  const auto& bands =
      Option11.Value() == forms::kTrue ? velmara::kFootPoundBands : velmara::kJouleBands;
  Text5.SetBackColor(velmara::EnergyColour(bands, bandValue));
  Text5.Refresh();
}

void Form1::Command6_Click() {
  Text2.SetText(u"0");
  Text3.SetText(u"0");
  Text5.SetText(u"0");
  Text5.SetBackColor(velmara::kButtonFace);
}

void Form1::Command7_Click() {
  const forms::String copied = Text5.Text() + u' ' + Label11.Caption();
  forms::Clipboard::Clear();
  forms::Clipboard::SetText(copied);
}
