// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/cyanuric.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {
constexpr double kOuncesPerGallonPpm = 0.000128;
constexpr double kGramsPerLitrePpm = 0.00096;
constexpr double kGramsPerKilogram = 1000.0;
} // namespace

double CyanuricAcidOunces(double gallons, double ppmChange)
{
    return ProportionalDose(gallons, ppmChange, kOuncesPerGallonPpm);
}

double CyanuricAcidKilograms(double litres, double ppmChange)
{
    return ProportionalDose(litres, ppmChange, kGramsPerLitrePpm) / kGramsPerKilogram;
}

} // namespace calc
