// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/mregistry.h"
#include "support/columns.h"
#include "support/fakestore.h"
#include "ui/settingsmessages.h"

#include <QTest>

#include <string>
#include <vector>

using Calls = std::vector<std::string>;
Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Calls)

namespace {

const std::string kPath = "SOFTWARE\\Poolwright\\Defaults";

std::string Bytes(const std::string& text)
{
    return text + '\0';
}

// What the fake store says a failing call failed of.
SettingsCause Why()
{
    SettingsCause cause;
    cause.kind = SettingsCause::Kind::Unreadable;
    cause.path = "/why/it/failed.ini";
    return cause;
}

} // namespace

class MRegistryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyNames_data();
    void emptyNames();
    void read_data();
    void read();
    void readFailures_data();
    void readFailures();
    void write();
    void writeFailures_data();
    void writeFailures();
    void closingErrorsAreIgnored();
    void namesAreTrimmedForThePathOnly();
};

void MRegistryTest::emptyNames_data()
{
    // clang-format off
    AddColumns<std::string>({"app", "section", "key"});
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("empty app") << std::string() << std::string("Defaults") << std::string("UOM")
                               << -2147220504 << "AppName may not be empty";
    QTest::newRow("blank app") << std::string("   ") << std::string("Defaults")
                               << std::string("UOM") << -2147220504 << "AppName may not be empty";
    QTest::newRow("empty section") << std::string("Poolwright") << std::string() << std::string("UOM")
                                   << -2147220503 << "Section may not be empty";
    QTest::newRow("blank key") << std::string("Poolwright") << std::string("Defaults")
                               << std::string(" ") << -2147220502 << "Key may not be empty";
    QTest::newRow("app checked first") << std::string(" ") << std::string(" ") << std::string(" ")
                                       << -2147220504 << "AppName may not be empty";
    QTest::newRow("section before key") << std::string("Poolwright") << std::string("")
                                        << std::string("") << -2147220503
                                        << "Section may not be empty";
    // clang-format on
}

void MRegistryTest::emptyNames()
{
    QFETCH(std::string, app);
    QFETCH(std::string, section);
    QFETCH(std::string, key);
    QFETCH(int, number);
    QFETCH(QString, description);
    for (bool writing : {false, true}) {
        FakeStore store;
        try {
            if (writing)
                MRegistry(store).WriteSetting(app, section, key, "x");
            else
                MRegistry(store).ReadSetting(app, section, key, "default");
            QFAIL("no error");
        } catch (const SettingsError& error) {
            QCOMPARE(error.number(), number);
            QCOMPARE(ui::SettingsFaultText(error.fault()), description);
            QCOMPARE(error.source(), std::string("Poolwright"));
            QVERIFY(!error.resultCode());
        }
        QVERIFY2(store.calls.empty(), "the store was touched");
    }
}

void MRegistryTest::read_data()
{
    // clang-format off
    AddColumns<long>({"openResult", "firstQuery", "secondQuery"});
    AddColumns<std::string>({"bytes", "result"});
    QTest::addColumn<Calls>("calls");
    const Calls full{"open " + kPath, "query UOM", "read UOM", "close"};
    QTest::newRow("stored text") << 0L << 0L << 0L << Bytes("Imperial") << std::string("Imperial")
                                 << full;
    QTest::newRow("empty text is not the default")
        << 0L << 0L << 0L << Bytes("") << std::string() << full;
    QTest::newRow("zero data size is the empty text")
        << 0L << 0L << 0L << std::string() << std::string()
        << Calls{"open " + kPath, "query UOM", "close"};
    QTest::newRow("blanks kept") << 0L << 0L << 0L << Bytes("  a b  ") << std::string("  a b  ")
                                 << full;
    QTest::newRow("no application or section") << 2L << 0L << 0L << Bytes("x")
                                               << std::string("default") << Calls{"open " + kPath};
    QTest::newRow("value missing") << 0L << 2L << 0L << Bytes("x") << std::string("default")
                                   << Calls{"open " + kPath, "query UOM", "close"};
    QTest::newRow("first query fails otherwise")
        << 0L << 5L << 0L << Bytes("x") << std::string("default")
        << Calls{"open " + kPath, "query UOM", "close"};
    QTest::newRow("second query fails") << 0L << 0L << 234L << Bytes("x")
                                        << std::string("default") << full;
    // clang-format on
}

void MRegistryTest::read()
{
    QFETCH(long, openResult);
    QFETCH(long, firstQuery);
    QFETCH(long, secondQuery);
    QFETCH(std::string, bytes);
    QFETCH(std::string, result);
    QFETCH(Calls, calls);
    FakeStore store;
    store.openResult = openResult;
    store.firstQueryResult = firstQuery;
    store.secondQueryResult = secondQuery;
    store.valueBytes = bytes;
    QCOMPARE(MRegistry(store).ReadSetting("Poolwright", "Defaults", "UOM", "default"), result);
    QCOMPARE(store.calls, calls);
    QCOMPARE(store.openHandles, 0);
}

void MRegistryTest::readFailures_data()
{
    // clang-format off
    QTest::addColumn<long>("openResult");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("location"); // where the store says the key is kept
    QTest::addColumn<QString>("cause");
    const QString why =
        QStringLiteral("/why/it/failed.ini cannot be read: there is no permission to read it.");
    const QString notText = QStringLiteral("The setting PoolSize%1 is not stored as text, so it "
                                           "cannot be read. Saving a new value replaces it.");
    QTest::newRow("access denied") << 5L << 1u << -2147219499 << "Could not open registry section"
                                   << false << "" << why;
    QTest::newRow("other open failure") << 1018L << 1u << -2147219504 + 1018
                                        << "Could not open registry section" << false << ""
                                        << why;
    // A value's type is no failure of the store: the cause names the value, not the store's why.
    QTest::newRow("integer value") << 0L << 4u << -2147219500 << "Registry data not a string"
                                   << true << "" << notText.arg("");
    QTest::newRow("expanding string") << 0L << 2u << -2147219502 << "Registry data not a string"
                                      << true << "" << notText.arg("");
    QTest::newRow("binary, where the store names its key")
        << 0L << 3u << -2147219501 << "Registry data not a string" << true
        << "HKEY_LOCAL_MACHINE\\SOFTWARE\\Poolwright\\Defaults"
        << notText.arg(" in HKEY_LOCAL_MACHINE\\SOFTWARE\\Poolwright\\Defaults");
    // clang-format on
}

void MRegistryTest::readFailures()
{
    QFETCH(long, openResult);
    QFETCH(quint32, type);
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(bool, closed);
    QFETCH(QString, location);
    QFETCH(QString, cause);
    FakeStore store;
    store.openResult = openResult;
    store.valueType = type;
    store.valueBytes = Bytes("5");
    store.failureCause = Why();
    store.location = location.toStdString();
    try {
        MRegistry(store).ReadSetting("Poolwright", "Defaults", "PoolSize", "default");
        QFAIL("no error");
    } catch (const SettingsError& error) {
        QCOMPARE(error.number(), number);
        QCOMPARE(ui::SettingsFaultText(error.fault()), description);
        QCOMPARE(ui::SettingsFailureDetails(error), cause);
        QCOMPARE(error.key(), "PoolSize");
        // The number adds the result code of a failing open, or the type of a value not text.
        QCOMPARE(error.resultCode().has_value(), openResult != SettingsStore::kSuccess);
        QCOMPARE(error.valueType().has_value(), openResult == SettingsStore::kSuccess);
        QCOMPARE(store.locationAsked, openResult == SettingsStore::kSuccess ? kPath : "");
        // The key is closed before the error reaches the caller.
        QCOMPARE(store.openHandles, 0);
        QCOMPARE(store.calls.back() == "close", closed);
    }
}

void MRegistryTest::write()
{
    FakeStore store;
    MRegistry(store).WriteSetting(" Poolwright ", "Defaults  ", "PoolSize", " 20000 ");
    QCOMPARE(store.calls, (Calls{"create " + kPath, "set PoolSize", "close"}));
    QCOMPARE(store.setType, 1u);
    QCOMPARE(store.setData, Bytes(" 20000 ")); // the size counts the terminating zero
    QCOMPARE(store.openHandles, 0);

    MRegistry(store).WriteSetting("Poolwright", "Defaults", "BleachStrength", "");
    QCOMPARE(store.setData, std::string(1, '\0'));
}

void MRegistryTest::writeFailures_data()
{
    // clang-format off
    AddColumns<long>({"createResult", "setResult"});
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<Calls>("calls");
    QTest::newRow("no right to create") << 5L << 0L << -2147219499
                                        << "Could not open/create registry section"
                                        << Calls{"create " + kPath};
    QTest::newRow("value refused") << 0L << 5L << -2147219499 << "Could not set key value"
                                   << Calls{"create " + kPath, "set UOM", "close"};
    QTest::newRow("value refused, other code") << 0L << 1009L << -2147219504 + 1009
                                               << "Could not set key value"
                                               << Calls{"create " + kPath, "set UOM", "close"};
    // clang-format on
}

void MRegistryTest::writeFailures()
{
    QFETCH(long, createResult);
    QFETCH(long, setResult);
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(Calls, calls);
    FakeStore store;
    store.createResult = createResult;
    store.setResult = setResult;
    store.failureCause = Why();
    try {
        MRegistry(store).WriteSetting("Poolwright", "Defaults", "UOM", "Metric");
        QFAIL("no error");
    } catch (const SettingsError& error) {
        QCOMPARE(error.number(), number);
        QCOMPARE(ui::SettingsFaultText(error.fault()), description);
        QVERIFY(error.cause() == Why());
        QCOMPARE(error.resultCode(),
                 std::optional<long>(createResult != 0 ? createResult : setResult));
    }
    QCOMPARE(store.calls, calls);
    QCOMPARE(store.openHandles, 0);
}

void MRegistryTest::closingErrorsAreIgnored()
{
    FakeStore store;
    store.closeResult = 6;
    store.valueBytes = Bytes("Metric");
    QCOMPARE(MRegistry(store).ReadSetting("Poolwright", "Defaults", "UOM", ""), "Metric");
    MRegistry(store).WriteSetting("Poolwright", "Defaults", "UOM", "Imperial");

    store.valueType = 4;
    try {
        MRegistry(store).ReadSetting("Poolwright", "Defaults", "UOM", "");
        QFAIL("no error");
    } catch (const SettingsError& error) {
        QCOMPARE(error.number(), -2147219500); // the held error, not the closing one
    }
}

void MRegistryTest::namesAreTrimmedForThePathOnly()
{
    FakeStore store;
    store.valueBytes = Bytes("1");
    MRegistry(store).ReadSetting("  Poolwright", "Defaults ", " Pool Size ", "");
    QCOMPARE(store.calls,
             (Calls{"open " + kPath, "query  Pool Size ", "read  Pool Size ", "close"}));
}

QTEST_APPLESS_MAIN(MRegistryTest)
#include "tst_mregistry.moc"
