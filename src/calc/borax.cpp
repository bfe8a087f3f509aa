// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/borax.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {
constexpr double kTetraboratePoundsPerOunce = 0.025526;
constexpr double kWaterPoundsPerGallon = 8.345404;
constexpr double kTetraborateShare = 0.408421053; // kg of tetraborate per kg of borax
constexpr double kWaterKilogramsPerLitre = 1.000028;
constexpr double kPartsPerMillion = 1'000'000.0;

double Ppm(double borax, double share, double volume, double waterPerVolume)
{
    const double tetraborate = Finite(borax * share);
    const double water = Finite(volume * waterPerVolume);
    return Finite(Quotient(tetraborate, water, Failure::PoolSizeZero) * kPartsPerMillion);
}
} // namespace

double TetraboratePpmFromOunces(double boraxOunces, double gallons)
{
    return Ppm(boraxOunces, kTetraboratePoundsPerOunce, gallons, kWaterPoundsPerGallon);
}

double TetraboratePpmFromKilograms(double boraxKilograms, double litres)
{
    return Ppm(boraxKilograms, kTetraborateShare, litres, kWaterKilogramsPerLitre);
}

} // namespace calc
