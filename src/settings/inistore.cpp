// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inistore.h"

#include "settings/inisyntax.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStorageInfo>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

IniStore::IniStore(QString root) : m_root(std::move(root)) {}

IniStore::~IniStore() = default;

QString IniStore::ConfigRootFromEnvironment()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return configHome;
    return QDir::homePath() + QLatin1String("/.config");
}

bool IniStore::split(const std::string& keyPath, QString& app, QString& group) const
{
    const QStringList parts = QString::fromStdString(keyPath).split(QLatin1Char('\\'));
    if (parts.size() != 3 || parts[1].isEmpty() || parts[2].isEmpty())
        return false;
    app = parts[1];
    group = parts[2];
    return true;
}

QString IniStore::filePath(const std::string& keyPath) const
{
    QString app, group;
    if (!split(keyPath, app, group))
        return {};
    return m_root + QLatin1Char('/') + app + QLatin1Char('/') + app + QLatin1String(".ini");
}

namespace {

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

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

// The settings file's place is taken by a folder, a pipe, a device or a link to one of them.
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

// The beginning of a settings file, at most kLargestFile bytes of it, and whether the file is
// larger than three values can need.
struct Beginning
{
    bool read = false;
    qint64 size = 0;
    QByteArray bytes;
    bool oversized = false;
};

Beginning ReadBeginning(const QString& file)
{
    Beginning beginning;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return beginning;
    beginning.size = in.size();
    beginning.bytes = in.read(IniStore::kLargestFile + 1);
    beginning.read = in.error() == QFileDevice::NoError;
    if (beginning.bytes.size() > IniStore::kLargestFile) {
        beginning.oversized = true;
        // The line cut short at the limit is not read.
        beginning.bytes.truncate(beginning.bytes.lastIndexOf('\n', IniStore::kLargestFile - 1) + 1);
    } else {
        beginning.oversized = beginning.bytes.count('\n') > IniStore::kMostLines;
    }
    return beginning;
}

// The lines of bytes (a file's beginning) that give values of [group], as a file of their own,
// from which the values of a file too large to be read whole are read: the group\key lines of
// [General], and each section that Qt takes for [group], under its own header.
QByteArray SectionLines(const QByteArray& bytes, const QString& group)
{
    const QString prefix = group + QLatin1Char('/');
    QByteArray general;
    QByteArray sections;
    // What the section of the line read puts before its keys: empty in [General] (and before
    // any header), prefix in [group], nullopt in any other.
    std::optional<QString> section = QString();
    int kept = 0;
    inisyntax::ForEachLine(bytes, [&](const inisyntax::Line& line) {
        if (kept >= IniStore::kMostLines)
            return;
        if (const std::optional<QString> opened = inisyntax::SectionPrefix(line.text)) {
            section = opened->isEmpty() || opened == prefix ? opened : std::nullopt;
            if (section == prefix) {
                sections += line.text;
                sections += '\n';
            }
        } else if (section == prefix) {
            sections += line.text;
            sections += '\n';
            ++kept;
        } else if (section && line.equals >= 0 &&
                   inisyntax::DecodedKey(line.text.first(line.equals).trimmed())
                       .startsWith(prefix)) {
            general += line.text;
            general += '\n';
            ++kept;
        }
    });
    return general + sections;
}

// A copy of the lines that SectionLines keeps, in a temporary file; nullptr, with why in
// failure, when it cannot be written.
std::shared_ptr<QTemporaryFile> WriteReadablePart(const Beginning& beginning, const QString& group,
                                                  QString* failure = nullptr)
{
    auto part = std::make_shared<QTemporaryFile>();
    if (!part->open() || part->write(SectionLines(beginning.bytes, group)) < 0 || !part->flush()) {
        if (failure != nullptr)
            *failure = part->errorString();
        return nullptr;
    }
    part->close();
    return part;
}

// Why a file that rewriting would not keep intact is not clean, for the user; empty when it
// is clean: UTF-8 text of blank lines, [sections] and key=value lines only, each key once in
// its section, that Qt reads without a format error.
QString WhyNotClean(const Beginning& beginning)
{
    if (beginning.oversized) {
        return beginning.size > IniStore::kLargestFile
                   ? QStringLiteral("It is %1, far larger than three settings need, so only its "
                                    "beginning was read.")
                         .arg(QLocale().formattedDataSize(beginning.size, 1,
                                                          QLocale::DataSizeTraditionalFormat))
                   : QStringLiteral("It has more than %1 lines, far more than three settings "
                                    "need, so only its beginning was read.")
                         .arg(IniStore::kMostLines);
    }
    const QString notText = QStringLiteral("It holds bytes that are not text.");
    if (beginning.bytes.contains('\0'))
        return notText;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(beginning.bytes);
    if (utf8.hasError())
        return notText;
    QString section;
    QSet<QString> keys;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toString();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return QStringLiteral("It holds lines that are not settings.");
        // Qt keeps the last of a key given twice; a save would drop the others unseen.
        const QString key = line.left(equals).trimmed().toString();
        const QString path = section + QLatin1Char('/') + key;
        if (keys.contains(path))
            return QStringLiteral("It gives %1 more than once; the last one was read.").arg(key);
        keys.insert(path);
    }
    return {};
}

// Qt locks the file while it saves it. A writer killed between creating that lock and writing
// its process id into it leaves an empty lock, which Qt would wait 30 s on before it gives it
// up; an empty lock that has stood for 2 s is given up here. A lock with the id of a dead
// process is given up at once, by Qt.
void GiveUpAbandonedLock(const QString& file)
{
    QLockFile probe(file + QLatin1String(".lock"));
    probe.setStaleLockTime(2000);
    if (probe.tryLock(3000))
        probe.unlock();
}

// Puts in place of file what could be read of it: group's values as Qt writes them, so that
// the new file is clean and small. Under Qt's own lock, and atomically.
bool StartAfresh(const QString& file, const QString& readablePart)
{
    QTemporaryFile fresh;
    if (!fresh.open())
        return false;
    fresh.close();
    {
        const QSettings from(readablePart, QSettings::IniFormat);
        QSettings to(fresh.fileName(), QSettings::IniFormat);
        for (const QString& key : from.allKeys())
            to.setValue(key, from.value(key));
        to.sync();
        if (to.status() != QSettings::NoError)
            return false;
    }
    // By its name: Qt saved over it with a new file, which the open temporary file is not.
    QFile written(fresh.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contents = written.readAll();
    GiveUpAbandonedLock(file);
    QLockFile lock(file + QLatin1String(".lock"));
    if (!lock.tryLock(10000))
        return false;
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(contents) == contents.size() && out.commit();
}

} // namespace

long IniStore::openHandle(Section section, Key& key)
{
    key = m_nextKey++;
    m_open[key] = std::move(section);
    return kSuccess;
}

long IniStore::refuse(const QString& cause)
{
    m_cause = cause.toStdString();
    return kAccessDenied;
}

long IniStore::OpenKey(const std::string& path, Key& key)
{
    m_cause.clear();
    QString app, group;
    if (!split(path, app, group))
        return kFileNotFound;
    const QString file = filePath(path);
    const QFileInfo info(file);
    if (!info.exists())
        return kFileNotFound; // nothing stored yet, or a link to a file not made yet
    if (!info.isFile())
        return refuse(NotAFile(info));
    if (!info.isReadable())
        return refuse(Unreadable(file));
    const Beginning beginning = ReadBeginning(file);
    if (!beginning.read)
        return refuse(Unreadable(file));
    Section section{file, group, file, nullptr};
    if (beginning.oversized) {
        QString failure;
        section.readablePart = WriteReadablePart(beginning, group, &failure);
        if (!section.readablePart)
            return refuse(QStringLiteral("%1 is far larger than three settings need, and the part "
                                         "of it that is read could not be copied to a temporary "
                                         "file (%2).")
                              .arg(Shown(file), failure));
        section.readFrom = section.readablePart->fileName();
    }
    const QSettings settings(section.readFrom, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return refuse(Unreadable(file));
    if (!settings.childGroups().contains(group))
        return kFileNotFound;
    return openHandle(std::move(section), key);
}

bool IniStore::makeFolder(const QString& folder)
{
    if (QDir().mkpath(folder)) {
        if (QFileInfo(folder).isWritable())
            return true;
        m_cause =
            QStringLiteral("The folder %1 is read-only, so the settings cannot be saved in it.")
                .arg(Shown(folder))
                .toStdString();
        return false;
    }
    // What stands in the way is the nearest part of the path that exists.
    QString blocker = folder;
    while (!QFileInfo::exists(blocker) && QFileInfo(blocker).path() != blocker)
        blocker = QFileInfo(blocker).path();
    m_cause = (QFileInfo(blocker).isDir()
                   ? QStringLiteral("The folder %1 cannot be made: %2 is read-only.")
                         .arg(Shown(folder), Shown(blocker))
                   : QStringLiteral("The folder %1 cannot be made: %2 is a file, not a folder.")
                         .arg(Shown(folder), Shown(blocker)))
                  .toStdString();
    return false;
}

long IniStore::CreateKey(const std::string& path, Key& key)
{
    m_cause.clear();
    QString app, group;
    if (!split(path, app, group))
        return kAccessDenied;
    const QString file = filePath(path);
    if (!makeFolder(QFileInfo(file).path()))
        return kAccessDenied;
    const QFileInfo info(file);
    if (info.isSymLink() && !info.exists()) {
        // A link to a file not made yet: saving makes it, in the folder the link points into.
        const QString target = info.symLinkTarget();
        if (!QFileInfo(QFileInfo(target).path()).isDir())
            return refuse(QStringLiteral("%1 is a link to %2, which does not exist and cannot be "
                                         "made, as its folder does not exist either.")
                              .arg(Shown(file), Shown(target)));
    }
    if (info.exists() && !info.isFile())
        return refuse(NotAFile(info));
    if (info.exists() && !info.isWritable())
        return refuse(QStringLiteral("%1 is read-only, so the settings cannot be saved in it.")
                          .arg(Shown(file)));
    if (info.exists() && !keepCopyIfNotClean(file, group))
        return kAccessDenied; // never write over a file that could not be kept
    return openHandle(Section{file, group, file, nullptr}, key);
}

bool IniStore::keepCopyIfNotClean(const QString& file, const QString& group)
{
    const Beginning beginning = ReadBeginning(file);
    if (!beginning.read) {
        m_cause = Unreadable(file).toStdString();
        return false;
    }
    QString why = WhyNotClean(beginning);
    if (why.isEmpty() && QSettings(file, QSettings::IniFormat).status() != QSettings::NoError)
        why = QStringLiteral("It holds lines that are not settings.");
    if (why.isEmpty())
        return true;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = file + QLatin1Char('.') + stamp + QLatin1String(".bak");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = file + QLatin1Char('.') + stamp + QLatin1Char('-') + QString::number(n) +
               QLatin1String(".bak");
    QFile original(file);
    if (!original.copy(copy)) {
        m_cause = QStringLiteral("%1 could not be read in full, and a copy of it could not be "
                                 "kept beside it (%2), so it was not written over.")
                      .arg(Shown(file), original.errorString())
                      .toStdString();
        return false;
    }
    if (beginning.oversized) {
        // Saving over it would parse and rewrite it whole, at every save.
        const std::shared_ptr<QTemporaryFile> part = WriteReadablePart(beginning, group);
        if (!part || !StartAfresh(file, part->fileName())) {
            m_cause = QStringLiteral("%1 is far larger than three settings need, and it could not "
                                     "be replaced by a smaller one. A copy of it was kept as %2.")
                          .arg(Shown(file), Shown(copy))
                          .toStdString();
            return false;
        }
    }
    m_notice = QStringLiteral("Your settings file could not be read in full, so a copy of it was "
                              "kept as %1 before the new settings were saved. %2")
                   .arg(Shown(copy), why)
                   .toStdString();
    return true;
}

std::string IniStore::TakeNotice()
{
    return std::exchange(m_notice, std::string());
}

std::string IniStore::TakeFailureCause()
{
    return std::exchange(m_cause, std::string());
}

std::string IniStore::Location(const std::string& path)
{
    return Shown(filePath(path)).toStdString();
}

namespace {

std::uint32_t RegistryType(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return SettingsStore::kString;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return SettingsStore::kInteger;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return SettingsStore::kInteger64;
    case QMetaType::QStringList:
        return SettingsStore::kStringList;
    default:
        return SettingsStore::kBinary;
    }
}

} // namespace

long IniStore::QueryValue(Key key, const std::string& name, std::uint32_t& type, char* data,
                          std::uint32_t& size)
{
    const auto section = m_open.find(key);
    if (section == m_open.end())
        return kAccessDenied;
    QSettings settings(section->second.readFrom, QSettings::IniFormat);
    settings.beginGroup(section->second.group);
    const QString valueName = QString::fromStdString(name);
    if (!settings.contains(valueName))
        return kFileNotFound;
    const QVariant value = settings.value(valueName);
    type = RegistryType(value);
    QString text = value.toString();
    if (type == kStringList || value.typeId() == QMetaType::QVariantList) {
        // Qt reads a comma outside quotes as the start of a list. Qt quotes every text it
        // writes with a comma in it, so this was written by hand ("PoolSize=20,000"), or is a
        // list, which no setting of this program is: it reads as the text written.
        QFile in(section->second.readFrom);
        const std::optional<QByteArray> raw =
            in.open(QIODevice::ReadOnly)
                ? inisyntax::RawValue(in.read(kLargestFile + 1), section->second.group, valueName)
                : std::nullopt;
        if (const std::optional<QString> written =
                raw ? inisyntax::TextWithCommas(*raw) : std::nullopt) {
            type = kString;
            text = *written;
        }
    }
    // A string's bytes are its UTF-8 text and one terminating zero; other types report the
    // size of their text form, which MRegistry never reads.
    const QByteArray bytes = text.toUtf8() + '\0';
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
        return kAccessDenied;
    const auto needed = static_cast<std::uint32_t>(bytes.size());
    if (data == nullptr) {
        size = needed;
        return kSuccess;
    }
    if (size < needed) {
        size = needed;
        return kMoreData;
    }
    std::memcpy(data, bytes.constData(), needed);
    size = needed;
    return kSuccess;
}

long IniStore::SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                        std::uint32_t size)
{
    const auto section = m_open.find(key);
    if (section == m_open.end() || type != kString)
        return kAccessDenied;
    m_cause.clear();
    // The stored text leaves out the terminating zero.
    const auto length = static_cast<qsizetype>(size > 0 && data[size - 1] == '\0' ? size - 1 : size);
    // Escaped, a byte takes at most four ("\x1f"). A value that could make the file too large
    // to be read whole would not read back, so it is refused rather than written.
    const qint64 largestLine = 4 * qint64{length} + qint64(name.size()) + 2;
    if (QFileInfo(section->second.file).size() + largestLine > kLargestFile)
        return refuse(QStringLiteral("The value for %1 is too long to be kept in %2 (%3 bytes).")
                          .arg(QString::fromStdString(name), Shown(section->second.file))
                          .arg(length));
    GiveUpAbandonedLock(section->second.file);
    QSettings settings(section->second.file, QSettings::IniFormat);
    settings.beginGroup(section->second.group);
    settings.setValue(QString::fromStdString(name), QString::fromUtf8(data, length));
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return kSuccess;
    // Qt tells no more than that it failed; the usual reasons can be seen from outside.
    const QString& file = section->second.file;
    const QString folder = QFileInfo(QFileInfo(file).canonicalFilePath().isEmpty()
                                         ? file
                                         : QFileInfo(file).canonicalFilePath())
                               .path();
    const QStorageInfo disk(folder);
    QString why;
    if (disk.isValid() && disk.bytesAvailable() < 64 * 1024 + length)
        why = QStringLiteral(": the disk it is on is full");
    else if (!QFileInfo(folder).isWritable())
        why = QStringLiteral(": its folder %1 is read-only").arg(Shown(folder));
    return refuse(QStringLiteral("%1 could not be written%2.").arg(Shown(file), why));
}

long IniStore::CloseKey(Key key)
{
    return m_open.erase(key) == 1 ? kSuccess : kAccessDenied;
}
