// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "energy.h"
#include "form1.h"
#include "forms/clipboard.h"
#include "module1.h"
#include "number_text.h"
#include "qt_text.h"

void Form1::Command4_Click() {
  if (Command4.Caption() == QLatin1String("&Muzzle Energy >>")) {
    Command4.SetCaption(QStringLiteral("<< &Muzzle Energy"));
    SetHeight(kExpandedHeight);
  } else {
    Command4.SetCaption(QStringLiteral("&Muzzle Energy >>"));
    SetHeight(kCollapsedHeight);
  }
}

void Form1::Option11_Click() { ChooseUnitSystem(velmara::kFootPoundSystem); }
void Form1::Option12_Click() { ChooseUnitSystem(velmara::kJouleSystem); }

// Captions and divisor only: the boxes and the energy's colour wait for the next calculation.
void Form1::ChooseUnitSystem(const velmara::UnitSystem& system) {
  Label7.SetCaption(ToQString(system.massUnit));
  Label8.SetCaption(ToQString(system.velocityUnit));
  Label11.SetCaption(ToQString(system.energyUnit));
  Module1::EnergyDivisor = system.divisor;
}

void Form1::Command5_Click() {
  // Each statement stands alone: one that fails leaves what it would have set as it was.
  std::string energyText;
  if (auto text = velmara::EnergyText(ToStdString(Text2.Text()), ToStdString(Text3.Text()),
                                      Module1::EnergyDivisor)) {
    energyText = std::move(*text);
  }
  Text5.SetText(ToQString(velmara::ShownEnergyText(energyText)));
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
  Text2.SetText(QStringLiteral("0"));
  Text3.SetText(QStringLiteral("0"));
  Text5.SetText(QStringLiteral("0"));
  Text5.SetBackColor(velmara::kButtonFace);
}

void Form1::Command7_Click() {
  const QString copied = Text5.Text() + QLatin1Char(' ') + Label11.Caption();
  forms::Clipboard::Clear();
  forms::Clipboard::SetText(copied);
}
