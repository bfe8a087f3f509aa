#include "support/temporarysettings.h"

#include "settings/activestore.h"
#include "settings/defaults.h"

TemporarySettings::TemporarySettings()
    : m_store(std::make_unique<IniStore>(m_dir.path())), m_previous(&ActiveStore())
{
    ReplaceActiveStore(m_store.get());
}

TemporarySettings::~TemporarySettings()
{
    ReplaceActiveStore(m_previous);
}

void TemporarySettings::store(const QString& poolSize, const QString& bleachStrength,
                              const QString& uom)
{
    defaults::Write(defaults::kPoolSize, poolSize);
    defaults::Write(defaults::kBleachStrength, bleachStrength);
    defaults::Write(defaults::kUnitOfMeasure, uom);
}

QString TemporarySettings::read(const char* key) const
{
    return defaults::Read(key);
}

QString TemporarySettings::filePath() const
{
    return m_store->filePath("SOFTWARE\\Poolwright\\Defaults");
}
