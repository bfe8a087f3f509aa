// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The start of every window test case: numbers in the en_US locale, the program's look, and a
// configuration folder of the test's own, so that nothing can reach the user's settings.
void StartWindowTests();

// The base of a window test case, which runs StartWindowTests() before its first test function.
class WindowTestCase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { StartWindowTests(); }
};
