// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inistore.h"
#include "settings/mregistry.h"
#include "support/temporarysettings.h"
#include "ui/settingsmessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <csignal>

// The settings file under faults: writers killed at random moments, two writers at once,
// files that are not what the program wrote, and sizes far beyond the usual.
class SettingsFaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void killedWriterLeavesOldOrNewValues();
    void concurrentWritersBothSucceed();
    void foreignFileIsKeptBeforeTheFirstSave_data();
    void foreignFileIsKeptBeforeTheFirstSave();
    void cleanFileIsNotCopied();
    void largestValuesRoundTrip();
    void hugeFileIsRead();

private:
    std::string read(const char* key) const
    {
        return MRegistry(*m_settings).ReadSetting("Poolwright", "Defaults", key, "<default>");
    }
    void write(const char* key, const std::string& value)
    {
        MRegistry(*m_settings).WriteSetting("Poolwright", "Defaults", key, value);
    }
    QStringList backups() const
    {
        return QDir(QFileInfo(m_file).path()).entryList({QStringLiteral("*.bak")}, QDir::Files);
    }
    static QString writer() { return QStringLiteral(SETTINGS_WRITER); }

    std::unique_ptr<TemporarySettings> m_settings;
    QString m_file;
};

void SettingsFaultsTest::init()
{
    m_settings = std::make_unique<TemporarySettings>();
    m_file = m_settings->filePath();
}

void SettingsFaultsTest::killedWriterLeavesOldOrNewValues()
{
    constexpr int kKills = 100;
    const QRegularExpression writtenValue(QStringLiteral("^(old|writer-\\d+|parent-\\d+)$"));
    for (const char* key : {"PoolSize", "BleachStrength", "UOM"})
        write(key, "old");
    QRandomGenerator random(20261208);
    int killedMidRun = 0;
    for (int kill = 1; kill <= kKills; ++kill) {
        QProcess process;
        process.start(writer(), {m_settings->root(), QStringLiteral("writer")});
        QVERIFY(process.waitForStarted());
        QTest::qSleep(static_cast<int>(random.bounded(2, 40)));
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished());
        if (process.exitStatus() == QProcess::CrashExit)
            ++killedMidRun;

        QCOMPARE(QSettings(m_file, QSettings::IniFormat).status(), QSettings::NoError);
        for (const char* key : {"PoolSize", "BleachStrength", "UOM"}) {
            const QString value = QString::fromStdString(read(key));
            QVERIFY2(
                writtenValue.match(value).hasMatch(),
                qPrintable(
                    QStringLiteral("kill %1: %2 reads \"%3\"").arg(kill).arg(key, value.left(80))));
        }
        // A lock left by the dead writer does not block the next save.
        const std::string mine = "parent-" + std::to_string(kill);
        write("PoolSize", mine);
        QCOMPARE(read("PoolSize"), mine);
    }
    QVERIFY(killedMidRun > kKills / 2);
    qInfo("killed a writer %d times (%d while it was saving); every value read back whole", kKills,
          killedMidRun);
}

void SettingsFaultsTest::concurrentWritersBothSucceed()
{
    constexpr int kSaves = 150;
    QProcess first, second;
    first.start(writer(), {m_settings->root(), QStringLiteral("a"), QString::number(kSaves)});
    second.start(writer(), {m_settings->root(), QStringLiteral("b"), QString::number(kSaves)});
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(QSettings(m_file, QSettings::IniFormat).status(), QSettings::NoError);
    const std::string last = "-" + std::to_string(kSaves);
    for (const char* key : {"PoolSize", "BleachStrength", "UOM"}) {
        const std::string value = read(key);
        QVERIFY2(value == "a" + last || value == "b" + last, value.c_str());
    }
    qInfo("two writers saved %d times each at once; both succeeded", kSaves);
}

void SettingsFaultsTest::foreignFileIsKeptBeforeTheFirstSave_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("poolSizeRead"); // before the save
    QTest::newRow("binary bytes") << QByteArray("\x00\x01\xff\xfe[Defaults]\x00PoolSize=\x80\x81", 26)
                                  << "<default>";
    QTest::newRow("not INI at all") << QByteArray("just some text\nthat is not settings\n")
                                    << "<default>";
    QTest::newRow("comments of the user") << QByteArray("; my pool\n[Defaults]\nPoolSize=20000\n")
                                          << "20000";
    QTest::newRow("unclosed section") << QByteArray("[Defaults\nPoolSize=20000\n") << "20000";
    QTest::newRow("invalid UTF-8") << QByteArray("[Defaults]\nPoolSize=\xc3\x28\n") << "";
    // Qt reads the last; a save would keep only that one.
    QTest::newRow("key given twice") << QByteArray("[Defaults]\nPoolSize=1\nPoolSize=2\n") << "2";
    QTest::newRow("key given twice in a repeated section")
        << QByteArray("[Defaults]\nPoolSize=1\n[Other]\nx=y\n[Defaults]\nPoolSize=2\n") << "2";
    QByteArray manyLines = "[Defaults]\nPoolSize=20000\n[Noise]\n";
    for (int line = 0; line < IniStore::kMostLines; ++line)
        manyLines += "key" + QByteArray::number(line) + "=n\n";
    QTest::newRow("more lines than three settings need") << manyLines << "20000";
    // clang-format on
}

void SettingsFaultsTest::foreignFileIsKeptBeforeTheFirstSave()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, poolSizeRead);
    m_settings->writeFile(contents);
    const QString before = QString::fromStdString(read("PoolSize"));
    if (poolSizeRead.isEmpty())
        QVERIFY(!before.isEmpty()); // read somehow, never a crash
    else
        QCOMPARE(before, poolSizeRead);

    write("PoolSize", "30000");
    QCOMPARE(read("PoolSize"), "30000");
    const QStringList copies = backups();
    QCOMPARE(copies.size(), 1);
    QFile copy(QFileInfo(m_file).path() + '/' + copies.first());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), contents);
    const std::optional<SettingsNotice> notice = m_settings->TakeNotice();
    QVERIFY(notice);
    QCOMPARE(QFileInfo(QString::fromStdString(notice->copy)).fileName(), copies.first());
    QVERIFY(ui::StoreNoticeText(notice).contains(copies.first()));
    QVERIFY(!m_settings->TakeNotice()); // told once

    write("UOM", "Metric"); // the rewritten file is clean: no second copy
    QCOMPARE(backups().size(), 1);
}

void SettingsFaultsTest::cleanFileIsNotCopied()
{
    m_settings->writeFile("[Defaults]\nPoolSize=1\n\n[Other]\nx=y\n");
    write("PoolSize", "2");
    QCOMPARE(backups(), QStringList());
    QVERIFY(!m_settings->TakeNotice());
    QCOMPARE(QSettings(m_file, QSettings::IniFormat).value("Other/x").toString(), "y");
}

void SettingsFaultsTest::largestValuesRoundTrip()
{
    // As long as the Settings window's boxes take them (32767 characters), in the characters
    // that take the most bytes written: a file of three is read whole and never copied.
    const QString wide(32767, QChar(0x6C34));   // three bytes of UTF-8 each
    const QString controls(32767, QChar(0x1F)); // escaped as \x1f
    QString mixed = QString(32767, QLatin1Char('x'));
    mixed.replace(1000, 4, QStringLiteral(" ,;\\"));
    const std::pair<const char*, QString> values[] = {
        {"PoolSize", wide}, {"BleachStrength", controls}, {"UOM", mixed}};
    for (const auto& [key, value] : values)
        write(key, value.toStdString());
    for (const auto& [key, value] : values)
        QCOMPARE(QString::fromStdString(read(key)), value);
    QVERIFY(QFileInfo(m_file).size() <= IniStore::kLargestFile);
    write("PoolSize", "again");
    QCOMPARE(backups(), QStringList());
    QVERIFY(!m_settings->TakeNotice());

    // A value that could make the file too large to be read whole is refused, not written.
    try {
        write("PoolSize", std::string(IniStore::kLargestFile / 2, 'x'));
        QFAIL("a value of half a megabyte was taken");
    } catch (const SettingsError& error) {
        QCOMPARE(error.number(), -2147219499);
        QCOMPARE(ui::SettingsFaultText(error.fault()), "Could not set key value");
        const QString cause = ui::SettingsFailureDetails(error);
        QVERIFY2(cause.contains("too long"), qPrintable(cause));
    }
    QCOMPARE(read("PoolSize"), "again");
}

void SettingsFaultsTest::hugeFileIsRead()
{
    QByteArray contents = "[Defaults]\nPoolSize=20000\nUOM=Imperial\n[Noise]\n";
    for (int line = 0; contents.size() < 10 * 1024 * 1024; ++line)
        contents += "key" + QByteArray::number(line) + "=" + QByteArray(100, 'n') + "\n";
    m_settings->writeFile(contents);
    QCOMPARE(read("PoolSize"), "20000");
    QCOMPARE(read("UOM"), "Imperial");
    write("BleachStrength", "6");
    QCOMPARE(read("BleachStrength"), "6");
}

QTEST_GUILESS_MAIN(SettingsFaultsTest)
#include "tst_settingsfaults.moc"
