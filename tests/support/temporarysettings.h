#pragma once

#include "settings/inistore.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// The program's settings in a fresh temporary folder, for as long as the object lives.
class TemporarySettings
{
public:
    TemporarySettings();
    ~TemporarySettings();

    // Stores the three defaults through the program's own writer.
    void store(const QString& poolSize, const QString& bleachStrength, const QString& uom);
    QString read(const char* key) const;
    QString filePath() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<IniStore> m_store;
    SettingsStore* m_previous; // nested settings give the store back in turn
};
