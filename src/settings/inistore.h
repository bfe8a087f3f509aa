// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/inicontent.h"
#include "settings/settingsstore.h"

#include <QString>
#include <QtGlobal>

#include <map>
#include <memory>
#include <optional>

class QTemporaryFile;

// The store as INI files: the key path "SOFTWARE\<app>\<section>" is the group [<section>]
// of <root>/<app>/<app>.ini. Values are written as text, exactly as Qt writes them. A value
// written by hand reads as Qt reads it (quotes, backslash escapes, blanks around it), except
// that its commas are part of the text, where Qt would read a list. A value in Qt's notation
// for another type (an integer as @Variant(...), a byte array) reports that type.
// An unreadable or unwritable file is access denied (5), as the registry would say, and the
// failure's cause names the file and what is wrong with it (inicauses). Saving rewrites the whole
// file, so a file holding anything that would not survive that (garbage, comments, binary bytes,
// a key given twice) is first copied beside itself.
//
// A file larger than kLargestFile or of more than kMostLines lines is not one this program wrote
// (inicontent): only its section's lines within its first kLargestFile bytes are read, and the
// first save keeps a copy of it and starts the file afresh from what was read.
class IniStore : public SettingsStore
{
public:
    static constexpr qint64 kLargestFile = inicontent::kLargestFile;
    static constexpr int kMostLines = inicontent::kMostLines;

    explicit IniStore(QString root);
    ~IniStore() override;

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
    std::optional<SettingsNotice> TakeNotice() override;
    SettingsCause TakeFailureCause() override;
    std::string Location(const std::string& path) override;

private:
    struct Section
    {
        QString file;
        QString group;
        // Where the values are read from: the file, or the part of it that could be read.
        QString readFrom;
        std::shared_ptr<QTemporaryFile> readablePart;
    };
    bool split(const std::string& keyPath, QString& app, QString& group) const;
    // Enters section in the table of open keys, under a new key.
    long addOpenKey(Section section, Key& key);
    // Records why the call fails, for TakeFailureCause, and fails it as access denied.
    long refuse(SettingsCause cause);
    // Before a save over file: what rewriting it would lose, kept first. Why not, if it fails.
    std::optional<SettingsCause> keepWhatASaveWouldLose(const QString& file, const QString& group);

    QString m_root;
    std::map<Key, Section> m_open; // the open keys
    Key m_nextKey = 1;
    std::optional<SettingsNotice> m_notice;
    SettingsCause m_cause;
};
