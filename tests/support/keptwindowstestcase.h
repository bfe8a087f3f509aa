// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/windowcatalog.h"
#include "support/keptwindows.h"
#include "support/windowtests.h"

#include <QMetaType>
#include <QTest>

#include <memory>
#include <set>

// So that a test's rows can hold a kind of window.
Q_DECLARE_METATYPE(WindowKind)

// Fails the test for each window of the program's table that is not in found.
void FailForWindowsNotIn(const std::set<WindowKind>& found);

// The rows of a per-window test: for each window of the program's table, in its order, every
// expectation of `expected` (a list of rows with a `kind`) for that window, handed to add with
// the window's row. A window with no expectation fails the test, so that a new window cannot be
// forgotten by it.
template <class Expected, class Add> void ForEveryWindow(const Expected& expected, Add add)
{
    std::set<WindowKind> found;
    for (const WindowRow& window : Windows()) {
        for (const auto& each : expected) {
            if (each.kind == window.kind) {
                found.insert(window.kind);
                add(window, each);
            }
        }
    }
    FailForWindowsNotIn(found);
}

// The columns "kind" and "uom", and a row "<short name>, <uom>" for every window of the table
// in each unit system, since most captions differ between them; except those leftOut.
void AddEveryWindowInEachUnitSystem(const std::set<WindowKind>& leftOut = {});

// A window test case whose every test function meets a fresh KeptWindows, with all the
// program's windows registered in its keeper; the windows are closed after each function.
class KeptWindowsTestCase : public WindowTestCase
{
    Q_OBJECT

protected:
    KeptWindows& kept() { return *m_kept; }
    WindowKeeper& keeper() { return m_kept->keeper; }
    // Stores a pool size of 20000, a strength of 6 and uom, then opens the window of kind.
    QWidget* open(WindowKind kind, const QString& uom) { return m_kept->open(kind, uom); }

    // For a test case with an init() or a cleanup() of its own, which hides these.
    void startKeptWindows();
    void endKeptWindows() { m_kept.reset(); }

private Q_SLOTS:
    void init() { startKeptWindows(); }
    void cleanup() { endKeptWindows(); }

private:
    std::unique_ptr<KeptWindows> m_kept;
};
