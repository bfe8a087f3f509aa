// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/keptwindows.h"
#include "support/windowtests.h"

#include <QMetaType>

#include <memory>
#include <utility>

// So that a test's rows can hold a kind of window.
Q_DECLARE_METATYPE(WindowKind)

// Every kind of window, with the name its test rows go by.
inline constexpr std::pair<const char*, WindowKind> kEveryWindow[] = {
    {"main", WindowKind::Main},
    {"about", WindowKind::About},
    {"alkalinity", WindowKind::Alkalinity},
    {"calcium", WindowKind::CalciumHardness},
    {"cyanuric", WindowKind::CyanuricAcid},
    {"pH", WindowKind::Ph},
    {"dilution", WindowKind::Dilution},
    {"borax", WindowKind::Borax},
    {"pool volume", WindowKind::PoolVolume},
    {"salt", WindowKind::Salt},
    {"settings", WindowKind::Settings},
    {"saturation", WindowKind::SaturationIndex},
};

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
