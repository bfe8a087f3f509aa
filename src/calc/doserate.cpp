// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/doserate.h"

#include "calc/arithmetic.h"

namespace calc {

double Dose(const DoseRate& rate, UnitSystem units, double poolSize, double ppmChange)
{
    return units == UnitSystem::Imperial
               ? ProportionalDose(poolSize, ppmChange, rate.ouncesPerGallonPpm)
               : ProportionalKilograms(poolSize, ppmChange, rate.gramsPerLitrePpm);
}

} // namespace calc
