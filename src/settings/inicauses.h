// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/inicontent.h"

#include <QString>
#include <QtGlobal>

class QFileInfo;

// Everything the INI store tells the user about its file, in one place: why it failed (the
// cause of a SettingsError), naming the file and what is wrong with it, and the notice of a
// copy kept. Where Qt only says that something failed, the usual reasons are looked up here.
namespace inicauses {

// A path as the user's system writes it.
QString Shown(const QString& path);

// The settings file's place is taken by a folder, a pipe, a device or a link to one of them.
QString NotAFile(const QFileInfo& info);
QString Unreadable(const QString& file);
QString ReadOnly(const QString& file);
// A link to a file not made yet, in a folder that does not exist either.
QString LinkIntoMissingFolder(const QString& file, const QString& target);
QString FolderReadOnly(const QString& folder);
// What stands in the way of making folder.
QString FolderNotMade(const QString& folder);

// An oversized file whose part that is read could not be copied to a temporary file.
QString ReadablePartNotCopied(const QString& file, const QString& failure);
// A file that is not clean, which could not be copied beside itself before a save.
QString CopyNotKept(const QString& file, const QString& failure);
// An oversized file, kept as copy, that could not be replaced by a small one.
QString NotStartedAfresh(const QString& file, const QString& copy);
// The notice that a file that was not clean, of size bytes, was kept as copy.
QString CopyKept(const QString& copy, const inicontent::Flaw& flaw, qint64 size);

QString ValueTooLong(const QString& name, const QString& file, qsizetype length);
// Qt could not save file with a value of length bytes in it.
QString NotWritten(const QString& file, qsizetype length);

} // namespace inicauses
