// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/quantitytext.h"

#include "calc/arithmetic.h"
#include "calc/chlorine.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

// The translation context of the unit words.
class Quantities
{
    Q_DECLARE_TR_FUNCTIONS(Quantities)
};

namespace ui {

namespace {

// The count that picks a plural form for a whole number of any size. Beyond an int, the last
// six digits decide, as they do in every language's rules, kept apart from 0 and 1.
int PluralCount(double whole)
{
    const double magnitude = std::fabs(whole);
    if (!std::isfinite(magnitude))
        return 0; // no result reaches a box as inf or nan; a plural form is all that is at stake
    if (magnitude <= std::numeric_limits<int>::max())
        return static_cast<int>(magnitude);
    return 1000000 + static_cast<int>(std::fmod(magnitude, 1000000.0));
}

// The count picks the plural form; the number itself goes in as %1, written as NumberText
// writes it (the locale's digits, exponent form when huge), which %n would not do.
QString Whole(const QString& form, double whole, const QLocale& locale)
{
    return form.arg(calc::NumberText(whole, locale));
}

} // namespace

QString WeightText(calc::UnitSystem units, double weight, const QLocale& locale)
{
    if (units == calc::UnitSystem::Metric)
        return Quantities::tr("%1 kilogram(s)").arg(calc::NumberText(weight, locale));

    const calc::PoundsAndOunces split = calc::SplitOunces(weight);
    return Quantities::tr("%1 and %2", "a weight: pounds and ounces")
        .arg(Whole(Quantities::tr("%1 pound(s)", nullptr, PluralCount(split.pounds)), split.pounds,
                   locale),
             Whole(Quantities::tr("%1 ounce(s)", "ounces of weight", PluralCount(split.ounces)),
                   split.ounces, locale));
}

QString GallonsText(double gallons, const QLocale& locale)
{
    return Quantities::tr("%1 Gallon(s)", "tenths of a gallon")
        .arg(calc::NumberText(calc::RoundHalfEven(gallons, 1), locale));
}

QString LiquidMeasureText(calc::UnitSystem units, double volume, const QLocale& locale)
{
    if (units == calc::UnitSystem::Metric)
        return Quantities::tr("%1 Litre(s)", "tenths of a litre")
            .arg(calc::NumberText(calc::RoundHalfEven(volume, 1), locale));

    const calc::GallonParts parts = calc::GallonBreakdown(volume);
    return Quantities::tr("%1, %2, %3 and %4",
                          "a liquid measure: gallons, quarts, cups and fluid ounces")
        .arg(Whole(Quantities::tr("%1 Gallon(s)", "whole gallons", PluralCount(parts.gallons)),
                   parts.gallons, locale),
             Whole(Quantities::tr("%1 quart(s)", nullptr, PluralCount(parts.quarts)), parts.quarts,
                   locale),
             Whole(Quantities::tr("%1 cup(s)", nullptr, PluralCount(parts.cups)), parts.cups,
                   locale),
             Whole(Quantities::tr("%1 ounce(s)", "fluid ounces", PluralCount(parts.ounces)),
                   parts.ounces, locale));
}

} // namespace ui
