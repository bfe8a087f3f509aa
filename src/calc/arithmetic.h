// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>

// The arithmetic every calculator shares. Formulas stop with a CalculationError where a plain
// double would silently turn into inf or nan, so that no such text ever reaches a box.
namespace calc {

// Why a calculation cannot be done. The windows choose the words the user reads.
enum class Failure
{
    PoolSizeZero,      // a pool size of 0 divides
    StrengthZero,      // bleach of strength 0 gives no rise to divide by
    RefillReadsAsPool, // no share of refill water of the pool's reading changes it
    TooLarge,          // a figure beyond a double: an overflow, or nan
};

class CalculationError : public std::exception
{
public:
    explicit CalculationError(Failure failure) : m_failure(failure) {}
    Failure failure() const noexcept { return m_failure; }
    // The failure's name, for a log; never shown to the user.
    const char* what() const noexcept override;

private:
    Failure m_failure;
};

// dividend / divisor; a divisor of 0 raises zeroDivisor.
double Quotient(double dividend, double divisor, Failure zeroDivisor);

// value itself when finite; otherwise (an overflow, nan) raises Failure::TooLarge.
double Finite(double value);

// A dose proportional to the pool and the rise: (volume * ppmChange) * factor, multiplied in
// that order, refusing an overflow. The factor is the calculator's own constant.
double ProportionalDose(double volume, double ppmChange, double factor);

// The same dose from a factor in grams per litre and ppm, given in kilograms: the grams are
// divided by 1000 after the product, never the factor before it.
double ProportionalKilograms(double litres, double ppmChange, double gramsPerLitrePpm);

// The floating remainder of a by b: (a / b - floor(a / b)) * b, so that it stays
// non-negative for a positive divisor (Remainder(-1, 16) = 15), unlike std::fmod.
double Remainder(double a, double b);

// x rounded to `decimals` places, a value exactly halfway going to the even neighbour.
// The scaling is done first, as x * 10^decimals, and the rounding applies to that product.
double RoundHalfEven(double x, int decimals);

} // namespace calc
