#include "settings/inistore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

IniStore::IniStore(QString root) : m_root(std::move(root)) {}

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

long IniStore::openHandle(const QString& file, const QString& group, Key& key)
{
    key = m_nextKey++;
    m_open[key] = Section{file, group};
    return kSuccess;
}

long IniStore::OpenKey(const std::string& path, Key& key)
{
    QString app, group;
    if (!split(path, app, group))
        return kFileNotFound;
    const QString file = filePath(path);
    const QFileInfo info(file);
    if (!info.exists())
        return kFileNotFound;
    if (!info.isFile() || !info.isReadable())
        return kAccessDenied;
    QSettings settings(file, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return kAccessDenied;
    if (!settings.childGroups().contains(group))
        return kFileNotFound;
    return openHandle(file, group, key);
}

long IniStore::CreateKey(const std::string& path, Key& key)
{
    QString app, group;
    if (!split(path, app, group))
        return kAccessDenied;
    const QString file = filePath(path);
    const QString folder = QFileInfo(file).path();
    // mkpath fails where a plain file stands in the way of the folder.
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        return kAccessDenied;
    const QFileInfo info(file);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return kAccessDenied;
    if (info.exists() && !keepCopyIfNotClean(file))
        return kAccessDenied; // never write over a file that could not be kept
    return openHandle(file, group, key);
}

namespace {

// A file that rewriting keeps intact: UTF-8 text of blank lines, [sections] and key=value
// lines only, that Qt reads without a format error.
bool IsClean(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return false;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        const bool section = line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
        if (!line.isEmpty() && !section && !line.contains(QLatin1Char('=')))
            return false;
    }
    return QSettings(file, QSettings::IniFormat).status() == QSettings::NoError;
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

} // namespace

bool IniStore::keepCopyIfNotClean(const QString& file)
{
    if (IsClean(file))
        return true;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = file + QLatin1Char('.') + stamp + QLatin1String(".bak");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = file + QLatin1Char('.') + stamp + QLatin1Char('-') + QString::number(n) +
               QLatin1String(".bak");
    if (!QFile::copy(file, copy))
        return false;
    m_notice = QStringLiteral("Your settings file could not be read in full, so a copy of it was "
                              "kept as %1 before the new settings were saved.")
                   .arg(QDir::toNativeSeparators(copy))
                   .toStdString();
    return true;
}

std::string IniStore::TakeNotice()
{
    return std::exchange(m_notice, std::string());
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
    QSettings settings(section->second.file, QSettings::IniFormat);
    settings.beginGroup(section->second.group);
    const QString valueName = QString::fromStdString(name);
    if (!settings.contains(valueName))
        return kFileNotFound;
    const QVariant value = settings.value(valueName);
    type = RegistryType(value);
    // A string's bytes are its UTF-8 text and one terminating zero; other types report the
    // size of their text form, which MRegistry never reads.
    const QByteArray bytes = value.toString().toUtf8() + '\0';
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
    // The stored text leaves out the terminating zero.
    const auto length = static_cast<qsizetype>(size > 0 && data[size - 1] == '\0' ? size - 1 : size);
    GiveUpAbandonedLock(section->second.file);
    QSettings settings(section->second.file, QSettings::IniFormat);
    settings.beginGroup(section->second.group);
    settings.setValue(QString::fromStdString(name), QString::fromUtf8(data, length));
    settings.sync();
    return settings.status() == QSettings::NoError ? kSuccess : kAccessDenied;
}

long IniStore::CloseKey(Key key)
{
    return m_open.erase(key) == 1 ? kSuccess : kAccessDenied;
}
