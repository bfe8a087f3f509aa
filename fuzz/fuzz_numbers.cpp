// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Box texts into numbers and back: ParseNumber never accepts what is no finite number, and
// every text NumberText writes is read back by ParseNumber to a number written the same way.
#include "calc/conversions.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void RoundTrip(const QString& text, const QLocale& locale)
{
    const std::optional<double> value = calc::ParseNumber(text, locale);
    if (!value)
        return;
    Check(std::isfinite(*value));
    const QString written = calc::NumberText(*value, locale);
    Check(written != QLatin1String("-0") && !written.contains(QLatin1String("inf")) &&
          !written.contains(QLatin1String("nan")));
    const std::optional<double> back = calc::ParseNumber(written, locale);
    Check(back.has_value());
    Check(calc::NumberText(*back, locale) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QStringLiteral("en_US")),
                                      QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("ar_EG"))};
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QLocale& locale : locales)
        RoundTrip(text, locale);
    // A double's own bytes, written and read back.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value))
            for (const QLocale& locale : locales)
                RoundTrip(calc::NumberText(value, locale), locale);
    }
    return 0;
}
