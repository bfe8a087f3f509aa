// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/conversions.h"

#include "calc/arithmetic.h"

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

PoundsAndOunces SplitOunces(double ounces)
{
    constexpr double ouncesPerPound = 16.0;
    return {std::floor(ounces / ouncesPerPound), std::floor(Remainder(ounces, ouncesPerPound))};
}

} // namespace calc
