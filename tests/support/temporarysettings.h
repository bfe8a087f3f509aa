#pragma once

#include "settings/inistore.h"

#include <QString>
#include <QTemporaryDir>

// The program's settings in a fresh temporary folder, for as long as the object lives. As a
// store it answers from that folder, or from another store while diverted there.
class TemporarySettings : public SettingsStore
{
public:
    TemporarySettings();

    // Stores the three defaults through the program's own writer.
    void store(const QString& poolSize, const QString& bleachStrength, const QString& uom);
    QString read(const char* key, const QString& defaultValue = QString());
    QString filePath() const;

    // Every call goes to other until divertTo(nullptr) brings them back to the folder.
    void divertTo(SettingsStore* other) { m_target = other != nullptr ? other : &m_file; }

    long OpenKey(const std::string& path, Key& key) override;
    long CreateKey(const std::string& path, Key& key) override;
    long QueryValue(Key key, const std::string& name, std::uint32_t& type, char* data,
                    std::uint32_t& size) override;
    long SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long CloseKey(Key key) override;
    std::string TakeNotice() override;
    std::string TakeFailureCause() override;

private:
    QTemporaryDir m_dir;
    IniStore m_file;
    SettingsStore* m_target;
};
