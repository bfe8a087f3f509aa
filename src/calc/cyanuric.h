// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Cyanuric acid that raises the stabiliser level.
namespace calc {

double CyanuricAcidOunces(double gallons, double ppmChange);
double CyanuricAcidKilograms(double litres, double ppmChange);

} // namespace calc
