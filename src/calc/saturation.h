// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

// The Langelier saturation index and the step tables it reads its factors from.
namespace calc {

// Degrees Fahrenheit for Imperial, degrees Celsius for Metric; the reading is never converted,
// each unit system has its own table. The factor is single precision, and that precision shows
// in the index (0.7 reads 0.699999988079071).
float TemperatureFactor(double temperature, UnitSystem units);

// Both readings in ppm, in either unit system.
double CalciumHardnessFactor(double calciumHardness);
double AlkalinityFactor(double totalAlkalinity);

// pH + temperature factor + calcium hardness factor + alkalinity factor - 12.1, summed in
// that order, unrounded.
double SaturationIndex(double pH, double temperature, double calciumHardness,
                       double totalAlkalinity, UnitSystem units);

} // namespace calc
