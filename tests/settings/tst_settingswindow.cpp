// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/defaults.h"
#include "settings/inistore.h"
#include "settings/mregistry.h"
#include "settings/settingswindow.h"
#include "support/columns.h"
#include "support/keptwindows.h"
#include "support/messages.h"
#include "support/windowtests.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The real store, refusing what it is told to refuse: the section, as a locked file refuses
// it, or the write of number failingWrite (from 1), as a full disk refuses it.
class RefusingStore : public IniStore
{
public:
    using IniStore::IniStore;

    long CreateKey(const std::string& path, Key& key) override
    {
        return refuseSection ? kAccessDenied : IniStore::CreateKey(path, key);
    }
    long SetValue(Key key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override
    {
        if (++writes == failingWrite)
            return kAccessDenied;
        return IniStore::SetValue(key, name, type, data, size);
    }
    SettingsCause TakeFailureCause() override
    {
        if (writes != failingWrite)
            return IniStore::TakeFailureCause();
        SettingsCause full;
        full.kind = SettingsCause::Kind::NotWrittenDiskFull;
        full.path = "/full/Poolwright.ini";
        return full;
    }

    bool refuseSection = false;
    int failingWrite = 0;
    int writes = 0;
};

} // namespace

class SettingsWindowTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void loadStep_data();
    void loadStep();
    void loadReadsEveryValueItCan_data();
    void loadReadsEveryValueItCan();
    void saveKeepsWhatCouldNotBeRead_data();
    void saveKeepsWhatCouldNotBeRead();
    void savesAsTyped_data();
    void savesAsTyped();
    void failedSaveKeepsEverything();
    void partlyFailedSaveSaysWhatWasSaved_data();
    void partlyFailedSaveSaysWhatWasSaved();
    void optionButtonsFormOneGroup();
    void layout();

private:
    QLineEdit* box(const char* name) const { return m_window->findChild<QLineEdit*>(name); }
    QRadioButton* option(const char* name) const
    {
        return m_window->findChild<QRadioButton*>(name);
    }
    void save()
    {
        QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }
    // A stored value as the program reads it, or "not text" for one it cannot read.
    QString storedText(const char* key);

    std::unique_ptr<KeptWindows> m_kept;
    // The window's store: the test's settings, refusing nothing until a test says so.
    std::unique_ptr<RefusingStore> m_store;
    QPointer<SettingsWindow> m_window;
};

void SettingsWindowTest::init()
{
    m_kept = std::make_unique<KeptWindows>();
    m_store = std::make_unique<RefusingStore>(m_kept->settings.root());
    m_window = new SettingsWindow({m_kept->keeper, m_kept->feedback, *m_store});
    m_window->setAttribute(Qt::WA_DeleteOnClose);
}

void SettingsWindowTest::cleanup()
{
    delete m_window;
    m_store.reset();
    m_kept.reset();
}

void SettingsWindowTest::loadStep_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("uom");
    QTest::addColumn<bool>("imperial");
    QTest::newRow("nothing stored") << false << "" << false;
    QTest::newRow("Imperial") << true << "Imperial" << true;
    QTest::newRow("Metric") << true << "Metric" << false;
    QTest::newRow("other letter case") << true << "IMPERIAL" << false;
    QTest::newRow("anything else") << true << "furlongs" << false;
}

void SettingsWindowTest::loadStep()
{
    QFETCH(bool, stored);
    QFETCH(QString, uom);
    QFETCH(bool, imperial);
    if (stored)
        m_kept->settings.store(QStringLiteral(" 20000 "), QStringLiteral("six"), uom);
    m_window->load();
    QCOMPARE(box("txtPoolSize")->text(), stored ? QStringLiteral(" 20000 ") : QString());
    QCOMPARE(box("txtBleachStrength")->text(), stored ? QStringLiteral("six") : QString());
    QCOMPARE(option("optImperial")->isChecked(), imperial);
    QCOMPARE(option("optMetric")->isChecked(), !imperial);
}

QString SettingsWindowTest::storedText(const char* key)
{
    try {
        return m_kept->settings.read(key, QStringLiteral("unset"));
    } catch (const SettingsError&) {
        return QStringLiteral("not text");
    }
}

void SettingsWindowTest::loadReadsEveryValueItCan_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("file");
    AddColumns<QString>({"poolSize", "strength", "unit", "notText"}); // unit: chosen button
    QTest::newRow("written by hand with commas: all read")
        << SettingsFile("20,000", "12,5", "Imperial") << "20,000" << "12,5" << "optImperial" << "";
    QTest::newRow("pool size not text") << SettingsFile(kStoredNumber, "12,5", "Imperial") << ""
                                        << "12,5" << "optImperial" << "PoolSize";
    QTest::newRow("strength not text") << SettingsFile("20000", kStoredBytes, "Imperial")
                                       << "20000" << "" << "optImperial" << "BleachStrength";
    QTest::newRow("unit of measure not text: neither button")
        << SettingsFile("20000", "6", kStoredNumber) << "20000" << "6" << "" << "UOM";
    QTest::newRow("two not text: the first is told")
        << SettingsFile(kStoredBytes, "6", kStoredNumber) << "" << "6" << "" << "PoolSize";
    // clang-format on
}

void SettingsWindowTest::loadReadsEveryValueItCan()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, poolSize);
    QFETCH(QString, strength);
    QFETCH(QString, unit);
    QFETCH(QString, notText);
    m_kept->settings.writeFile(file);
    m_kept->keeper.setFactory(WindowKind::Settings, [this] { return m_window.data(); });
    m_kept->keeper.show(WindowKind::Settings); // loads, and tells the user what failed

    QCOMPARE(box("txtPoolSize")->text(), poolSize);
    QCOMPARE(box("txtBleachStrength")->text(), strength);
    QCOMPARE(option("optImperial")->isChecked(), unit == "optImperial");
    QCOMPARE(option("optMetric")->isChecked(), unit == "optMetric");
    if (notText.isEmpty()) {
        QCOMPARE(m_kept->feedback.heard(), QStringList());
    } else {
        QCOMPARE(m_kept->feedback.errors.size(), 1);
        const QString& error = m_kept->feedback.errors.first();
        QVERIFY2(error.startsWith("The settings could not be read.\n\nRegistry data not a string"),
                 qPrintable(error));
        QVERIFY2(error.endsWith(message::NotText(notText, m_kept->settings.filePath())),
                 qPrintable(error));
    }
}

void SettingsWindowTest::saveKeepsWhatCouldNotBeRead_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("file");
    AddColumns<QString>({"typed", "chosen"}); // typed into the pool size box; a button clicked
    QTest::addColumn<bool>("askedForUnit");
    QTest::addColumn<QStringList>("stored"); // pool size, strength, unit of measure afterwards
    const QByteArray poolSizeNotText = SettingsFile(kStoredNumber, "6", "Imperial");
    QTest::newRow("pool size untouched: kept as it was")
        << poolSizeNotText << "" << "" << false << QStringList{"not text", "6", "Imperial"};
    QTest::newRow("pool size typed over: saved")
        << poolSizeNotText << "30000" << "" << false << QStringList{"30000", "6", "Imperial"};
    QTest::newRow("pool size typed and deleted: the empty text")
        << poolSizeNotText << "3\b" << "" << false << QStringList{"", "6", "Imperial"};
    const QByteArray unitNotText = SettingsFile("20000", "6", kStoredNumber);
    QTest::newRow("no unit chosen: asked for one, nothing saved")
        << unitNotText << "30000" << "" << true << QStringList{"20000", "6", "not text"};
    QTest::newRow("a unit chosen: saved") << unitNotText << "30000" << "optMetric" << false
                                          << QStringList{"30000", "6", "Metric"};
    // clang-format on
}

void SettingsWindowTest::saveKeepsWhatCouldNotBeRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(bool, askedForUnit);
    QFETCH(QStringList, stored);
    m_kept->settings.writeFile(file);
    try {
        m_window->load();
    } catch (const SettingsError&) {
        // told to the user by whoever runs the load step
    }
    m_window->show();
    if (!typed.isEmpty()) {
        box("txtPoolSize")->selectAll();
        QTest::keyClicks(box("txtPoolSize"), typed.section('\b', 0, 0));
        if (typed.contains('\b'))
            QTest::keyClick(box("txtPoolSize"), Qt::Key_Backspace);
    }
    if (!chosen.isEmpty())
        QTest::mouseClick(option(chosen.toLatin1().constData()), Qt::LeftButton);
    save();

    QCOMPARE(m_kept->feedback.heard(),
             askedForUnit ? (QStringList{"beep", message::kChooseUnit}) : QStringList());
    QCOMPARE((QStringList{storedText(defaults::kPoolSize), storedText(defaults::kBleachStrength),
                          storedText(defaults::kUnitOfMeasure)}),
             stored);
    if (askedForUnit)
        QVERIFY(m_window->isVisible());
    else
        QTRY_VERIFY(m_window.isNull()); // saved and closed
}

void SettingsWindowTest::savesAsTyped_data()
{
    // clang-format off
    AddColumns<QString>({"poolSize", "strength"});
    QTest::addColumn<bool>("imperial");
    QTest::newRow("untouched first opening") << "" << "" << false;
    QTest::newRow("numbers, imperial") << "20000" << "6" << true;
    QTest::newRow("letters and blanks unchecked") << " lots of water " << "strong" << false;
    // clang-format on
}

void SettingsWindowTest::savesAsTyped()
{
    QFETCH(QString, poolSize);
    QFETCH(QString, strength);
    QFETCH(bool, imperial);
    m_window->load();
    QTest::keyClicks(box("txtPoolSize"), poolSize);
    QTest::keyClicks(box("txtBleachStrength"), strength);
    if (imperial)
        QTest::mouseClick(option("optImperial"), Qt::LeftButton);
    save();
    QCOMPARE(m_kept->settings.read(defaults::kPoolSize, "unset"), poolSize);
    QCOMPARE(m_kept->settings.read(defaults::kBleachStrength, "unset"), strength);
    QCOMPARE(m_kept->settings.read(defaults::kUnitOfMeasure), imperial ? "Imperial" : "Metric");
    QCOMPARE(m_kept->feedback.errors, QStringList());
    QTRY_VERIFY(m_window.isNull()); // closed and discarded
}

void SettingsWindowTest::failedSaveKeepsEverything()
{
    m_window->load();
    m_window->show();
    QTest::keyClicks(box("txtPoolSize"), QStringLiteral("30000"));
    QTest::keyClicks(box("txtBleachStrength"), QStringLiteral("10"));
    QTest::mouseClick(option("optImperial"), Qt::LeftButton);

    m_store->refuseSection = true;
    save();

    QCOMPARE(m_kept->feedback.beeps, 1);
    QCOMPARE(m_kept->feedback.errors.size(), 1);
    const QString& error = m_kept->feedback.errors.first();
    QVERIFY2(error.startsWith(QStringLiteral("The settings could not be saved.")),
             qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("Could not open/create registry section")),
             qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("-2147219499 (0x800407D5)")), qPrintable(error));
    QVERIFY2(error.endsWith(QStringLiteral("None of the three settings was saved.")),
             qPrintable(error));
    // The first write failed: nothing else was tried, and the window keeps what was typed.
    QCOMPARE(m_store->writes, 0);
    QVERIFY(!m_window.isNull());
    QVERIFY(m_window->isVisible());
    QCOMPARE(box("txtPoolSize")->text(), QStringLiteral("30000"));
    QCOMPARE(box("txtBleachStrength")->text(), QStringLiteral("10"));
    QVERIFY(option("optImperial")->isChecked());

    // Once the store works again, the same press saves it all.
    m_store->refuseSection = false;
    save();
    QCOMPARE(m_kept->settings.read(defaults::kPoolSize), QStringLiteral("30000"));
    QCOMPARE(m_kept->settings.read(defaults::kUnitOfMeasure), QStringLiteral("Imperial"));
}

void SettingsWindowTest::partlyFailedSaveSaysWhatWasSaved_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("poolSize"); // as stored before
    QTest::addColumn<int>("failing");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QStringList>("stored"); // pool size, strength, unit of measure afterwards
    QTest::newRow("first write fails") << QByteArray("10000") << 1
                                       << "None of the three settings was saved."
                                       << QStringList{"10000", "5", "Metric"};
    QTest::newRow("second write fails")
        << QByteArray("10000") << 2
        << "The pool size was saved; the bleach strength and the unit of measure were not."
        << QStringList{"30000", "5", "Metric"};
    QTest::newRow("third write fails")
        << QByteArray("10000") << 3
        << "The pool size and the bleach strength were saved; the unit of measure was not."
        << QStringList{"30000", "10", "Metric"};
    // A pool size that could not be read is not written, and not told of either.
    QTest::newRow("pool size kept, second write fails")
        << kStoredNumber << 2 << "The bleach strength was saved; the unit of measure was not."
        << QStringList{"not text", "10", "Metric"};
    // clang-format on
}

void SettingsWindowTest::partlyFailedSaveSaysWhatWasSaved()
{
    QFETCH(QByteArray, poolSize);
    QFETCH(int, failing);
    QFETCH(QString, saved);
    QFETCH(QStringList, stored);
    m_kept->settings.writeFile(SettingsFile(poolSize, "5", "Metric"));
    m_store->failingWrite = failing;
    try {
        m_window->load();
    } catch (const SettingsError&) {
        // the pool size that is no text
    }
    m_window->show();
    // Set, as the program sets a box, not typed: a value that could not be read stays unsaved.
    box("txtPoolSize")->setText(QStringLiteral("30000"));
    box("txtBleachStrength")->setText(QStringLiteral("10"));
    QTest::mouseClick(option("optImperial"), Qt::LeftButton);
    save();

    QCOMPARE(m_kept->feedback.errors.size(), 1);
    const QString& error = m_kept->feedback.errors.first();
    QVERIFY2(error.startsWith(QStringLiteral("The settings could not be saved. What you typed is "
                                             "kept, so you can try again.\n\n"
                                             "Could not set key value\n"
                                             "Error number -2147219499 (0x800407D5)\n\n"
                                             "/full/Poolwright.ini could not be "
                                             "written: the disk it is on is full.\n")),
             qPrintable(error));
    QVERIFY2(error.endsWith(saved), qPrintable(error));
    QCOMPARE((QStringList{storedText(defaults::kPoolSize), storedText(defaults::kBleachStrength),
                          storedText(defaults::kUnitOfMeasure)}),
             stored);
    QVERIFY(m_window->isVisible());
    QCOMPARE(box("txtBleachStrength")->text(), QStringLiteral("10"));
}

void SettingsWindowTest::optionButtonsFormOneGroup()
{
    m_window->load();
    QVERIFY(option("optMetric")->isChecked());
    QTest::mouseClick(option("optImperial"), Qt::LeftButton);
    QVERIFY(option("optImperial")->isChecked());
    QVERIFY(!option("optMetric")->isChecked());
    QTest::mouseClick(option("optImperial"), Qt::LeftButton); // cannot be cleared
    QVERIFY(option("optImperial")->isChecked());
    QCOMPARE(option("optImperial")->parentWidget(), m_window.data());
}

// Where each control stands, and the tab order: tst_windowtables.
void SettingsWindowTest::layout()
{
    QCOMPARE(m_window->findChild<QPushButton*>("Command1")->text(),
             QStringLiteral("Save && Close"));
    const QFont heading = m_window->findChild<QLabel*>("Label2")->font();
    QVERIFY(heading.bold() && !heading.italic());
    QCOMPARE(heading.pointSizeF(), 13.5);
}

QTEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
