// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/dilution.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {

// No range checks: a wanted reading above the pool's gives a negative share, shown as such.
double UnroundedFraction(double poolReading, double refillReading, double wantedReading)
{
    return Quotient(Finite(poolReading - wantedReading), Finite(poolReading - refillReading),
                    Failure::RefillReadsAsPool);
}

} // namespace

double DrainFraction(double poolReading, double refillReading, double wantedReading)
{
    return RoundHalfEven(UnroundedFraction(poolReading, refillReading, wantedReading), 2);
}

Drain DilutionDrain(double poolSize, double poolReading, double refillReading, double wantedReading)
{
    const double fraction = UnroundedFraction(poolReading, refillReading, wantedReading);
    return {RoundHalfEven(fraction, 2), RoundHalfEven(Finite(poolSize * fraction), 0)};
}

} // namespace calc
