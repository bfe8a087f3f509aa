// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

// A pool's volume from its shape: US gallons from feet (Imperial), litres from metres
// (Metric). Nothing is rounded.
namespace calc {

double RectangularVolume(double length, double width, double averageDepth, UnitSystem units);

// The oval and the round pool take the volume of their enclosing box times a fixed share.
double OvalVolume(double length, double width, double averageDepth, UnitSystem units);
double RoundVolume(double diameter, double depth, UnitSystem units);

} // namespace calc
