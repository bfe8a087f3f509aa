// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// Conversions between the texts of the boxes and the numbers of the formulas, and the
// phrasing of a weight. The locale decides the decimal separator; every function takes
// it as an argument so that tests can pin it, and defaults to the user's locale.
namespace calc {

enum class UnitSystem
{
    Imperial,
    Metric
};

// The unit system as it is stored, and back: "Imperial" exactly (case and blanks count) is
// Imperial; any other text, including the empty text of a fresh installation, is Metric.
UnitSystem UnitSystemFromText(const QString& uomText);
QString UnitSystemText(UnitSystem units);

// The number in a box: a finite decimal number in the locale's notation (its decimal
// separator, digits and signs) or in plain ASCII digits, leading and trailing blanks ignored.
// Anything else (letters, a lone blank, "inf", "nan", hex, group separators, a value beyond
// the range of a double) gives no number.
std::optional<double> ParseNumber(const QString& text, const QLocale& locale = QLocale());

// Up to 15 significant digits, no group separators, no trailing zeros, the locale's decimal
// separator, exponent form only for very large or very small magnitudes, and never "-0".
QString NumberText(double value, const QLocale& locale = QLocale());
QString NumberText(std::int32_t value, const QLocale& locale = QLocale());

// Imperial: `weight` in ounces, phrased as floored pounds and floored ounces
// ("2 pound(s) and 0 ounce(s)" for 32.5). Metric: `weight` in kilograms, unrounded.
QString WeightText(UnitSystem units, double weight, const QLocale& locale = QLocale());

// US gallons rounded half to even at a tenth: "12.5 Gallon(s)".
QString GallonsText(double gallons, const QLocale& locale = QLocale());

// Imperial: `volume` in US gallons, as whole gallons, quarts and cups and the fluid ounces
// left over ("2 Gallon(s), 1 quart(s), 0 cup(s) and 3 ounce(s)"). Metric: `volume` in litres,
// rounded half to even at a tenth ("2.5 Litre(s)").
QString LiquidMeasureText(UnitSystem units, double volume, const QLocale& locale = QLocale());

} // namespace calc
