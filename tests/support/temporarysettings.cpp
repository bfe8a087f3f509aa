// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temporarysettings.h"

#include "settings/defaults.h"

#include <QDir>
#include <QFile>
#include <QTest>

QByteArray SettingsFile(const QByteArray& poolSize, const QByteArray& bleachStrength,
                        const QByteArray& uom)
{
    return "[Defaults]\nPoolSize=" + poolSize + "\nBleachStrength=" + bleachStrength +
           "\nUOM=" + uom + '\n';
}

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

void TemporarySettings::writeFile(const QByteArray& contents)
{
    QVERIFY(QDir().mkpath(QFileInfo(filePath()).path()));
    QFile out(filePath());
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(contents), contents.size());
}
