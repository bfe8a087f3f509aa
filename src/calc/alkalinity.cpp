// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/alkalinity.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {
constexpr double kOuncesPerGallonPpm = 0.000224;
constexpr double kGramsPerLitrePpm = 0.00168;
} // namespace

double BicarbonateOunces(double gallons, double ppmChange)
{
    return ProportionalDose(gallons, ppmChange, kOuncesPerGallonPpm);
}

double BicarbonateKilograms(double litres, double ppmChange)
{
    return ProportionalKilograms(litres, ppmChange, kGramsPerLitrePpm);
}

} // namespace calc
