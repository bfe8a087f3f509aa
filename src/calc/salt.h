// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

// Salt against the salt level: pounds and US gallons, or kilograms and litres.
namespace calc {

// The ppm rise that `salt` gives a pool of poolSize.
double SaltPpmRise(double salt, double poolSize, UnitSystem units);

// The salt that raises a pool of poolSize by ppmRise.
double SaltRequired(double ppmRise, double poolSize, UnitSystem units);

} // namespace calc
