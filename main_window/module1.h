// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "variant.h"

// The values the main window's handlers share; they live as long as the program and start empty.
namespace Module1 {

// The selected conversion's forward factor.
inline velmara::Variant ConversionFactor;
// 1 / ConversionFactor, stored when reverse conversion is switched on or a conversion is chosen
// while it is on.
inline velmara::Variant ReverseFactor;
// What velocity x velocity x mass is divided by in the energy panel's unit system.
inline velmara::Variant EnergyDivisor;

}  // namespace Module1
