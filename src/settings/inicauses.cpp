// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inicauses.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace inicauses {

namespace {

// What stands at path, which exists and is no regular file: "a folder", "a named pipe", ...
QString KindOfThing(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat status; // filled in where stat() succeeds
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return QStringLiteral("a folder");
        if (S_ISFIFO(status.st_mode))
            return QStringLiteral("a named pipe");
        if (S_ISSOCK(status.st_mode))
            return QStringLiteral("a socket");
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return QStringLiteral("a device");
    }
#endif
    return QFileInfo(path).isDir() ? QStringLiteral("a folder") : QStringLiteral("something else");
}

// Why a file that rewriting would not keep intact is not clean.
QString WhyNotClean(const inicontent::Flaw& flaw, qint64 size)
{
    using inicontent::Flaw;
    switch (flaw.kind) {
    case Flaw::kTooLarge:
        return QStringLiteral("It is %1, far larger than three settings need, so only its "
                              "beginning was read.")
            .arg(QLocale().formattedDataSize(size, 1, QLocale::DataSizeTraditionalFormat));
    case Flaw::kTooManyLines:
        return QStringLiteral("It has more than %1 lines, far more than three settings need, so "
                              "only its beginning was read.")
            .arg(inicontent::kMostLines);
    case Flaw::kNotText:
        return QStringLiteral("It holds bytes that are not text.");
    case Flaw::kNotSettings:
        return QStringLiteral("It holds lines that are not settings.");
    case Flaw::kKeyTwice:
        return QStringLiteral("It gives %1 more than once; the last one was read.").arg(flaw.key);
    case Flaw::kNone:
        break;
    }
    return {};
}

} // namespace

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Nothing there is ever opened: a pipe would wait for a writer, a device never ends.
QString NotAFile(const QFileInfo& info)
{
    const QString file = info.filePath();
    const QString taken =
        info.isSymLink()
            ? QStringLiteral("%1 is a link to %2, which is %3, not a file.")
                  .arg(Shown(file), Shown(info.symLinkTarget()), KindOfThing(file))
            : QStringLiteral("%1 is %2, not a file.").arg(Shown(file), KindOfThing(file));
    return taken + QStringLiteral(
                       " Rename or remove it, and Poolwright can keep its settings there again.");
}

QString Unreadable(const QString& file)
{
    return QStringLiteral("%1 cannot be read: there is no permission to read it.").arg(Shown(file));
}

QString ReadOnly(const QString& file)
{
    return QStringLiteral("%1 is read-only, so the settings cannot be saved in it.")
        .arg(Shown(file));
}

QString LinkIntoMissingFolder(const QString& file, const QString& target)
{
    return QStringLiteral("%1 is a link to %2, which does not exist and cannot be made, as its "
                          "folder does not exist either.")
        .arg(Shown(file), Shown(target));
}

QString FolderReadOnly(const QString& folder)
{
    return QStringLiteral("The folder %1 is read-only, so the settings cannot be saved in it.")
        .arg(Shown(folder));
}

QString FolderNotMade(const QString& folder)
{
    // What stands in the way is the nearest part of the path that exists.
    QString blocker = folder;
    while (!QFileInfo::exists(blocker) && QFileInfo(blocker).path() != blocker)
        blocker = QFileInfo(blocker).path();
    return QFileInfo(blocker).isDir()
               ? QStringLiteral("The folder %1 cannot be made: %2 is read-only.")
                     .arg(Shown(folder), Shown(blocker))
               : QStringLiteral("The folder %1 cannot be made: %2 is a file, not a folder.")
                     .arg(Shown(folder), Shown(blocker));
}

QString ReadablePartNotCopied(const QString& file, const QString& failure)
{
    return QStringLiteral("%1 is far larger than three settings need, and the part of it that is "
                          "read could not be copied to a temporary file (%2).")
        .arg(Shown(file), failure);
}

QString CopyNotKept(const QString& file, const QString& failure)
{
    return QStringLiteral("%1 could not be read in full, and a copy of it could not be kept "
                          "beside it (%2), so it was not written over.")
        .arg(Shown(file), failure);
}

QString NotStartedAfresh(const QString& file, const QString& copy)
{
    return QStringLiteral("%1 is far larger than three settings need, and it could not be "
                          "replaced by a smaller one. A copy of it was kept as %2.")
        .arg(Shown(file), Shown(copy));
}

QString CopyKept(const QString& copy, const inicontent::Flaw& flaw, qint64 size)
{
    return QStringLiteral("Your settings file could not be read in full, so a copy of it was "
                          "kept as %1 before the new settings were saved. %2")
        .arg(Shown(copy), WhyNotClean(flaw, size));
}

QString ValueTooLong(const QString& name, const QString& file, qsizetype length)
{
    return QStringLiteral("The value for %1 is too long to be kept in %2 (%3 bytes).")
        .arg(name, Shown(file))
        .arg(length);
}

QString NotWritten(const QString& file, qsizetype length)
{
    const QString canonical = QFileInfo(file).canonicalFilePath();
    const QString folder = QFileInfo(canonical.isEmpty() ? file : canonical).path();
    const QStorageInfo disk(folder);
    QString why;
    if (disk.isValid() && disk.bytesAvailable() < 64 * 1024 + length)
        why = QStringLiteral(": the disk it is on is full");
    else if (!QFileInfo(folder).isWritable())
        why = QStringLiteral(": its folder %1 is read-only").arg(Shown(folder));
    return QStringLiteral("%1 could not be written%2.").arg(Shown(file), why);
}

} // namespace inicauses
