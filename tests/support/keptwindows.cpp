// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/keptwindows.h"

#include "support/windowchecks.h"

KeptWindows::~KeptWindows()
{
    CloseEveryWindow(keeper);
}

QWidget* KeptWindows::open(WindowKind kind, const QString& uom)
{
    settings.store(QStringLiteral("20000"), QStringLiteral("6"), uom);
    return keeper.show(kind);
}
