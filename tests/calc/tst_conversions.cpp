// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/arithmetic.h"
#include "calc/conversions.h"
#include "support/columns.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <utility>

using calc::UnitSystem;

class ConversionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unitSystem_data();
    void unitSystem();
    void unitSystemTextReadsBack();
    void parseNumber_data();
    void parseNumber();
    void parseNumberRefuses_data();
    void parseNumberRefuses();
    void numberText_data();
    void numberText();
    void numberTextOfAnInteger();
    void numberTextReadsBack_data();
    void numberTextReadsBack();
    void splitOunces_data();
    void splitOunces();
    void remainder_data();
    void remainder();
    void roundHalfEven_data();
    void roundHalfEven();
    void failures();
};

void ConversionsTest::unitSystem_data()
{
    QTest::addColumn<QString>("uom");
    QTest::addColumn<bool>("imperial");
    QTest::newRow("Imperial exactly") << "Imperial" << true;
    QTest::newRow("Metric") << "Metric" << false;
    QTest::newRow("never stored") << "" << false;
    QTest::newRow("other letter case") << "imperial" << false;
    QTest::newRow("trailing blank") << "Imperial " << false;
    QTest::newRow("leading blank") << " Imperial" << false;
}

void ConversionsTest::unitSystem()
{
    QFETCH(QString, uom);
    QFETCH(bool, imperial);
    QCOMPARE(calc::UnitSystemFromText(uom) == UnitSystem::Imperial, imperial);
}

// The Settings window stores the text that every window reads back as the same unit system.
void ConversionsTest::unitSystemTextReadsBack()
{
    QCOMPARE(calc::UnitSystemText(UnitSystem::Imperial), QStringLiteral("Imperial"));
    QCOMPARE(calc::UnitSystemText(UnitSystem::Metric), QStringLiteral("Metric"));
    for (const UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric})
        QCOMPARE(calc::UnitSystemFromText(calc::UnitSystemText(units)), units);
}

void ConversionsTest::parseNumber_data()
{
    // clang-format off
    AddColumns<QString>({"locale", "text"});
    QTest::addColumn<double>("number");
    QTest::newRow("whole") << "en_US" << "10000" << 10000.0;
    QTest::newRow("decimal point") << "en_US" << "2.5" << 2.5;
    QTest::newRow("negative") << "en_US" << "-3" << -3.0;
    QTest::newRow("blanks around") << "en_US" << "  6 " << 6.0;
    QTest::newRow("leading point") << "en_US" << ".5" << 0.5;
    QTest::newRow("exponent") << "en_US" << "1e3" << 1000.0;
    QTest::newRow("largest double") << "C" << "1.7976931348623157e308"
                                    << std::numeric_limits<double>::max();
    QTest::newRow("decimal comma") << "de_DE" << "1,5" << 1.5;
    QTest::newRow("C locale") << "C" << "0.25" << 0.25;
    QTest::newRow("plain ASCII under a decimal comma") << "de_DE" << "-12" << -12.0;
    QTest::newRow("Arabic-Indic digits and separator") << "ar_EG" << QString::fromUtf8("\u0661\u066b\u0665") << 1.5;
    QTest::newRow("typographic minus") << "en_US" << QString::fromUtf8("\u22123") << -3.0;
    // clang-format on
}

void ConversionsTest::parseNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, number);
    const std::optional<double> parsed = calc::ParseNumber(text, QLocale(locale));
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, number);
}

void ConversionsTest::parseNumberRefuses_data()
{
    // clang-format off
    AddColumns<QString>({"locale", "text"});
    QTest::newRow("empty") << "en_US" << "";
    QTest::newRow("a lone blank") << "en_US" << " ";
    QTest::newRow("letters") << "en_US" << "abc";
    QTest::newRow("number and letters") << "en_US" << "12abc";
    QTest::newRow("inf") << "en_US" << "inf";
    QTest::newRow("nan") << "en_US" << "nan";
    QTest::newRow("hex") << "en_US" << "0x10";
    QTest::newRow("beyond a double") << "en_US" << "1e400";
    QTest::newRow("lone minus") << "en_US" << "-";
    QTest::newRow("lone point") << "en_US" << ".";
    QTest::newRow("group separator") << "en_US" << "1,000";
    QTest::newRow("point under a decimal comma") << "de_DE" << "1.5";
    // clang-format on
}

void ConversionsTest::parseNumberRefuses()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QVERIFY(!calc::ParseNumber(text, QLocale(locale)).has_value());
}

void ConversionsTest::numberText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("no trailing zeros") << "en_US" << 2.50 << "2.5";
    QTest::newRow("whole without a point") << "en_US" << 3.0 << "3";
    QTest::newRow("zero") << "en_US" << 0.0 << "0";
    QTest::newRow("negative zero") << "en_US" << -0.0 << "0";
    QTest::newRow("negative") << "en_US" << -1.25 << "-1.25";
    QTest::newRow("no group separators") << "en_US" << 1234567.0 << "1234567";
    QTest::newRow("15 significant digits") << "en_US" << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("binary noise hidden") << "en_US" << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen digits whole") << "en_US" << 123456789012345.0 << "123456789012345";
    QTest::newRow("very large") << "en_US" << 1e20 << "1E+20";
    QTest::newRow("very small") << "en_US" << 1e-7 << "1E-07";
    QTest::newRow("decimal comma") << "de_DE" << 1.5 << "1,5";
    QTest::newRow("decimal comma, no groups") << "de_DE" << 12345.5 << "12345,5";
}

void ConversionsTest::numberText()
{
    QFETCH(QString, locale);
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(calc::NumberText(number, QLocale(locale)), text);
}

void ConversionsTest::numberTextOfAnInteger()
{
    QCOMPARE(calc::NumberText(std::int32_t{-7}, QLocale(QStringLiteral("en_US"))),
             QStringLiteral("-7"));
    QCOMPARE(calc::NumberText(std::int32_t{123456}, QLocale(QStringLiteral("en_US"))),
             QStringLiteral("123456"));
}

void ConversionsTest::numberTextReadsBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("number");
    // Among them locales that write direction marks, other digits and other exponents.
    for (const char* locale : {"en_US", "de_DE", "C", "ar_EG", "fa_IR", "he_IL"}) {
        for (double number : {0.3, -1234.5, 1e20, 1e-7, 6.02e23, 987654.321}) {
            QTest::addRow("%s %g", locale, number) << QString::fromLatin1(locale) << number;
        }
    }
}

void ConversionsTest::numberTextReadsBack()
{
    QFETCH(QString, locale);
    QFETCH(double, number);
    const QLocale loc(locale);
    const std::optional<double> back = calc::ParseNumber(calc::NumberText(number, loc), loc);
    QVERIFY(back.has_value());
    QCOMPARE(*back, number);
}

void ConversionsTest::splitOunces_data()
{
    AddColumns<double>({"weight", "pounds", "ounces"});
    QTest::newRow("nothing") << 0.0 << 0.0 << 0.0;
    QTest::newRow("32.5 ounces floor to 2 pounds") << 32.5 << 2.0 << 0.0;
    QTest::newRow("15.99 ounces stay ounces") << 15.99 << 0.0 << 15.0;
    QTest::newRow("many pounds") << 16.0 * 1234 + 7.5 << 1234.0 << 7.0;
    QTest::newRow("negative floors down") << -1.0 << -1.0 << 15.0;
}

void ConversionsTest::splitOunces()
{
    QFETCH(double, weight);
    const calc::PoundsAndOunces split = calc::SplitOunces(weight);
    QTEST(split.pounds, "pounds");
    QTEST(split.ounces, "ounces");
}

void ConversionsTest::remainder_data()
{
    AddColumns<double>({"a", "b", "result"});
    QTest::newRow("inside") << 42.5 << 128.0 << 42.5;
    QTest::newRow("beyond one divisor") << 130.0 << 128.0 << 2.0;
    QTest::newRow("exact multiple") << 64.0 << 32.0 << 0.0;
    QTest::newRow("negative stays non-negative") << -1.0 << 16.0 << 15.0;
    QTest::newRow("negative beyond a divisor") << -17.0 << 16.0 << 15.0;
    QTest::newRow("zero") << 0.0 << 16.0 << 0.0;
}

void ConversionsTest::remainder()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, result);
    QCOMPARE(calc::Remainder(a, b), result);
}

void ConversionsTest::roundHalfEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half to even, down") << 0.25 << 1 << 0.2;
    QTest::newRow("half to even, up") << 0.75 << 1 << 0.8;
    QTest::newRow("whole half down") << 2.5 << 0 << 2.0;
    QTest::newRow("whole half up") << 3.5 << 0 << 4.0;
    QTest::newRow("negative half") << -2.5 << 0 << -2.0;
    QTest::newRow("not a half") << 0.3333 << 1 << 0.3;
    QTest::newRow("above half") << 0.26 << 1 << 0.3;
    QTest::newRow("two places") << 1.005 << 2 << 1.0; // 1.005 is just below 1.005 in binary
    QTest::newRow("huge stays") << 1e300 << 1 << 1e300;
}

void ConversionsTest::roundHalfEven()
{
    QFETCH(double, x);
    QFETCH(int, decimals);
    QFETCH(double, rounded);
    QCOMPARE(calc::RoundHalfEven(x, decimals), rounded);
}

void ConversionsTest::failures()
{
    using calc::Failure;
    QVERIFY_THROWS_EXCEPTION(calc::CalculationError, calc::Quotient(1, 0, Failure::StrengthZero));
    QVERIFY_THROWS_EXCEPTION(calc::CalculationError,
                             calc::Quotient(1e308, 1e-308, Failure::StrengthZero));
    QVERIFY_THROWS_EXCEPTION(calc::CalculationError,
                             calc::Finite(std::numeric_limits<double>::quiet_NaN()));
    QVERIFY_THROWS_EXCEPTION(calc::CalculationError, calc::RoundHalfEven(1.7e308, 1));
    // A zero divisor raises the failure the caller names; an overflow is always TooLarge.
    for (const auto& [divisor, raised] :
         {std::pair(0.0, Failure::PoolSizeZero), std::pair(1e-308, Failure::TooLarge)}) {
        try {
            calc::Quotient(1e308, divisor, Failure::PoolSizeZero);
            QFAIL("no failure");
        } catch (const calc::CalculationError& error) {
            QCOMPARE(error.failure(), raised);
        }
    }
}

QTEST_APPLESS_MAIN(ConversionsTest)
#include "tst_conversions.moc"
