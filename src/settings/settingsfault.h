// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// What the store can tell of a failure and of what it did on the user's behalf, as data: the
// windows put it into words. Standard C++ only, like the store interface.

// What stands where the settings file should be, when it is no file.
enum class ThingThere
{
    Folder,
    NamedPipe,
    Socket,
    Device,
    SomethingElse
};

// Why the store failed, beyond its result code. Paths are as the file system has them (UTF-8,
// the platform's separators are put in when they are shown).
struct SettingsCause
{
    enum class Kind
    {
        None,                    // the store has nothing to add
        NotAFile,                // path is `thing`; through a link to linkTarget where given
        Unreadable,              // path: no permission to read it
        ReadOnly,                // path
        LinkIntoMissingFolder,   // path links to linkTarget, whose folder does not exist
        FolderReadOnly,          // path is the folder
        FolderNotMadeReadOnly,   // path, the folder; otherPath, the read-only folder above it
        FolderNotMadeFileInWay,  // path, the folder; otherPath, the file standing in its way
        ReadablePartNotCopied,   // path, too large; detail, the system's words
        CopyNotKept,             // path, not clean; detail, the system's words
        NotStartedAfresh,        // path, too large; otherPath, the copy kept of it
        ValueTooLong,            // key's value of size bytes would not fit in path
        NotWritten,              // path; no reason known
        NotWrittenDiskFull,      // path
        NotWrittenFolderReadOnly // path; otherPath, its folder
    };

    Kind kind = Kind::None;
    std::string path;
    std::string linkTarget;
    std::string otherPath;
    std::string detail;
    std::string key;
    ThingThere thing = ThingThere::SomethingElse;
    std::int64_t size = 0;

    bool operator==(const SettingsCause&) const = default;
};

// The copy the store kept, before a save, of a file that saving would not keep intact, and why
// the file was not clean.
struct SettingsNotice
{
    enum class Flaw
    {
        TooLarge,     // size, in bytes
        TooManyLines, // more than lineLimit lines
        NotText,
        NotSettings,
        KeyTwice // key, as written
    };

    std::string copy; // the path of the copy
    Flaw flaw = Flaw::NotSettings;
    std::int64_t size = 0;
    int lineLimit = 0;
    std::string key;

    bool operator==(const SettingsNotice&) const = default;
};
