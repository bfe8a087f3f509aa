// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ph.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {
// per US gallon of pool water, in ounces
constexpr PhDoses kPerGallon{0.0008, 0.001, 0.0008};
// per litre of pool water, in grams (millilitres for the acid)
constexpr PhDoses kPerLitre{0.006, 0.0075, 0.006};
} // namespace

PhDoses PhAdjustmentDoses(double volume, UnitSystem units)
{
    const PhDoses& factor = units == UnitSystem::Imperial ? kPerGallon : kPerLitre;
    return {Finite(volume * factor.sodiumCarbonate), Finite(volume * factor.sodiumBisulfate),
            Finite(volume * factor.muriaticAcid)};
}

} // namespace calc
