// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/keptwindowstestcase.h"

#include "app/windowcatalog.h"

void FailForWindowsNotIn(const std::set<WindowKind>& found)
{
    for (const WindowRow& window : Windows())
        if (!found.contains(window.kind))
            QTest::qFail(qPrintable(QStringLiteral("no row for the %1 window")
                                        .arg(QLatin1String(window.shortName))),
                         __FILE__, __LINE__);
}

void AddEveryWindowInEachUnitSystem(const std::set<WindowKind>& leftOut)
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("uom");
    for (const WindowRow& window : Windows()) {
        if (leftOut.contains(window.kind))
            continue;
        for (const char* uom : {"Imperial", "Metric"})
            QTest::addRow("%s, %s", window.shortName, uom)
                << window.kind << QString::fromLatin1(uom);
    }
}

void KeptWindowsTestCase::startKeptWindows()
{
    m_kept = std::make_unique<KeptWindows>();
    RegisterWindows(m_kept->services);
}
