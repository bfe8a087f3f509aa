// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

// The doses that move the pH by one fixed step of 0.2.
namespace calc {

struct PhDoses
{
    double sodiumCarbonate; // soda ash, raises the pH: ounces or grams
    double sodiumBisulfate; // dry acid, lowers it: ounces or grams
    double muriaticAcid;    // 31 %, lowers it instead: fluid ounces or millilitres
};

// For a pool of `volume` US gallons (Imperial) or litres (Metric).
PhDoses PhAdjustmentDoses(double volume, UnitSystem units);

} // namespace calc
