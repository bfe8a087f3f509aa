// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calcium.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {
constexpr double kChlorideOuncesPerGallonPpm = 0.00016;
constexpr double kDihydrateOuncesPerGallonPpm = 0.0002;
constexpr double kChlorideGramsPerLitrePpm = 0.0012;
constexpr double kDihydrateGramsPerLitrePpm = 0.0015;
} // namespace

double CalciumChlorideOunces(double gallons, double ppmChange)
{
    return ProportionalDose(gallons, ppmChange, kChlorideOuncesPerGallonPpm);
}

double CalciumChlorideDihydrateOunces(double gallons, double ppmChange)
{
    return ProportionalDose(gallons, ppmChange, kDihydrateOuncesPerGallonPpm);
}

double CalciumChlorideKilograms(double litres, double ppmChange)
{
    return ProportionalKilograms(litres, ppmChange, kChlorideGramsPerLitrePpm);
}

double CalciumChlorideDihydrateKilograms(double litres, double ppmChange)
{
    return ProportionalKilograms(litres, ppmChange, kDihydrateGramsPerLitrePpm);
}

} // namespace calc
