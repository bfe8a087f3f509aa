// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/saturation.h"

#include <array>
#include <limits>

namespace calc {

namespace {

// A row applies from its bound up to where the next row begins. The rows are usually listed
// as whole-number ranges (53-59 °F, 26-49 ppm), which leave readings such as 52.5 °F, 7.5 °C,
// 25 ppm or 999.5 ppm between two rows. Such a reading keeps the factor of the row below it
// rather than 0, which would put the index far below that of both neighbours.
enum class From
{
    AtLeast,
    Above
};

template <typename Factor> struct Row
{
    From from;
    double bound;
    Factor factor;
};

constexpr double kLowest = -std::numeric_limits<double>::infinity();

template <typename Factor, std::size_t N>
Factor Lookup(const std::array<Row<Factor>, N>& rows, double reading)
{
    Factor factor = rows.front().factor;
    for (const Row<Factor>& row : rows) {
        const bool reached = row.from == From::AtLeast ? reading >= row.bound : reading > row.bound;
        if (!reached)
            break;
        factor = row.factor;
    }
    return factor;
}

// Degrees Fahrenheit. 46 itself belongs to the 37-46 row.
constexpr std::array<Row<float>, 11> kFahrenheitFactors{{
    {From::AtLeast, kLowest, 0.0F},
    {From::AtLeast, 37, 0.1F},
    {From::Above, 46, 0.2F},
    {From::AtLeast, 53, 0.3F},
    {From::AtLeast, 60, 0.4F},
    {From::AtLeast, 66, 0.5F},
    {From::AtLeast, 76, 0.6F},
    {From::AtLeast, 84, 0.7F},
    {From::AtLeast, 94, 0.8F},
    {From::AtLeast, 105, 0.9F},
    {From::Above, 127, 1.0F},
}};

// Degrees Celsius.
constexpr std::array<Row<float>, 11> kCelsiusFactors{{
    {From::AtLeast, kLowest, 0.0F},
    {From::AtLeast, 3, 0.1F},
    {From::AtLeast, 8, 0.2F},
    {From::AtLeast, 12, 0.3F},
    {From::AtLeast, 16, 0.4F},
    {From::AtLeast, 19, 0.5F},
    {From::AtLeast, 24, 0.6F},
    {From::AtLeast, 29, 0.7F},
    {From::AtLeast, 34, 0.8F},
    {From::AtLeast, 41, 0.9F},
    {From::Above, 52, 1.0F},
}};

// Calcium hardness and total alkalinity share their bounds, in ppm.
constexpr std::array<Row<double>, 11> kCalciumHardnessFactors{{
    {From::AtLeast, kLowest, 0.3},
    {From::AtLeast, 26, 1.0},
    {From::AtLeast, 50, 1.3},
    {From::AtLeast, 75, 1.5},
    {From::AtLeast, 100, 1.6},
    {From::AtLeast, 150, 1.8},
    {From::AtLeast, 200, 1.9},
    {From::AtLeast, 300, 2.1},
    {From::AtLeast, 400, 2.2},
    {From::AtLeast, 800, 2.5},
    {From::AtLeast, 1000, 2.6},
}};

constexpr std::array<Row<double>, 11> kAlkalinityFactors{{
    {From::AtLeast, kLowest, 0.7},
    {From::AtLeast, 26, 1.4},
    {From::AtLeast, 50, 1.7},
    {From::AtLeast, 75, 1.9},
    {From::AtLeast, 100, 2.0},
    {From::AtLeast, 150, 2.2},
    {From::AtLeast, 200, 2.3},
    {From::AtLeast, 300, 2.5},
    {From::AtLeast, 400, 2.6},
    {From::AtLeast, 800, 2.9},
    {From::AtLeast, 1000, 3.0},
}};

constexpr double kIndexOffset = 12.1;

} // namespace

float TemperatureFactor(double temperature, UnitSystem units)
{
    return Lookup(units == UnitSystem::Imperial ? kFahrenheitFactors : kCelsiusFactors,
                  temperature);
}

double CalciumHardnessFactor(double calciumHardness)
{
    return Lookup(kCalciumHardnessFactors, calciumHardness);
}

double AlkalinityFactor(double totalAlkalinity)
{
    return Lookup(kAlkalinityFactors, totalAlkalinity);
}

double SaturationIndex(double pH, double temperature, double calciumHardness,
                       double totalAlkalinity, UnitSystem units)
{
    // The float factor widens exactly; each addition is a double one, in this order.
    double index = pH;
    index += static_cast<double>(TemperatureFactor(temperature, units));
    index += CalciumHardnessFactor(calciumHardness);
    index += AlkalinityFactor(totalAlkalinity);
    index -= kIndexOffset;
    return index;
}

} // namespace calc
