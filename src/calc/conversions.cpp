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

UnitSystem UnitSystemFromText(const QString& uomText)
{
    return uomText == QLatin1String("Imperial") ? UnitSystem::Imperial : UnitSystem::Metric;
}

std::optional<double> ParseNumber(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double value = withoutGroupSeparators(locale).toDouble(text.trimmed(), &ok);
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

} // namespace calc
