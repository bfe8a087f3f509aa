// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inilock.h"

#include <QLockFile>
#include <QSaveFile>

namespace inilock {

void GiveUpAbandonedLock(const QString& file)
{
    QLockFile probe(file + QLatin1String(".lock"));
    probe.setStaleLockTime(2000);
    if (probe.tryLock(3000))
        probe.unlock();
}

bool Replace(const QString& file, const QByteArray& contents)
{
    GiveUpAbandonedLock(file);
    QLockFile lock(file + QLatin1String(".lock"));
    if (!lock.tryLock(10000))
        return false;
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(contents) == contents.size() && out.commit();
}

} // namespace inilock
