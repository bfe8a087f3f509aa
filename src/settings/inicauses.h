// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/inicontent.h"
#include "settings/settingsfault.h"

#include <QString>
#include <QtGlobal>

class QFileInfo;

// Everything the INI store tells about its file, in one place: why it failed (the cause of a
// SettingsError), naming the file and what is wrong with it, and the notice of a copy kept.
// Where Qt only says that something failed, the usual reasons are looked up here, at the time
// of the failure; the windows put them into words.
namespace inicauses {

// A path as the user's system writes it.
QString Shown(const QString& path);

// The settings file's place is taken by a folder, a pipe, a device or a link to one of them.
SettingsCause NotAFile(const QFileInfo& info);
SettingsCause Unreadable(const QString& file);
SettingsCause ReadOnly(const QString& file);
// A link to a file not made yet, in a folder that does not exist either.
SettingsCause LinkIntoMissingFolder(const QString& file, const QString& target);
SettingsCause FolderReadOnly(const QString& folder);
// What stands in the way of making folder.
SettingsCause FolderNotMade(const QString& folder);

// An oversized file whose part that is read could not be copied to a temporary file.
SettingsCause ReadablePartNotCopied(const QString& file, const QString& failure);
// A file that is not clean, which could not be copied beside itself before a save.
SettingsCause CopyNotKept(const QString& file, const QString& failure);
// An oversized file, kept as copy, that could not be replaced by a small one.
SettingsCause NotStartedAfresh(const QString& file, const QString& copy);
// The notice that a file that was not clean, of size bytes, was kept as copy.
SettingsNotice CopyKept(const QString& copy, const inicontent::Flaw& flaw, qint64 size);

SettingsCause ValueTooLong(const QString& name, const QString& file, qsizetype length);
// Qt could not save file with a value of length bytes in it.
SettingsCause NotWritten(const QString& file, qsizetype length);

} // namespace inicauses
