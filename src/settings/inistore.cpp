// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inistore.h"

#include "settings/inicauses.h"
#include "settings/inilock.h"
#include "settings/inisyntax.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#include <cstring>
#include <limits>
#include <optional>
#include <utility>

namespace {

// The beginning of file as inicontent judges it; nullopt where it cannot be read.
std::optional<inicontent::Beginning> ReadBeginning(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = in.size();
    QByteArray first = in.read(inicontent::kLargestFile + 1);
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    return inicontent::BeginningOf(std::move(first), size);
}

// bytes in a temporary file; nullptr, with why in failure, when it cannot be written.
std::shared_ptr<QTemporaryFile> WriteTemporaryFile(const QByteArray& bytes,
                                                   QString* failure = nullptr)
{
    auto part = std::make_shared<QTemporaryFile>();
    if (!part->open() || part->write(bytes) < 0 || !part->flush()) {
        if (failure != nullptr)
            *failure = part->errorString();
        return nullptr;
    }
    part->close();
    return part;
}

// The values of the INI file iniFile as Qt writes them, in a new file; nullopt where it fails.
std::optional<QByteArray> RewrittenByQt(const QString& iniFile)
{
    QTemporaryFile fresh;
    if (!fresh.open())
        return std::nullopt;
    fresh.close();
    {
        const QSettings from(iniFile, QSettings::IniFormat);
        QSettings to(fresh.fileName(), QSettings::IniFormat);
        for (const QString& key : from.allKeys())
            to.setValue(key, from.value(key));
        to.sync();
        if (to.status() != QSettings::NoError)
            return std::nullopt;
    }
    // By its name: Qt saved over it with a new file, which the open temporary file is not.
    QFile written(fresh.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return std::nullopt;
    return written.readAll();
}

// Puts in place of file what could be read of it: group's values as Qt writes them, so that
// the new file is clean and small.
bool StartAfresh(const QString& file, const inicontent::Beginning& beginning, const QString& group)
{
    const std::shared_ptr<QTemporaryFile> part =
        WriteTemporaryFile(inicontent::LinesGivingSection(beginning.bytes, group));
    if (!part)
        return false;
    const std::optional<QByteArray> contents = RewrittenByQt(part->fileName());
    return contents && inilock::Replace(file, *contents);
}

// Copies file beside itself, named for the time; the copy's name, or empty with why in failure.
QString KeepCopyBeside(const QString& file, QString& failure)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = file + QLatin1Char('.') + stamp + QLatin1String(".bak");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = file + QLatin1Char('.') + stamp + QLatin1Char('-') + QString::number(n) +
               QLatin1String(".bak");
    QFile original(file);
    if (original.copy(copy))
        return copy;
    failure = original.errorString();
    return {};
}

// Makes folder where it is missing; why it cannot hold the settings file, if it cannot.
std::optional<SettingsCause> MakeFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return inicauses::FolderNotMade(folder);
    if (!QFileInfo(folder).isWritable())
        return inicauses::FolderReadOnly(folder);
    return std::nullopt;
}

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

long IniStore::addOpenKey(Section section, Key& key)
{
    key = m_nextKey++;
    m_open[key] = std::move(section);
    return kSuccess;
}

long IniStore::refuse(SettingsCause cause)
{
    m_cause = std::move(cause);
    return kAccessDenied;
}

long IniStore::OpenKey(const std::string& path, Key& key)
{
    m_cause = {};
    QString app, group;
    if (!split(path, app, group))
        return kFileNotFound;
    const QString file = filePath(path);
    const QFileInfo info(file);
    if (!info.exists())
        return kFileNotFound; // nothing stored yet, or a link to a file not made yet
    if (!info.isFile())
        return refuse(inicauses::NotAFile(info));
    if (!info.isReadable())
        return refuse(inicauses::Unreadable(file));
    const std::optional<inicontent::Beginning> beginning = ReadBeginning(file);
    if (!beginning)
        return refuse(inicauses::Unreadable(file));
    Section section{file, group, file, nullptr};
    if (beginning->oversized) {
        QString failure;
        section.readablePart =
            WriteTemporaryFile(inicontent::LinesGivingSection(beginning->bytes, group), &failure);
        if (!section.readablePart)
            return refuse(inicauses::ReadablePartNotCopied(file, failure));
        section.readFrom = section.readablePart->fileName();
    }
    const QSettings settings(section.readFrom, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return refuse(inicauses::Unreadable(file));
    if (!settings.childGroups().contains(group))
        return kFileNotFound;
    return addOpenKey(std::move(section), key);
}

long IniStore::CreateKey(const std::string& path, Key& key)
{
    m_cause = {};
    QString app, group;
    if (!split(path, app, group))
        return kAccessDenied;
    const QString file = filePath(path);
    if (std::optional<SettingsCause> failure = MakeFolder(QFileInfo(file).path()))
        return refuse(std::move(*failure));
    const QFileInfo info(file);
    if (info.isSymLink() && !info.exists()) {
        // A link to a file not made yet: saving makes it, in the folder the link points into.
        const QString target = info.symLinkTarget();
        if (!QFileInfo(QFileInfo(target).path()).isDir())
            return refuse(inicauses::LinkIntoMissingFolder(file, target));
    }
    if (info.exists() && !info.isFile())
        return refuse(inicauses::NotAFile(info));
    if (info.exists() && !info.isWritable())
        return refuse(inicauses::ReadOnly(file));
    if (info.exists()) {
        // never write over a file that could not be kept
        if (std::optional<SettingsCause> failure = keepWhatASaveWouldLose(file, group))
            return refuse(std::move(*failure));
    }
    return addOpenKey(Section{file, group, file, nullptr}, key);
}

std::optional<SettingsCause> IniStore::keepWhatASaveWouldLose(const QString& file,
                                                              const QString& group)
{
    const std::optional<inicontent::Beginning> beginning = ReadBeginning(file);
    if (!beginning)
        return inicauses::Unreadable(file);
    inicontent::Flaw flaw = inicontent::FirstFlaw(*beginning);
    if (flaw.kind == inicontent::Flaw::kNone &&
        QSettings(file, QSettings::IniFormat).status() != QSettings::NoError)
        flaw.kind = inicontent::Flaw::kNotSettings;
    if (flaw.kind == inicontent::Flaw::kNone)
        return std::nullopt;
    QString failure;
    const QString copy = KeepCopyBeside(file, failure);
    if (copy.isEmpty())
        return inicauses::CopyNotKept(file, failure);
    // Saving over an oversized file would parse and rewrite it whole, at every save.
    if (beginning->oversized && !StartAfresh(file, *beginning, group))
        return inicauses::NotStartedAfresh(file, copy);
    m_notice = inicauses::CopyKept(copy, flaw, beginning->size);
    return std::nullopt;
}

std::optional<SettingsNotice> IniStore::TakeNotice()
{
    return std::exchange(m_notice, std::nullopt);
}

SettingsCause IniStore::TakeFailureCause()
{
    return std::exchange(m_cause, SettingsCause());
}

std::string IniStore::Location(const std::string& path)
{
    return inicauses::Shown(filePath(path)).toStdString();
}

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
    m_cause = {};
    // The stored text leaves out the terminating zero.
    const auto length =
        static_cast<qsizetype>(size > 0 && data[size - 1] == '\0' ? size - 1 : size);
    // Escaped, a byte takes at most four ("\x1f"). A value that could make the file too large
    // to be read whole would not read back, so it is refused rather than written.
    const qint64 largestLine = 4 * qint64{length} + qint64(name.size()) + 2;
    if (QFileInfo(section->second.file).size() + largestLine > kLargestFile)
        return refuse(
            inicauses::ValueTooLong(QString::fromStdString(name), section->second.file, length));
    inilock::GiveUpAbandonedLock(section->second.file);
    QSettings settings(section->second.file, QSettings::IniFormat);
    settings.beginGroup(section->second.group);
    settings.setValue(QString::fromStdString(name), QString::fromUtf8(data, length));
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return kSuccess;
    // Qt tells no more than that it failed; the usual reasons can be seen from outside.
    return refuse(inicauses::NotWritten(section->second.file, length));
}

long IniStore::CloseKey(Key key)
{
    return m_open.erase(key) == 1 ? kSuccess : kAccessDenied;
}
