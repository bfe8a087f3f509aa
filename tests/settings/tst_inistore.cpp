// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inistore.h"
#include "settings/mregistry.h"
#include "support/temporarysettings.h"
#include "ui/settingsmessages.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <linux/capability.h>
#include <linux/securebits.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Root passes a file's permissions by two capabilities. While this lives, the calling thread
// goes without them, so that permissions stop it as they stop a user; CI runs as root.
// access() would still judge root by its permitted capabilities, unless the thread's
// no-setuid-fixup bit is set: then it judges by the lowered effective ones.
class PermissionsStopRoot
{
public:
    PermissionsStopRoot()
    {
        if (::geteuid() != 0)
            return;
        const int bits = ::prctl(PR_GET_SECUREBITS);
        if (bits < 0 || ::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        if (::prctl(PR_SET_SECUREBITS, bits | SECBIT_NO_SETUID_FIXUP) != 0)
            return;
        m_savedBits = bits;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            lowered[capability / 32].effective &= ~(1u << (capability % 32));
        m_lowered = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~PermissionsStopRoot()
    {
        if (m_lowered)
            ::syscall(SYS_capset, &m_header, m_saved);
        if (m_savedBits >= 0)
            ::prctl(PR_SET_SECUREBITS, m_savedBits);
    }
    PermissionsStopRoot(const PermissionsStopRoot&) = delete;
    PermissionsStopRoot& operator=(const PermissionsStopRoot&) = delete;

    bool holds() const { return ::geteuid() != 0 || m_lowered; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    int m_savedBits = -1;
    bool m_lowered = false;
};

} // namespace

class IniStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void noFileGivesTheDefault();
    void missingValueGivesTheDefault();
    void emptyValueIsTheEmptyText();
    void roundTrip_data();
    void roundTrip();
    void storedAsTextInItsSection();
    void everyReadGoesToTheFile();
    void handWrittenValueReadsAsWritten_data();
    void handWrittenValueReadsAsWritten();
    void writtenAsQtWritesIt_data();
    void writtenAsQtWritesIt();
    void valueOfAnotherType_data();
    void valueOfAnotherType();
    void oversizedFileReadsAsASmallOne_data();
    void oversizedFileReadsAsASmallOne();
    void oversizedFileWithoutRoomForItsPart();
    void settingsFileIsAFolder();
    void settingsFolderIsAFile();
    void unreadableFile();
    void unwritableFolder();
    void configRoot_data();
    void configRoot();

private:
    std::string read(const std::string& key, const std::string& fallback = "default");
    void write(const std::string& key, const std::string& value);
    int readError(const std::string& key, std::string* description, std::string* cause = nullptr);
    int writeError(std::string* description, std::string* cause = nullptr);

    // The three defaults as the store reads them, "-" for one it does not have.
    QStringList readAll(IniStore& store);

    std::unique_ptr<TemporarySettings> m_settings;
    QString m_file;
};

void IniStoreTest::init()
{
    m_settings = std::make_unique<TemporarySettings>();
    m_file = m_settings->root() + QStringLiteral("/Poolwright/Poolwright.ini");
    QCOMPARE(m_settings->filePath(), m_file);
}

void IniStoreTest::cleanup()
{
    // Undo what the permission tests changed, so the folder can be removed.
    QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(QFileInfo(m_file).path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_settings.reset();
}

std::string IniStoreTest::read(const std::string& key, const std::string& fallback)
{
    return MRegistry(*m_settings).ReadSetting("Poolwright", "Defaults", key, fallback);
}

void IniStoreTest::write(const std::string& key, const std::string& value)
{
    MRegistry(*m_settings).WriteSetting("Poolwright", "Defaults", key, value);
}

int IniStoreTest::readError(const std::string& key, std::string* description, std::string* cause)
{
    try {
        read(key);
    } catch (const SettingsError& error) {
        *description = ui::SettingsFaultText(error.fault()).toStdString();
        if (cause != nullptr)
            *cause = ui::SettingsFailureDetails(error).toStdString();
        return error.number();
    }
    return 0;
}

int IniStoreTest::writeError(std::string* description, std::string* cause)
{
    try {
        write("PoolSize", "20000");
    } catch (const SettingsError& error) {
        *description = ui::SettingsFaultText(error.fault()).toStdString();
        if (cause != nullptr)
            *cause = ui::SettingsFailureDetails(error).toStdString();
        return error.number();
    }
    return 0;
}

void IniStoreTest::noFileGivesTheDefault()
{
    QCOMPARE(read("PoolSize"), "default");
    QVERIFY(!QFile::exists(m_file));
}

void IniStoreTest::missingValueGivesTheDefault()
{
    write("UOM", "Metric");
    QCOMPARE(read("PoolSize"), "default");
    m_settings->writeFile("[Other]\nPoolSize=1\n");
    QCOMPARE(read("PoolSize"), "default");
}

void IniStoreTest::emptyValueIsTheEmptyText()
{
    write("PoolSize", "");
    QCOMPARE(read("PoolSize"), "");
    m_settings->writeFile("[Defaults]\nPoolSize=\n");
    QCOMPARE(read("PoolSize"), "");
}

void IniStoreTest::roundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "20000";
    QTest::newRow("leading and trailing blanks") << "  6.5  ";
    QTest::newRow("only a blank") << " ";
    QTest::newRow("commas") << "1,000,000";
    QTest::newRow("comma and blank") << "a, b";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("semicolon") << "x; y";
    QTest::newRow("quotes") << "\"quoted\" and 'single'";
    QTest::newRow("backslashes") << "C:\\pool\\size\\";
    QTest::newRow("at sign first") << "@Variant(x)";
    QTest::newRow("brackets") << "[Defaults]";
    QTest::newRow("hash") << "#not a comment";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Größe ÆØÅ 水 ✓");
    QTest::newRow("tab inside") << "a\tb";
}

void IniStoreTest::roundTrip()
{
    QFETCH(QString, value);
    write("PoolSize", value.toStdString());
    write("UOM", "Imperial");
    QCOMPARE(QString::fromStdString(read("PoolSize")), value);
    QCOMPARE(read("UOM"), "Imperial");
}

void IniStoreTest::storedAsTextInItsSection()
{
    write("PoolSize", "20000");
    write("UOM", "Imperial");
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY2(contents.contains("[Defaults]\n"), contents.constData());
    QVERIFY2(contents.contains("PoolSize=20000\n"), contents.constData());
    QVERIFY2(contents.contains("UOM=Imperial\n"), contents.constData());
}

void IniStoreTest::everyReadGoesToTheFile()
{
    write("PoolSize", "1");
    QCOMPARE(read("PoolSize"), "1");
    write("PoolSize", "22");
    QCOMPARE(read("PoolSize"), "22");
    // another writer
    m_settings->writeFile("[Defaults]\nPoolSize=333\n");
    QCOMPARE(read("PoolSize"), "333");
}

void IniStoreTest::handWrittenValueReadsAsWritten_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("poolSize");
    const QByteArray defaults = "[Defaults]\n";
    QTest::newRow("thousands separator") << defaults + "PoolSize=20,000\n" << "20,000";
    QTest::newRow("decimal comma") << defaults + "PoolSize=12,5\n" << "12,5";
    QTest::newRow("blanks by the commas are kept") << defaults + "PoolSize=1 , 2,  3\n"
                                                   << "1 , 2,  3";
    QTest::newRow("blanks around the value are not")
        << defaults + "PoolSize = \t 20,000 \t \n" << "20,000";
    QTest::newRow("a comma at either end") << defaults + "PoolSize=,20000,\n" << ",20000,";
    QTest::newRow("only a comma") << defaults + "PoolSize=,\n" << ",";
    QTest::newRow("a comment after a semicolon") << defaults + "PoolSize=20,000 ; the pool\n"
                                                 << "20,000";
    QTest::newRow("quoted, as Qt writes it") << defaults + "PoolSize=\"20,000\"\n" << "20,000";
    QTest::newRow("quotes keep the blanks inside them")
        << defaults + "PoolSize=\" 1, 2 \"\n" << " 1, 2 ";
    QTest::newRow("escapes as Qt writes them")
        << defaults + "PoolSize=C:\\\\pool\\tsize, \\\"x\\\"\n" << "C:\\pool\tsize, \"x\"";
    QTest::newRow("hexadecimal and octal escapes") << defaults + "PoolSize=\\x41,\\102\n" << "A,B";
    QTest::newRow("a backslash before another letter is dropped with it")
        << defaults + "PoolSize=2\\q0,000\n" << "20,000";
    QTest::newRow("a backslash carries the value over the line break")
        << defaults + "PoolSize=20,\\\n000\n" << "20,000";
    QTest::newRow("non-ASCII") << defaults + QByteArray("PoolSize=Größe, 水\n") << "Größe, 水";
    QTest::newRow("@@ stands for @") << defaults + "PoolSize=@@home, pool\n" << "@home, pool";
    QTest::newRow("@String() holds text") << defaults + "PoolSize=@String(a, b)\n" << "a, b";
    QTest::newRow("an @ of no notation") << defaults + "PoolSize=@home, pool\n" << "@home, pool";
    QTest::newRow("Windows line ends") << QByteArray("[Defaults]\r\nPoolSize=20,000\r\n")
                                       << "20,000";
    QTest::newRow("a byte-order mark")
        << QByteArray("\xef\xbb\xbf[Defaults]\nPoolSize=20,000\n") << "20,000";
    QTest::newRow("a header written with blanks") << QByteArray("[ Defaults ]\nPoolSize=20,000\n")
                                                  << "20,000";
    QTest::newRow("a header with an escape") << QByteArray("[Def%61ults]\nPoolSize=20,000\n")
                                             << "20,000";
    QTest::newRow("a key with an escape") << defaults + "Pool%53ize=20,000\n" << "20,000";
    QTest::newRow("the key given twice: the last") << defaults + "PoolSize=1,5\nPoolSize=2,5\n"
                                                   << "2,5";
    QTest::newRow("the section given twice: the last")
        << defaults + "PoolSize=1,5\n[Other]\nPoolSize=3,5\n[Defaults]\nPoolSize=2,5\n"
        << "2,5";
    QTest::newRow("the key before any header") << QByteArray("Defaults\\PoolSize=20,000\n")
                                               << "20,000";
    // clang-format on
}

void IniStoreTest::handWrittenValueReadsAsWritten()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, poolSize);
    m_settings->writeFile(file + "UOM=Imperial\n");
    QCOMPARE(QString::fromStdString(read("PoolSize")), poolSize);
}

void IniStoreTest::writtenAsQtWritesIt_data()
{
    // clang-format off
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "20000";
    QTest::newRow("comma") << "20,000";
    QTest::newRow("blanks at the ends") << " 6 ";
    QTest::newRow("semicolon and equals") << "a;b=c";
    QTest::newRow("quote and backslash") << "\"C:\\pool\"";
    QTest::newRow("control character") << "a\x01" "b";
    QTest::newRow("at sign first") << "@Variant(x)";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Größe");
    // clang-format on
}

void IniStoreTest::writtenAsQtWritesIt()
{
    QFETCH(QString, value);
    write("PoolSize", value.toStdString());
    QFile stored(m_file);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QString plainFile = m_settings->root() + QStringLiteral("/plain.ini");
    {
        QSettings plain(plainFile, QSettings::IniFormat);
        plain.setValue(QStringLiteral("Defaults/PoolSize"), value);
    }
    QFile written(plainFile);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), written.readAll());
    QCOMPARE(QString::fromStdString(read("PoolSize")), value);
}

void IniStoreTest::valueOfAnotherType_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("number");
    // A 32-bit integer as another Qt program stores it: a serialised QVariant of type int.
    QTest::newRow("integer") << QByteArray("PoolSize=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)")
                             << -2147219500;
    QTest::newRow("64-bit integer")
        << QByteArray("PoolSize=@Variant(\\0\\0\\0\\x4\\0\\0\\0\\0\\0\\0\\0\\0\\x5)")
        << -2147219504 + 11;
    QTest::newRow("bytes") << QByteArray("PoolSize=@ByteArray(abc)") << -2147219504 + 3;
    QTest::newRow("bytes, with a comma") << QByteArray("PoolSize=@ByteArray(a,c)")
                                         << -2147219504 + 3;
    QTest::newRow("no value: Qt's empty list") << QByteArray("PoolSize=@Invalid()")
                                               << -2147219504 + 3;
    // A list of byte arrays claiming 4,294,967,295 entries: Qt asks for 96 GiB and must cope
    // with the refusal.
    QTest::newRow("list claiming billions of entries")
        << QByteArray("PoolSize=@Variant(\\0\\0\\0\\x92\\xff\\xff\\xff\\xff)") << -2147219504 + 3;
    // clang-format on
}

void IniStoreTest::valueOfAnotherType()
{
    QFETCH(QByteArray, line);
    QFETCH(int, number);
    m_settings->writeFile("[Defaults]\n" + line + "\nUOM=Metric\n");
    std::string description, cause;
    QCOMPARE(readError("PoolSize", &description, &cause), number);
    QCOMPARE(description, "Registry data not a string");
    QCOMPARE(QString::fromStdString(cause),
             "The setting PoolSize in " + m_file +
                 " is not stored as text, so it cannot be read. Saving a new value replaces it.");
    QCOMPARE(read("UOM"), "Metric");
}

QStringList IniStoreTest::readAll(IniStore& store)
{
    QStringList values;
    for (const char* key : {"PoolSize", "BleachStrength", "UOM"})
        values << QString::fromStdString(
            MRegistry(store).ReadSetting("Poolwright", "Defaults", key, "-"));
    return values;
}

void IniStoreTest::oversizedFileReadsAsASmallOne_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("values"); // pool size, strength, unit of measure
    const QStringList values{"20000", "6", "Imperial"};
    const QByteArray lines = "BleachStrength=6\nPoolSize=20000\nUOM=Imperial\n";
    QTest::newRow("plain") << "[Defaults]\n" + lines << values;
    QTest::newRow("a byte-order mark") << "\xef\xbb\xbf[Defaults]\n" + lines << values;
    QTest::newRow("a header written with blanks") << "  [ Defaults ]  \n" + lines << values;
    QTest::newRow("a header with an escape") << "[Def%61ults]\n" + lines << values;
    QTest::newRow("a comment after the header") << "[Defaults] ; mine\n" + lines << values;
    QTest::newRow("Windows line ends")
        << QByteArray("[Defaults]\r\nBleachStrength=6\r\nPoolSize=20000\r\nUOM=Imperial\r\n")
        << values;
    QTest::newRow("the keys before any header")
        << QByteArray("Defaults\\BleachStrength=6\nDefaults\\PoolSize=20000\nDefaults\\UOM=Imperial\n")
        << values;
    QTest::newRow("split over two sections, another between")
        << QByteArray("[Defaults]\nPoolSize=1\n[Defaults2]\nUOM=Metric\n[Defaults]\n") + lines
        << values;
    QTest::newRow("a quoted value holding a header")
        << QByteArray("[Defaults]\nBleachStrength=\"6\n[Other]\"\nPoolSize=20000\n")
        << QStringList{"20000", "6\n[Other]", "-"};
    QTest::newRow("other letter case is another section")
        << "[defaults]\n" + lines << QStringList{"-", "-", "-"};
    QTest::newRow("a value with commas") << QByteArray("[Defaults]\nPoolSize=20,000\n")
                                         << QStringList{"20,000", "-", "-"};
    // clang-format on
}

// Too large to be read whole, a file is read from its first megabyte, its [Defaults] lines
// only; what is read there is what Qt reads from those lines as a small file.
void IniStoreTest::oversizedFileReadsAsASmallOne()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, values);
    QTemporaryDir smallRoot;
    IniStore small(smallRoot.path());
    const QString smallFile = small.filePath("SOFTWARE\\Poolwright\\Defaults");
    QVERIFY(QDir().mkpath(QFileInfo(smallFile).path()));
    QFile smallOut(smallFile);
    QVERIFY(smallOut.open(QIODevice::WriteOnly));
    smallOut.write(settings);
    smallOut.close();
    QCOMPARE(readAll(small), values);

    QByteArray noise = "\n[Noise]\n";
    for (int line = 0; line <= IniStore::kMostLines; ++line)
        noise += "key" + QByteArray::number(line) + '=' + QByteArray(20, 'n') + '\n';
    const QByteArray manyLines = settings + noise;
    QVERIFY(manyLines.size() < IniStore::kLargestFile);
    m_settings->writeFile(manyLines);
    QCOMPARE(readAll(*m_settings), values);

    const QByteArray tooLarge = settings + noise + QByteArray(IniStore::kLargestFile, 'n');
    m_settings->writeFile(tooLarge);
    QCOMPARE(readAll(*m_settings), values);

    // The first save starts the file afresh from what was read, and keeps a copy of it.
    write("PoolSize", "30000");
    values[0] = QStringLiteral("30000");
    QCOMPARE(readAll(*m_settings), values);
    QVERIFY(QFileInfo(m_file).size() < 1000);
    QCOMPARE(QDir(QFileInfo(m_file).path()).entryList({"*.bak"}).size(), 1);
}

void IniStoreTest::oversizedFileWithoutRoomForItsPart()
{
    m_settings->writeFile("[Defaults]\nPoolSize=20000\n[Noise]\n" +
                          QByteArray(IniStore::kLargestFile, 'n'));
    // The temporary folder is a file, where nothing can be made, not even by root.
    const QString notAFolder = m_settings->root() + QStringLiteral("/a file");
    QFile blocker(notAFolder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(notAFolder));
    std::string description, cause;
    const int number = readError("PoolSize", &description, &cause);
    qputenv("TMPDIR", savedTemp);
    QCOMPARE(number, -2147219499);
    QCOMPARE(description, "Could not open registry section");
    QVERIFY2(QString::fromStdString(cause).startsWith(
                 m_file + " is far larger than three settings need, and the part of it that is "
                          "read could not be copied to a temporary file ("),
             cause.c_str());
    QCOMPARE(read("PoolSize"), "20000");
}

void IniStoreTest::settingsFileIsAFolder()
{
    QVERIFY(QDir().mkpath(m_file));
    std::string description, cause;
    const std::string isAFolder = m_file.toStdString() + " is a folder, not a file.";
    QCOMPARE(readError("PoolSize", &description, &cause), -2147219499);
    QCOMPARE(description, "Could not open registry section");
    QVERIFY2(cause.starts_with(isAFolder), cause.c_str());
    QCOMPARE(writeError(&description, &cause), -2147219499);
    QCOMPARE(description, "Could not open/create registry section");
    QVERIFY2(cause.starts_with(isAFolder), cause.c_str());
}

void IniStoreTest::settingsFolderIsAFile()
{
    QFile blocker(QFileInfo(m_file).path());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(read("PoolSize"), "default");
    std::string description, cause;
    QCOMPARE(writeError(&description, &cause), -2147219499);
    QCOMPARE(description, "Could not open/create registry section");
    const QString folder = QFileInfo(m_file).path();
    QCOMPARE(QString::fromStdString(cause),
             "The folder " + folder + " cannot be made: " + folder + " is a file, not a folder.");
}

void IniStoreTest::unreadableFile()
{
    write("PoolSize", "20000");
    const PermissionsStopRoot asAUser;
    QVERIFY2(asAUser.holds(), "root's file capabilities could not be set aside");
    QVERIFY(QFile::setPermissions(m_file, QFile::WriteOwner));
    std::string description;
    QCOMPARE(readError("PoolSize", &description), -2147219499);
    QCOMPARE(description, "Could not open registry section");
}

void IniStoreTest::unwritableFolder()
{
    write("PoolSize", "20000");
    const PermissionsStopRoot asAUser;
    QVERIFY2(asAUser.holds(), "root's file capabilities could not be set aside");
    QVERIFY(QFile::setPermissions(QFileInfo(m_file).path(), QFile::ReadOwner | QFile::ExeOwner));
    std::string description;
    QCOMPARE(writeError(&description), -2147219499);
    QCOMPARE(description, "Could not open/create registry section");
    QCOMPARE(read("PoolSize"), "20000");
}

void IniStoreTest::configRoot_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("root");
    QTest::newRow("set") << QByteArray("/tmp/somewhere") << "/tmp/somewhere";
    QTest::newRow("unset") << QByteArray() << QDir::homePath() + "/.config";
    QTest::newRow("relative is ignored") << QByteArray("relative/dir")
                                         << QDir::homePath() + "/.config";
    // clang-format on
}

void IniStoreTest::configRoot()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QString, root);
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    if (configHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", configHome);
    const QString found = IniStore::ConfigRootFromEnvironment();
    qputenv("XDG_CONFIG_HOME", saved);
    QCOMPARE(found, root);
}

QTEST_GUILESS_MAIN(IniStoreTest)
#include "tst_inistore.moc"
