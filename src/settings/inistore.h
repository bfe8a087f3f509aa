#pragma once

#include "settings/settingsstore.h"

#include <QString>

#include <map>

// The store as INI files: the key path "SOFTWARE\<app>\<section>" is the group [<section>]
// of <root>/<app>/<app>.ini. Values are written as text; a value that another writer stored
// with a type of its own (an integer as @Variant, a list, a byte array) reports that type.
// An unreadable or unwritable file is access denied (5), as the registry would say. Saving
// rewrites the whole file, so a file holding anything that would not survive that (garbage,
// comments, binary bytes) is first copied beside itself.
class IniStore : public SettingsStore
{
public:
    explicit IniStore(QString root);

    // $XDG_CONFIG_HOME, or ~/.config when it is unset or not an absolute path.
    static QString ConfigRootFromEnvironment();

    QString filePath(const std::string& keyPath) const;

    long OpenKey(const std::string& path, Key& key) override;
    long CreateKey(const std::string& path, Key& key) override;
    long QueryValue(Key key, const std::string& name, std::uint32_t& type, char* data,
                    std::uint32_t& size) override;
    long SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long CloseKey(Key key) override;
    std::string TakeNotice() override;

private:
    struct Section
    {
        QString file;
        QString group;
    };
    bool split(const std::string& keyPath, QString& app, QString& group) const;
    long openHandle(const QString& file, const QString& group, Key& key);
    bool keepCopyIfNotClean(const QString& file);

    QString m_root;
    std::map<Key, Section> m_open;
    Key m_nextKey = 1;
    std::string m_notice;
};
