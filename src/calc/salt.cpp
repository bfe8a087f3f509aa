// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/salt.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {
// ppm per (pound of salt per US gallon), and per (kilogram per litre)
constexpr double kImperialSaltConstant = 119962.5117;
constexpr double kMetricSaltConstant = 991735.537190083;

double SaltConstant(UnitSystem units)
{
    return units == UnitSystem::Imperial ? kImperialSaltConstant : kMetricSaltConstant;
}
} // namespace

// Quotient first, then the product, as written.

double SaltPpmRise(double salt, double poolSize, UnitSystem units)
{
    return Finite(Quotient(salt, poolSize, Failure::PoolSizeZero) * SaltConstant(units));
}

double SaltRequired(double ppmRise, double poolSize, UnitSystem units)
{
    return Finite((ppmRise / SaltConstant(units)) * poolSize);
}

} // namespace calc
