// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tetraborate level that an amount of borax (sodium tetraborate decahydrate) gives.
namespace calc {

// ppm from ounces of borax in `gallons` US gallons; unrounded.
double TetraboratePpmFromOunces(double boraxOunces, double gallons);

// ppm from kilograms of borax in `litres`; unrounded.
double TetraboratePpmFromKilograms(double boraxKilograms, double litres);

} // namespace calc
