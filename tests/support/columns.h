// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

#include <initializer_list>

// Declares the columns of a data-driven test that share a type, in the order given:
// AddColumns<double>({"poolSize", "ppm", "ounces"}).
template <typename T> void AddColumns(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        QTest::addColumn<T>(name);
}
