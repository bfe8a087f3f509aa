#include "support/temporarysettings.h"

#include "settings/defaults.h"

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
    return IniStore::filePath("SOFTWARE\\Poolwright\\Defaults");
}
