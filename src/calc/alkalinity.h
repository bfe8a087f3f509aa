// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sodium bicarbonate that raises total alkalinity.
namespace calc {

// Ounces of sodium bicarbonate for a rise of ppmChange in a pool of `gallons` US gallons.
double BicarbonateOunces(double gallons, double ppmChange);

// Kilograms of sodium bicarbonate for a rise of ppmChange in a pool of `litres`.
double BicarbonateKilograms(double litres, double ppmChange);

} // namespace calc
