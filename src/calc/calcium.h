// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Calcium chloride, plain and as the dihydrate, that raises calcium hardness.
namespace calc {

double CalciumChlorideOunces(double gallons, double ppmChange);
double CalciumChlorideDihydrateOunces(double gallons, double ppmChange);
double CalciumChlorideKilograms(double litres, double ppmChange);
double CalciumChlorideDihydrateKilograms(double litres, double ppmChange);

} // namespace calc
