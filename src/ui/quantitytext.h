// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

#include <QLocale>
#include <QString>

// Quantities as a window shows them: the numbers as calc::NumberText writes them in the
// locale, the unit words in the user's language (translation context "Quantities").
namespace ui {

// Imperial: `weight` in ounces, phrased as floored pounds and floored ounces
// ("2 pound(s) and 0 ounce(s)" for 32.5). Metric: `weight` in kilograms, unrounded.
QString WeightText(calc::UnitSystem units, double weight, const QLocale& locale = QLocale());

// US gallons rounded half to even at a tenth: "12.5 Gallon(s)".
QString GallonsText(double gallons, const QLocale& locale = QLocale());

// Imperial: `volume` in US gallons, as whole gallons, quarts and cups and the fluid ounces
// left over ("2 Gallon(s), 1 quart(s), 0 cup(s) and 3 ounce(s)"). Metric: `volume` in litres,
// rounded half to even at a tenth ("2.5 Litre(s)").
QString LiquidMeasureText(calc::UnitSystem units, double volume, const QLocale& locale = QLocale());

} // namespace ui
