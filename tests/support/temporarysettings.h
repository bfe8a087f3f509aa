#pragma once

#include "settings/inistore.h"

#include <QString>
#include <QTemporaryDir>

// Holds the folder, so that it is made before the store in it.
struct TemporaryFolder
{
    QTemporaryDir folder;
};

// The program's settings store over a fresh temporary folder, for as long as the object lives.
class TemporarySettings : private TemporaryFolder, public IniStore
{
public:
    TemporarySettings() : IniStore(folder.path()) {}

    // Stores the three defaults through the program's own writer.
    void store(const QString& poolSize, const QString& bleachStrength, const QString& uom);
    QString read(const char* key, const QString& defaultValue = QString());
    QString filePath() const;
    // The folder the store keeps its application folders in.
    QString root() const { return folder.path(); }
};
