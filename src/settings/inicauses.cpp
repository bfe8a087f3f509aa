// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inicauses.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace inicauses {

namespace {

// What stands at path, which exists and is no regular file.
ThingThere KindOfThing(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat status; // filled in where stat() succeeds
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return ThingThere::Folder;
        if (S_ISFIFO(status.st_mode))
            return ThingThere::NamedPipe;
        if (S_ISSOCK(status.st_mode))
            return ThingThere::Socket;
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return ThingThere::Device;
    }
#endif
    return QFileInfo(path).isDir() ? ThingThere::Folder : ThingThere::SomethingElse;
}

SettingsCause About(SettingsCause::Kind kind, const QString& path)
{
    SettingsCause cause;
    cause.kind = kind;
    cause.path = path.toStdString();
    return cause;
}

} // namespace

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Nothing there is ever opened: a pipe would wait for a writer, a device never ends.
SettingsCause NotAFile(const QFileInfo& info)
{
    SettingsCause cause = About(SettingsCause::Kind::NotAFile, info.filePath());
    if (info.isSymLink())
        cause.linkTarget = info.symLinkTarget().toStdString();
    cause.thing = KindOfThing(info.filePath());
    return cause;
}

SettingsCause Unreadable(const QString& file)
{
    return About(SettingsCause::Kind::Unreadable, file);
}

SettingsCause ReadOnly(const QString& file)
{
    return About(SettingsCause::Kind::ReadOnly, file);
}

SettingsCause LinkIntoMissingFolder(const QString& file, const QString& target)
{
    SettingsCause cause = About(SettingsCause::Kind::LinkIntoMissingFolder, file);
    cause.linkTarget = target.toStdString();
    return cause;
}

SettingsCause FolderReadOnly(const QString& folder)
{
    return About(SettingsCause::Kind::FolderReadOnly, folder);
}

SettingsCause FolderNotMade(const QString& folder)
{
    // What stands in the way is the nearest part of the path that exists.
    QString blocker = folder;
    while (!QFileInfo::exists(blocker) && QFileInfo(blocker).path() != blocker)
        blocker = QFileInfo(blocker).path();
    SettingsCause cause =
        About(QFileInfo(blocker).isDir() ? SettingsCause::Kind::FolderNotMadeReadOnly
                                         : SettingsCause::Kind::FolderNotMadeFileInWay,
              folder);
    cause.otherPath = blocker.toStdString();
    return cause;
}

SettingsCause ReadablePartNotCopied(const QString& file, const QString& failure)
{
    SettingsCause cause = About(SettingsCause::Kind::ReadablePartNotCopied, file);
    cause.detail = failure.toStdString();
    return cause;
}

SettingsCause CopyNotKept(const QString& file, const QString& failure)
{
    SettingsCause cause = About(SettingsCause::Kind::CopyNotKept, file);
    cause.detail = failure.toStdString();
    return cause;
}

SettingsCause NotStartedAfresh(const QString& file, const QString& copy)
{
    SettingsCause cause = About(SettingsCause::Kind::NotStartedAfresh, file);
    cause.otherPath = copy.toStdString();
    return cause;
}

SettingsNotice CopyKept(const QString& copy, const inicontent::Flaw& flaw, qint64 size)
{
    SettingsNotice notice;
    notice.copy = copy.toStdString();
    switch (flaw.kind) {
    case inicontent::Flaw::kTooLarge:
        notice.flaw = SettingsNotice::Flaw::TooLarge;
        notice.size = size;
        break;
    case inicontent::Flaw::kTooManyLines:
        notice.flaw = SettingsNotice::Flaw::TooManyLines;
        notice.lineLimit = inicontent::kMostLines;
        break;
    case inicontent::Flaw::kNotText:
        notice.flaw = SettingsNotice::Flaw::NotText;
        break;
    case inicontent::Flaw::kKeyTwice:
        notice.flaw = SettingsNotice::Flaw::KeyTwice;
        notice.key = flaw.key.toStdString();
        break;
    case inicontent::Flaw::kNotSettings:
    case inicontent::Flaw::kNone: // never kept
        notice.flaw = SettingsNotice::Flaw::NotSettings;
        break;
    }
    return notice;
}

SettingsCause ValueTooLong(const QString& name, const QString& file, qsizetype length)
{
    SettingsCause cause = About(SettingsCause::Kind::ValueTooLong, file);
    cause.key = name.toStdString();
    cause.size = length;
    return cause;
}

SettingsCause NotWritten(const QString& file, qsizetype length)
{
    const QString canonical = QFileInfo(file).canonicalFilePath();
    const QString folder = QFileInfo(canonical.isEmpty() ? file : canonical).path();
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.bytesAvailable() < 64 * 1024 + length)
        return About(SettingsCause::Kind::NotWrittenDiskFull, file);
    if (!QFileInfo(folder).isWritable()) {
        SettingsCause cause = About(SettingsCause::Kind::NotWrittenFolderReadOnly, file);
        cause.otherPath = folder.toStdString();
        return cause;
    }
    return About(SettingsCause::Kind::NotWritten, file);
}

} // namespace inicauses
