// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

// The products dosed in proportion to the water and the rise wanted: so many ounces a US
// gallon and ppm, or so many grams a litre and ppm.
namespace calc {

struct DoseRate
{
    double ouncesPerGallonPpm;
    double gramsPerLitrePpm;
};

// Sodium bicarbonate (baking soda), which raises total alkalinity.
inline constexpr DoseRate kSodiumBicarbonate{0.000224, 0.00168};
// Calcium chloride, anhydrous and as the dihydrate, which raise calcium hardness.
inline constexpr DoseRate kCalciumChloride{0.00016, 0.0012};
inline constexpr DoseRate kCalciumChlorideDihydrate{0.0002, 0.0015};
// Cyanuric acid, which raises the stabiliser level.
inline constexpr DoseRate kCyanuricAcid{0.000128, 0.00096};

// The dose for a pool of poolSize (US gallons in Imperial, litres in Metric): ounces in
// Imperial, kilograms in Metric.
double Dose(const DoseRate& rate, UnitSystem units, double poolSize, double ppmChange);

} // namespace calc
