// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arithmetic.h"

#include <cmath>

namespace calc {

const char* CalculationError::what() const noexcept
{
    switch (m_failure) {
    case Failure::PoolSizeZero:
        return "calc: pool size 0";
    case Failure::StrengthZero:
        return "calc: strength 0";
    case Failure::RefillReadsAsPool:
        return "calc: refill reads as the pool";
    case Failure::TooLarge:
        return "calc: too large";
    }
    return "calc: unknown failure";
}

double Quotient(double dividend, double divisor, Failure zeroDivisor)
{
    if (divisor == 0.0)
        throw CalculationError(zeroDivisor);
    return Finite(dividend / divisor);
}

double Finite(double value)
{
    if (!std::isfinite(value))
        throw CalculationError(Failure::TooLarge);
    return value;
}

double ProportionalDose(double volume, double ppmChange, double factor)
{
    return Finite(Finite(volume * ppmChange) * factor);
}

double ProportionalKilograms(double litres, double ppmChange, double gramsPerLitrePpm)
{
    constexpr double kGramsPerKilogram = 1000.0;
    return ProportionalDose(litres, ppmChange, gramsPerLitrePpm) / kGramsPerKilogram;
}

double Remainder(double a, double b)
{
    const double q = a / b;
    return (q - std::floor(q)) * b;
}

double RoundHalfEven(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // nearbyint follows the current rounding mode, which is round-half-to-even unless changed.
    return std::nearbyint(Finite(x * scale)) / scale;
}

} // namespace calc
