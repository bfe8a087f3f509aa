#pragma once

// Cyanuric acid that raises the stabiliser level.
namespace calc {

double CyanuricAcidOunces(double gallons, double ppmChange);
double CyanuricAcidKilograms(double litres, double ppmChange);

} // namespace calc
