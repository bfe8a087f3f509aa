// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/chlorine.h"

#include "calc/arithmetic.h"

#include <cmath>

namespace calc {

namespace {

constexpr double kPartsPerMillion = 1'000'000.0;
constexpr double kPercent = 100.0;
constexpr double kOuncesPerGallon = 128.0; // US fluid ounces
constexpr double kOuncesPerQuart = 32.0;
constexpr double kOuncesPerCup = 8.0;

} // namespace

// The formulas are evaluated in the order written: 1,000,000 / poolSize first, then the
// products, then the quotient; another order can tip a figure across a rounding boundary.

double PpmFromBleach(double poolSize, double strengthPercent, double bleachQuantity)
{
    const double partsPerUnit = Quotient(kPartsPerMillion, poolSize, Failure::PoolSizeZero);
    return Finite((strengthPercent / kPercent) * Finite(bleachQuantity * partsPerUnit));
}

double BleachRequired(double poolSize, double strengthPercent, double ppmIncrease)
{
    const double partsPerUnit = Quotient(kPartsPerMillion, poolSize, Failure::PoolSizeZero);
    const double ppmPerUnit = Finite((strengthPercent / kPercent) * partsPerUnit);
    return Quotient(ppmIncrease, ppmPerUnit, Failure::StrengthZero);
}

GallonParts GallonBreakdown(double gallons)
{
    const double totalOunces = Finite(gallons * kOuncesPerGallon);
    const double beyondGallons = Remainder(totalOunces, kOuncesPerGallon); // in [0, 128]
    GallonParts parts;
    parts.gallons = std::floor(gallons);
    parts.quarts = std::floor(beyondGallons / kOuncesPerQuart);
    parts.cups = std::floor(Remainder(beyondGallons, kOuncesPerQuart) / kOuncesPerCup);
    // Rounded half to even as a whole number; % truncates, as the ounces are never negative.
    parts.ounces = static_cast<std::int32_t>(std::nearbyint(beyondGallons)) % 8;
    return parts;
}

} // namespace calc
