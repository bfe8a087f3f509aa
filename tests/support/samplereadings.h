// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/conversions.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// One valid set of readings for one button of a window, and the texts its press writes in each
// unit system, as tests/support/sample-readings.json gives them. The window tests, the snapshot
// tool, the benchmark and the Wine test share that file, so that each reading is written once.
struct Sample
{
    using Texts = QList<std::pair<QByteArray, QString>>; // box, text

    QByteArray button;
    Texts readings;
    Texts imperial;
    Texts metric;

    const Texts& outputs(calc::UnitSystem units) const
    {
        return units == calc::UnitSystem::Imperial ? imperial : metric;
    }
};

// The samples of the window of that short name (one per button that calculates, none for a
// window without one); nullopt when the file does not list the window at all.
std::optional<std::vector<Sample>> SamplesOf(const char* shortName);
