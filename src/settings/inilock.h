// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Qt's lock on a settings file ("<file>.lock", a QLockFile), taken by every QSettings that saves
// it, here and in another copy of the program. The store writes a file itself only under it.
namespace inilock {

// A writer killed between creating the lock and writing its process id into it leaves an empty
// lock, which Qt would wait 30 s on before it gives it up; an empty lock that has stood for 2 s
// is given up here. A lock with the id of a dead process is given up at once, by Qt.
void GiveUpAbandonedLock(const QString& file);

// Puts contents in place of file, under the lock and atomically; false where it cannot.
bool Replace(const QString& file, const QByteArray& contents);

} // namespace inilock
