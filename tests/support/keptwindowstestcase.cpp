// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/keptwindowstestcase.h"

#include "app/windowcatalog.h"

void KeptWindowsTestCase::startKeptWindows()
{
    m_kept = std::make_unique<KeptWindows>();
    RegisterWindows(m_kept->services);
}
