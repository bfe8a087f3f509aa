#include "calc/alkalinity.h"

#include "calc/arithmetic.h"

namespace calc {

namespace {
constexpr double kOuncesPerGallonPpm = 0.000224;
constexpr double kGramsPerLitrePpm = 0.00168;
constexpr double kGramsPerKilogram = 1000.0;
} // namespace

double BicarbonateOunces(double gallons, double ppmChange)
{
    return Finite(Finite(gallons * ppmChange) * kOuncesPerGallonPpm);
}

double BicarbonateKilograms(double litres, double ppmChange)
{
    return Finite(Finite(litres * ppmChange) * kGramsPerLitrePpm) / kGramsPerKilogram;
}

} // namespace calc
