// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/inistore.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Values stored as something else than text, as another Qt program would store them.
inline const QByteArray kStoredNumber = "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)"; // 5
inline const QByteArray kStoredBytes = "@ByteArray(6)";

// A settings file as a person would write it, with the three values' lines as given.
QByteArray SettingsFile(const QByteArray& poolSize, const QByteArray& bleachStrength,
                        const QByteArray& uom);

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
    // Writes the settings file as a person would, by hand.
    void writeFile(const QByteArray& contents);
    // The folder the store keeps its application folders in.
    QString root() const { return folder.path(); }
};
