// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/mregistry.h"
#include "support/markingtranslator.h"
#include "ui/settingsmessages.h"
#include "ui/usermessages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

#include <string>
#include <vector>

Q_DECLARE_METATYPE(SettingsError::Fault)
Q_DECLARE_METATYPE(SettingsCause)
Q_DECLARE_METATYPE(SettingsNotice)

namespace {

using Kind = SettingsCause::Kind;

SettingsCause Cause(Kind kind, std::string path)
{
    SettingsCause cause;
    cause.kind = kind;
    cause.path = std::move(path);
    return cause;
}

SettingsCause NotAFile(ThingThere thing, std::string linkTarget = {})
{
    SettingsCause cause = Cause(Kind::NotAFile, "/home/u/.config/Poolwright/Poolwright.ini");
    cause.thing = thing;
    cause.linkTarget = std::move(linkTarget);
    return cause;
}

SettingsCause WithOther(Kind kind, std::string path, std::string otherPath)
{
    SettingsCause cause = Cause(kind, std::move(path));
    cause.otherPath = std::move(otherPath);
    return cause;
}

SettingsCause WithDetail(Kind kind, std::string detail)
{
    SettingsCause cause = Cause(kind, "/c/P.ini");
    cause.detail = std::move(detail);
    return cause;
}

SettingsCause TooLong(std::int64_t size)
{
    SettingsCause cause = Cause(Kind::ValueTooLong, "/c/P.ini");
    cause.key = "PoolSize";
    cause.size = size;
    return cause;
}

SettingsNotice Notice(SettingsNotice::Flaw flaw)
{
    SettingsNotice notice;
    notice.copy = "/c/P.ini.20260101-120000.bak";
    notice.flaw = flaw;
    return notice;
}

} // namespace

// The words for every kind of settings failure and notice, as the user reads them in English,
// and that all of them go through translation.
class SettingsMessagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void faultText_data();
    void faultText();
    void causeText_data();
    void causeText();
    void noticeText_data();
    void noticeText();
    void everyWordIsTranslated();
};

void SettingsMessagesTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void SettingsMessagesTest::faultText_data()
{
    using Fault = SettingsError::Fault;
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("text");
    QTest::newRow("app") << Fault::AppNameEmpty << "AppName may not be empty";
    QTest::newRow("section") << Fault::SectionEmpty << "Section may not be empty";
    QTest::newRow("key") << Fault::KeyEmpty << "Key may not be empty";
    QTest::newRow("open") << Fault::SectionNotOpened << "Could not open registry section";
    QTest::newRow("not text") << Fault::NotAString << "Registry data not a string";
    QTest::newRow("create") << Fault::SectionNotCreated << "Could not open/create registry section";
    QTest::newRow("set") << Fault::ValueNotSet << "Could not set key value";
}

void SettingsMessagesTest::faultText()
{
    QFETCH(SettingsError::Fault, fault);
    QTEST(ui::SettingsFaultText(fault), "text");
}

void SettingsMessagesTest::causeText_data()
{
    QTest::addColumn<SettingsCause>("cause");
    QTest::addColumn<QString>("text");
    const QString file = QStringLiteral("/home/u/.config/Poolwright/Poolwright.ini");
    const QString again =
        QStringLiteral(" Rename or remove it, and Poolwright can keep its settings there again.");
    // clang-format off
    QTest::newRow("nothing to add") << SettingsCause() << "";
    QTest::newRow("folder") << NotAFile(ThingThere::Folder)
                            << file + " is a folder, not a file." + again;
    QTest::newRow("pipe") << NotAFile(ThingThere::NamedPipe)
                          << file + " is a named pipe, not a file." + again;
    QTest::newRow("socket") << NotAFile(ThingThere::Socket)
                            << file + " is a socket, not a file." + again;
    QTest::newRow("device") << NotAFile(ThingThere::Device)
                            << file + " is a device, not a file." + again;
    QTest::newRow("something else") << NotAFile(ThingThere::SomethingElse)
                                    << file + " is something else, not a file." + again;
    QTest::newRow("link to a device") << NotAFile(ThingThere::Device, "/dev/zero")
        << file + " is a link to /dev/zero, which is a device, not a file." + again;
    QTest::newRow("unreadable") << Cause(Kind::Unreadable, "/c/P.ini")
        << "/c/P.ini cannot be read: there is no permission to read it.";
    QTest::newRow("read-only") << Cause(Kind::ReadOnly, "/c/P.ini")
        << "/c/P.ini is read-only, so the settings cannot be saved in it.";
    SettingsCause link = Cause(Kind::LinkIntoMissingFolder, "/c/P.ini");
    link.linkTarget = "/gone/P.ini";
    QTest::newRow("link into a missing folder") << link
        << "/c/P.ini is a link to /gone/P.ini, which does not exist and cannot be made, as its "
           "folder does not exist either.";
    QTest::newRow("folder read-only") << Cause(Kind::FolderReadOnly, "/c")
        << "The folder /c is read-only, so the settings cannot be saved in it.";
    QTest::newRow("folder not made, read-only above")
        << WithOther(Kind::FolderNotMadeReadOnly, "/r/c/Poolwright", "/r")
        << "The folder /r/c/Poolwright cannot be made: /r is read-only.";
    QTest::newRow("folder not made, a file in the way")
        << WithOther(Kind::FolderNotMadeFileInWay, "/c/Poolwright", "/c")
        << "The folder /c/Poolwright cannot be made: /c is a file, not a folder.";
    QTest::newRow("readable part not copied")
        << WithDetail(Kind::ReadablePartNotCopied, "No space left on device")
        << "/c/P.ini is far larger than three settings need, and the part of it that is read "
           "could not be copied to a temporary file (No space left on device).";
    QTest::newRow("copy not kept") << WithDetail(Kind::CopyNotKept, "Permission denied")
        << "/c/P.ini could not be read in full, and a copy of it could not be kept beside it "
           "(Permission denied), so it was not written over.";
    QTest::newRow("not started afresh")
        << WithOther(Kind::NotStartedAfresh, "/c/P.ini", "/c/P.ini.1.bak")
        << "/c/P.ini is far larger than three settings need, and it could not be replaced by a "
           "smaller one. A copy of it was kept as /c/P.ini.1.bak.";
    QTest::newRow("value too long") << TooLong(524288)
        << "The value for PoolSize is too long to be kept in /c/P.ini (524288 bytes).";
    QTest::newRow("value longer than an int counts") << TooLong(3000000000)
        << "The value for PoolSize is too long to be kept in /c/P.ini (3000000000 bytes).";
    QTest::newRow("not written") << Cause(Kind::NotWritten, "/c/P.ini")
                                 << "/c/P.ini could not be written.";
    QTest::newRow("disk full") << Cause(Kind::NotWrittenDiskFull, "/c/P.ini")
        << "/c/P.ini could not be written: the disk it is on is full.";
    QTest::newRow("folder of the file read-only")
        << WithOther(Kind::NotWrittenFolderReadOnly, "/c/P.ini", "/c")
        << "/c/P.ini could not be written: its folder /c is read-only.";
    // clang-format on
}

void SettingsMessagesTest::causeText()
{
    QFETCH(SettingsCause, cause);
    QTEST(ui::SettingsCauseText(cause), "text");
}

void SettingsMessagesTest::noticeText_data()
{
    using Flaw = SettingsNotice::Flaw;
    QTest::addColumn<SettingsNotice>("notice");
    QTest::addColumn<QString>("why");
    SettingsNotice large = Notice(Flaw::TooLarge);
    large.size = 49 * 1024 * 1024;
    SettingsNotice lines = Notice(Flaw::TooManyLines);
    lines.lineLimit = 1000;
    SettingsNotice twice = Notice(Flaw::KeyTwice);
    twice.key = "poolsize";
    // clang-format off
    QTest::newRow("too large") << large
        << "It is 49.0 MB, far larger than three settings need, so only its beginning was read.";
    QTest::newRow("too many lines") << lines
        << "It has more than 1000 lines, far more than three settings need, so only its "
           "beginning was read.";
    QTest::newRow("not text") << Notice(Flaw::NotText) << "It holds bytes that are not text.";
    QTest::newRow("not settings") << Notice(Flaw::NotSettings)
                                  << "It holds lines that are not settings.";
    QTest::newRow("key twice") << twice << "It gives poolsize more than once; the last one was read.";
    // clang-format on
}

void SettingsMessagesTest::noticeText()
{
    QFETCH(SettingsNotice, notice);
    QFETCH(QString, why);
    QCOMPARE(ui::StoreNoticeText(notice),
             "Your settings file could not be read in full, so a copy of it was kept as "
             "/c/P.ini.20260101-120000.bak before the new settings were saved. " +
                 why);
    QCOMPARE(ui::StoreNoticeText(std::nullopt), QString());
}

void SettingsMessagesTest::everyWordIsTranslated()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    SettingsError error(-2147219499, SettingsError::Fault::ValueNotSet, "UOM");
    error.setCause(Cause(Kind::NotWrittenDiskFull, "/c/P.ini"))
        .setSaveProgress({"PoolSize", "BleachStrength"}, {"UOM"});
    const QString message = ui::SettingsFailureMessage(ui::kSettingsNotSaved, error);
    const QString notice = ui::StoreNoticeText(Notice(SettingsNotice::Flaw::NotText));
    QCoreApplication::removeTranslator(&translator);

    // Each piece on its own: the sentence, the list, and each setting's name.
    QCOMPARE(message, "<The settings could not be saved. What you typed is kept, so you can try "
                      "again.>\n\n"
                      "<Could not set key value>\n"
                      "<Error number -2147219499 (0x800407D5)>\n\n"
                      "</c/P.ini could not be written: the disk it is on is full.>\n"
                      "<<<the pool size> and <the bleach strength>> were saved; <the unit of "
                      "measure> was not.>");
    QCOMPARE(notice, "<Your settings file could not be read in full, so a copy of it was kept as "
                     "/c/P.ini.20260101-120000.bak before the new settings were saved. <It holds "
                     "bytes that are not text.>>");
}

QTEST_GUILESS_MAIN(SettingsMessagesTest)
#include "tst_settingsmessages.moc"
