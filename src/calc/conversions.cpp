// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conversions.h"

#include "calc/arithmetic.h"
#include "calc/chlorine.h"

#include <cmath>

namespace calc {

namespace {

QLocale withoutGroupSeparators(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

namespace {
constexpr char kImperialText[] = "Imperial";
constexpr char kMetricText[] = "Metric";
} // namespace

UnitSystem UnitSystemFromText(const QString& uomText)
{
    return uomText == QLatin1String(kImperialText) ? UnitSystem::Imperial : UnitSystem::Metric;
}

QString UnitSystemText(UnitSystem units)
{
    return QString::fromLatin1(units == UnitSystem::Imperial ? kImperialText : kMetricText);
}

std::optional<double> ParseNumber(const QString& text, const QLocale& locale)
{
    // The text is brought to the C locale's plain notation before it is read, so that every
    // way the locale writes a number (its digits, signs, exponent and the direction marks
    // around them, as NumberText writes them) reads back, and plain ASCII does too.
    QString plain = text.trimmed();
    for (const QChar mark : {QChar(0x061C), QChar(0x200E), QChar(0x200F)})
        plain.remove(mark);
    const QString decimalPoint = locale.decimalPoint();
    if (decimalPoint != QLatin1String(".")) {
        if (plain.contains(QLatin1Char('.')))
            return std::nullopt; // a group separator there, or another locale's point
        plain.replace(decimalPoint, QLatin1String("."));
    }
    QString exponent = locale.exponential();
    QString minus = locale.negativeSign();
    for (QString* symbol : {&exponent, &minus})
        for (const QChar mark : {QChar(0x061C), QChar(0x200E), QChar(0x200F)})
            symbol->remove(mark);
    if (exponent.compare(QLatin1String("e"), Qt::CaseInsensitive) != 0)
        plain.replace(exponent, QLatin1String("e"));
    plain.replace(minus, QLatin1String("-"));
    plain.replace(QChar(0x2212), QLatin1Char('-')); // the typographic minus
    for (QChar& c : plain) {
        if (c.isDigit() && c.unicode() > 0x7F)
            c = QLatin1Char(static_cast<char>('0' + c.digitValue()));
    }

    bool ok = false;
    const double value = withoutGroupSeparators(QLocale::c()).toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString NumberText(double value, const QLocale& locale)
{
    if (value == 0.0)
        value = 0.0; // turns -0 into 0
    return withoutGroupSeparators(locale).toString(value, 'g', 15);
}

QString NumberText(std::int32_t value, const QLocale& locale)
{
    return withoutGroupSeparators(locale).toString(value);
}

QString WeightText(UnitSystem units, double weight, const QLocale& locale)
{
    if (units == UnitSystem::Metric)
        return NumberText(weight, locale) + QLatin1String(" kilogram(s)");

    constexpr double ouncesPerPound = 16.0;
    const double pounds = std::floor(weight / ouncesPerPound);
    const double ounces = std::floor(Remainder(weight, ouncesPerPound));
    return NumberText(pounds, locale) + QLatin1String(" pound(s) and ") +
           NumberText(ounces, locale) + QLatin1String(" ounce(s)");
}

QString GallonsText(double gallons, const QLocale& locale)
{
    return NumberText(RoundHalfEven(gallons, 1), locale) + QLatin1String(" Gallon(s)");
}

QString LiquidMeasureText(UnitSystem units, double volume, const QLocale& locale)
{
    if (units == UnitSystem::Metric)
        return NumberText(RoundHalfEven(volume, 1), locale) + QLatin1String(" Litre(s)");

    const GallonParts parts = GallonBreakdown(volume);
    return NumberText(parts.gallons, locale) + QLatin1String(" Gallon(s), ") +
           NumberText(parts.quarts, locale) + QLatin1String(" quart(s), ") +
           NumberText(parts.cups, locale) + QLatin1String(" cup(s) and ") +
           NumberText(parts.ounces, locale) + QLatin1String(" ounce(s)");
}

} // namespace calc
