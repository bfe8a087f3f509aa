#include "support/temporarysettings.h"

#include "settings/defaults.h"

TemporarySettings::TemporarySettings() : m_file(m_dir.path()), m_target(&m_file) {}

void TemporarySettings::store(const QString& poolSize, const QString& bleachStrength,
                              const QString& uom)
{
    defaults::Write(*this, defaults::kPoolSize, poolSize);
    defaults::Write(*this, defaults::kBleachStrength, bleachStrength);
    defaults::Write(*this, defaults::kUnitOfMeasure, uom);
}

QString TemporarySettings::read(const char* key, const QString& defaultValue)
{
    return defaults::Read(*this, key, defaultValue);
}

QString TemporarySettings::filePath() const
{
    return m_file.filePath("SOFTWARE\\Poolwright\\Defaults");
}

long TemporarySettings::OpenKey(const std::string& path, Key& key)
{
    return m_target->OpenKey(path, key);
}

long TemporarySettings::CreateKey(const std::string& path, Key& key)
{
    return m_target->CreateKey(path, key);
}

long TemporarySettings::QueryValue(Key key, const std::string& name, std::uint32_t& type,
                                   char* data, std::uint32_t& size)
{
    return m_target->QueryValue(key, name, type, data, size);
}

long TemporarySettings::SetValue(Key key, const std::string& name, std::uint32_t type,
                                 const char* data, std::uint32_t size)
{
    return m_target->SetValue(key, name, type, data, size);
}

long TemporarySettings::CloseKey(Key key)
{
    return m_target->CloseKey(key);
}

std::string TemporarySettings::TakeNotice()
{
    return m_target->TakeNotice();
}

std::string TemporarySettings::TakeFailureCause()
{
    return m_target->TakeFailureCause();
}
