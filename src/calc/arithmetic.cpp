// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arithmetic.h"

#include <cmath>

namespace calc {

double Quotient(double dividend, double divisor, const char* zeroDivisorMessage)
{
    if (divisor == 0.0)
        throw CalculationError(zeroDivisorMessage);
    return Finite(dividend / divisor);
}

double Finite(double value)
{
    if (!std::isfinite(value))
        throw CalculationError("The result is too large to be worked out. Please check the "
                               "figures in the white boxes.");
    return value;
}

double ProportionalDose(double volume, double ppmChange, double factor)
{
    return Finite(Finite(volume * ppmChange) * factor);
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
