// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settingsmessages.h"

#include "settings/defaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

#include <limits>
#include <vector>

// The translation context of everything said about the settings.
class SettingsMessages
{
    Q_DECLARE_TR_FUNCTIONS(SettingsMessages)
};

namespace ui {

namespace {

QString Shown(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// What stands where the file should be, as it fills in "%1 is %2, not a file."
QString ThingText(ThingThere thing)
{
    switch (thing) {
    case ThingThere::Folder:
        return SettingsMessages::tr("a folder", "stands where the settings file should be");
    case ThingThere::NamedPipe:
        return SettingsMessages::tr("a named pipe", "stands where the settings file should be");
    case ThingThere::Socket:
        return SettingsMessages::tr("a socket", "stands where the settings file should be");
    case ThingThere::Device:
        return SettingsMessages::tr("a device", "stands where the settings file should be");
    case ThingThere::SomethingElse:
        break;
    }
    return SettingsMessages::tr("something else", "stands where the settings file should be");
}

// The count that picks a plural form, for sizes beyond an int too.
int PluralCount(std::int64_t count)
{
    return count <= std::numeric_limits<int>::max() ? static_cast<int>(count)
                                                    : 1000000 + static_cast<int>(count % 1000000);
}

// "the pool size", "the pool size and the bleach strength", ...
QString Joined(const std::vector<std::string>& keys)
{
    QString text;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const QString name = DefaultName(keys[i]);
        if (i == 0)
            text = name;
        else if (i + 1 == keys.size())
            text =
                SettingsMessages::tr("%1 and %2", "the last of a list of settings").arg(text, name);
        else
            text = SettingsMessages::tr("%1, %2", "a list of settings").arg(text, name);
    }
    return text;
}

// Which settings a save that stopped with a failure did save, and which it did not.
QString SavedSoFar(const std::vector<std::string>& saved, const std::vector<std::string>& notSaved)
{
    if (saved.empty())
        return SettingsMessages::tr("None of the three settings was saved.");
    const bool oneSaved = saved.size() == 1;
    const bool oneNotSaved = notSaved.size() == 1;
    QString text;
    if (oneSaved && oneNotSaved)
        text = SettingsMessages::tr("%1 was saved; %2 was not.");
    else if (oneSaved)
        text = SettingsMessages::tr("%1 was saved; %2 were not.");
    else if (oneNotSaved)
        text = SettingsMessages::tr("%1 were saved; %2 was not.");
    else
        text = SettingsMessages::tr("%1 were saved; %2 were not.");
    text = text.arg(Joined(saved), Joined(notSaved));
    // The names read as inside a sentence; this one may start with one.
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// Why a value of another type than text cannot be read, naming the value and where it is.
QString NotText(const std::string& key, const std::string& location)
{
    if (location.empty())
        return SettingsMessages::tr("The setting %1 is not stored as text, so it cannot be read. "
                                    "Saving a new value replaces it.")
            .arg(Text(key));
    return SettingsMessages::tr("The setting %1 in %2 is not stored as text, so it cannot be "
                                "read. Saving a new value replaces it.")
        .arg(Text(key), Text(location));
}

// Why a file that rewriting would not keep intact is not clean.
QString WhyNotClean(const SettingsNotice& notice)
{
    switch (notice.flaw) {
    case SettingsNotice::Flaw::TooLarge:
        return SettingsMessages::tr("It is %1, far larger than three settings need, so only its "
                                    "beginning was read.")
            .arg(QLocale().formattedDataSize(notice.size, 1, QLocale::DataSizeTraditionalFormat));
    case SettingsNotice::Flaw::TooManyLines:
        return SettingsMessages::tr("It has more than %n lines, far more than three settings "
                                    "need, so only its beginning was read.",
                                    nullptr, notice.lineLimit);
    case SettingsNotice::Flaw::NotText:
        return SettingsMessages::tr("It holds bytes that are not text.");
    case SettingsNotice::Flaw::NotSettings:
        return SettingsMessages::tr("It holds lines that are not settings.");
    case SettingsNotice::Flaw::KeyTwice:
        return SettingsMessages::tr("It gives %1 more than once; the last one was read.")
            .arg(Text(notice.key));
    }
    return {};
}

} // namespace

QString SettingsFaultText(SettingsError::Fault fault)
{
    switch (fault) {
    case SettingsError::Fault::AppNameEmpty:
        return SettingsMessages::tr("AppName may not be empty");
    case SettingsError::Fault::SectionEmpty:
        return SettingsMessages::tr("Section may not be empty");
    case SettingsError::Fault::KeyEmpty:
        return SettingsMessages::tr("Key may not be empty");
    case SettingsError::Fault::SectionNotOpened:
        return SettingsMessages::tr("Could not open registry section");
    case SettingsError::Fault::NotAString:
        return SettingsMessages::tr("Registry data not a string");
    case SettingsError::Fault::SectionNotCreated:
        return SettingsMessages::tr("Could not open/create registry section");
    case SettingsError::Fault::ValueNotSet:
        return SettingsMessages::tr("Could not set key value");
    }
    return {};
}

QString SettingsCauseText(const SettingsCause& cause)
{
    using Kind = SettingsCause::Kind;
    const QString path = Shown(cause.path);
    switch (cause.kind) {
    case Kind::None:
        return {};
    case Kind::NotAFile:
        if (!cause.linkTarget.empty())
            return SettingsMessages::tr("%1 is a link to %2, which is %3, not a file. Rename or "
                                        "remove it, and Poolwright can keep its settings there "
                                        "again.")
                .arg(path, Shown(cause.linkTarget), ThingText(cause.thing));
        return SettingsMessages::tr("%1 is %2, not a file. Rename or remove it, and Poolwright "
                                    "can keep its settings there again.")
            .arg(path, ThingText(cause.thing));
    case Kind::Unreadable:
        return SettingsMessages::tr("%1 cannot be read: there is no permission to read it.")
            .arg(path);
    case Kind::ReadOnly:
        return SettingsMessages::tr("%1 is read-only, so the settings cannot be saved in it.")
            .arg(path);
    case Kind::LinkIntoMissingFolder:
        return SettingsMessages::tr("%1 is a link to %2, which does not exist and cannot be "
                                    "made, as its folder does not exist either.")
            .arg(path, Shown(cause.linkTarget));
    case Kind::FolderReadOnly:
        return SettingsMessages::tr(
                   "The folder %1 is read-only, so the settings cannot be saved in it.")
            .arg(path);
    case Kind::FolderNotMadeReadOnly:
        return SettingsMessages::tr("The folder %1 cannot be made: %2 is read-only.")
            .arg(path, Shown(cause.otherPath));
    case Kind::FolderNotMadeFileInWay:
        return SettingsMessages::tr("The folder %1 cannot be made: %2 is a file, not a folder.")
            .arg(path, Shown(cause.otherPath));
    case Kind::ReadablePartNotCopied:
        return SettingsMessages::tr("%1 is far larger than three settings need, and the part of "
                                    "it that is read could not be copied to a temporary file "
                                    "(%2).")
            .arg(path, Text(cause.detail));
    case Kind::CopyNotKept:
        return SettingsMessages::tr("%1 could not be read in full, and a copy of it could not be "
                                    "kept beside it (%2), so it was not written over.")
            .arg(path, Text(cause.detail));
    case Kind::NotStartedAfresh:
        return SettingsMessages::tr("%1 is far larger than three settings need, and it could not "
                                    "be replaced by a smaller one. A copy of it was kept as %2.")
            .arg(path, Shown(cause.otherPath));
    case Kind::ValueTooLong:
        // The count picks the plural form; %3 writes it whole, whatever its size.
        return SettingsMessages::tr("The value for %1 is too long to be kept in %2 (%3 bytes).",
                                    nullptr, PluralCount(cause.size))
            .arg(Text(cause.key), path)
            .arg(cause.size);
    case Kind::NotWritten:
        return SettingsMessages::tr("%1 could not be written.").arg(path);
    case Kind::NotWrittenDiskFull:
        return SettingsMessages::tr("%1 could not be written: the disk it is on is full.")
            .arg(path);
    case Kind::NotWrittenFolderReadOnly:
        return SettingsMessages::tr("%1 could not be written: its folder %2 is read-only.")
            .arg(path, Shown(cause.otherPath));
    }
    return {};
}

QString SettingsFailureDetails(const SettingsError& failure)
{
    QStringList lines;
    if (failure.cause().kind != SettingsCause::Kind::None)
        lines << SettingsCauseText(failure.cause());
    if (failure.fault() == SettingsError::Fault::NotAString)
        lines << NotText(failure.key(), failure.location());
    if (failure.partOfASave())
        lines << SavedSoFar(failure.saved(), failure.notSaved());
    return lines.join(QLatin1Char('\n'));
}

QString DefaultName(const std::string& key)
{
    if (key == defaults::kPoolSize)
        return SettingsMessages::tr("the pool size");
    if (key == defaults::kBleachStrength)
        return SettingsMessages::tr("the bleach strength");
    if (key == defaults::kUnitOfMeasure)
        return SettingsMessages::tr("the unit of measure");
    return Text(key);
}

QString StoreNoticeText(const std::optional<SettingsNotice>& notice)
{
    if (!notice)
        return {};
    return SettingsMessages::tr("Your settings file could not be read in full, so a copy of it "
                                "was kept as %1 before the new settings were saved. %2")
        .arg(Shown(notice->copy), WhyNotClean(*notice));
}

} // namespace ui
