// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// Conversions between the texts of the boxes and the numbers of the formulas, and the split
// of a weight into pounds and ounces. The locale decides the decimal separator; every function
// takes it as an argument so that tests can pin it, and defaults to the user's locale.
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

// A weight in ounces as whole pounds and the ounces left over, both floored: 32.5 ounces are
// 2 pounds and 0 ounces, -1 ounce is -1 pound and 15 ounces. The words are the windows' to choose.
struct PoundsAndOunces
{
    double pounds = 0;
    double ounces = 0;
};
PoundsAndOunces SplitOunces(double ounces);

} // namespace calc
