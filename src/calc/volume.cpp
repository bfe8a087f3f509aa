// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/volume.h"

#include "calc/arithmetic.h"

#include <cmath>

namespace calc {

namespace {

constexpr double kGallonsPerCubicFoot = 7.5;
constexpr double kLitresPerCubicMetre = 1000.0;
// The box factors times pi/4, kept as the rounded literals the results are known by:
// neither 5.875 nor 785.398 gives the same figures.
constexpr double kGallonsPerCubicFootOfBox = 5.89;
constexpr double kLitresPerCubicMetreOfBox = 785.0;

double BoxVolume(double length, double width, double depth, double factor)
{
    return Finite(Finite(Finite(length * width) * depth) * factor);
}

} // namespace

// Evaluated left to right as written; another order can change the last digit.

double RectangularVolume(double length, double width, double averageDepth, UnitSystem units)
{
    return BoxVolume(length, width, averageDepth,
                     units == UnitSystem::Imperial ? kGallonsPerCubicFoot : kLitresPerCubicMetre);
}

double OvalVolume(double length, double width, double averageDepth, UnitSystem units)
{
    return BoxVolume(length, width, averageDepth,
                     units == UnitSystem::Imperial ? kGallonsPerCubicFootOfBox
                                                   : kLitresPerCubicMetreOfBox);
}

double RoundVolume(double diameter, double depth, UnitSystem units)
{
    const double factor =
        units == UnitSystem::Imperial ? kGallonsPerCubicFootOfBox : kLitresPerCubicMetreOfBox;
    return Finite(Finite(depth * Finite(std::pow(diameter, 2.0))) * factor);
}

} // namespace calc
