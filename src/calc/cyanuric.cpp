// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/cyanuric.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {
constexpr double kOuncesPerGallonPpm = 0.000128;
constexpr double kGramsPerLitrePpm = 0.00096;
} // namespace

double CyanuricAcidOunces(double gallons, double ppmChange)
{
    return ProportionalDose(gallons, ppmChange, kOuncesPerGallonPpm);
}

double CyanuricAcidKilograms(double litres, double ppmChange)
{
    return ProportionalKilograms(litres, ppmChange, kGramsPerLitrePpm);
}

} // namespace calc
