// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The chlorine dose: bleach of a given strength against a chlorine rise in ppm. The bleach
// volume is in the unit of the pool size (US gallons or litres).
namespace calc {

// The ppm rise that bleachQuantity of bleach of strengthPercent (6 % as 6) gives.
double PpmFromBleach(double poolSize, double strengthPercent, double bleachQuantity);

// The volume of bleach of strengthPercent that raises the chlorine by ppmIncrease.
double BleachRequired(double poolSize, double strengthPercent, double ppmIncrease);

// A volume of US gallons as whole gallons, quarts, cups and fluid ounces. Gallons, quarts
// and cups are floored; the ounces are the rounded remainder modulo 8, so they never carry
// into the cups (a remainder of 7.6 ounces reads 0 cups and 0 ounces).
struct GallonParts
{
    double gallons = 0;
    double quarts = 0;
    double cups = 0;
    std::int32_t ounces = 0;
};
GallonParts GallonBreakdown(double gallons);

} // namespace calc
