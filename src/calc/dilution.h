// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How much pool water to drain and refill so that a reading that is too high falls to the
// wanted one. Readings are in ppm; the volume is in the unit of the pool size.
namespace calc {

// The share of the pool to drain, (pool - wanted) / (pool - refill), rounded to 2 decimals.
// It is a fraction, not a percentage: a quarter of the pool is 0.25.
double DrainFraction(double poolReading, double refillReading, double wantedReading);

struct Drain
{
    double fraction = 0; // as DrainFraction
    double volume = 0;   // from the unrounded fraction, rounded to a whole number
};
Drain DilutionDrain(double poolSize, double poolReading, double refillReading,
                    double wantedReading);

} // namespace calc
