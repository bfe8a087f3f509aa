// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// The arithmetic every calculator shares. Formulas stop with a CalculationError where a plain
// double would silently turn into inf or nan, so that no such text ever reaches a box.
namespace calc {

class CalculationError : public std::runtime_error
{
public:
    // message: a sentence for the user, e.g. "The pool size may not be 0."
    explicit CalculationError(const std::string& message) : std::runtime_error(message) {}
};

// dividend / divisor; a divisor of 0 raises zeroDivisorMessage.
double Quotient(double dividend, double divisor, const char* zeroDivisorMessage);

// value itself when finite; otherwise (an overflow, nan) raises a CalculationError.
double Finite(double value);

// A dose proportional to the pool and the rise: (volume * ppmChange) * factor, multiplied in
// that order, refusing an overflow. The factor is the calculator's own constant.
double ProportionalDose(double volume, double ppmChange, double factor);

// The floating remainder of a by b: (a / b - floor(a / b)) * b, so that it stays
// non-negative for a positive divisor (Remainder(-1, 16) = 15), unlike std::fmod.
double Remainder(double a, double b);

// x rounded to `decimals` places, a value exactly halfway going to the even neighbour.
// The scaling is done first, as x * 10^decimals, and the rounding applies to that product.
double RoundHalfEven(double x, int decimals);

} // namespace calc
