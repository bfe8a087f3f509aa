// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/defaults.h"
#include "settings/inistore.h"
#include "support/keptwindowstestcase.h"
#include "support/messages.h"
#include "support/windowchecks.h"
#include "ui/windowkeeper.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <sys/stat.h>

#include <cstdio>

// Settings files that real machines end up with, met by the real store and the real windows:
// the program starts, the user opens Settings and saves. Nothing freezes (CTest gives each case
// a time limit: a pipe opened for reading would wait for ever, a device would never end),
// nothing of the user's is lost, and every message names the file and what is wrong with it.
class OddSettingsFilesTest : public KeptWindowsTestCase
{
    Q_OBJECT

public:
    enum Odd
    {
        Huge,
        KeyTwice,
        Folder,
        Pipe,
        LinkToDevice,
        DanglingLink,
        DanglingLinkNoFolder
    };
    Q_ENUM(Odd)

private Q_SLOTS:
    void init();

    void startAndSave_data();
    void startAndSave();

private:
    void makeOdd(Odd odd);
    void removeOdd(Odd odd);
    QWidget* keptWindow(WindowKind kind) { return keeper().show(kind); }
    QStringList copies() const
    {
        return QDir(QFileInfo(m_file).path()).entryList({QStringLiteral("*.bak")}, QDir::Files);
    }
    void saveSettings(const QString& poolSize);

    QString m_file;
    QByteArray m_original; // the odd file's bytes, where it has any
};

void OddSettingsFilesTest::init()
{
    startKeptWindows();
    m_file = kept().settings.filePath();
    QVERIFY(QDir().mkpath(QFileInfo(m_file).path()));
    m_original.clear();
}

void OddSettingsFilesTest::makeOdd(Odd odd)
{
    const QByteArray file = QFile::encodeName(m_file);
    const QString folder = QFileInfo(m_file).path();
    switch (odd) {
    case Huge: {
        // 49 MB: the three defaults, then a million lines of something else.
        const QByteArray defaults =
            "[Defaults]\nBleachStrength=6\nPoolSize=20000\nUOM=Imperial\n[Noise]\n";
        constexpr int kLines = 1000 * 1000;
        constexpr int kLineSize = 49; // "key0000000=" and 37 letters, then the line's end
        m_original = defaults + QByteArray(qsizetype{kLines} * kLineSize, 'n');
        char* line = m_original.data() + defaults.size();
        for (int number = 0; number < kLines; ++number, line += kLineSize) {
            std::snprintf(line, 12, "key%07d=", number); // its zero is written over below
            line[11] = 'n';
            line[kLineSize - 1] = '\n';
        }
        break;
    }
    case KeyTwice:
        m_original = "[Defaults]\nPoolSize=1\nPoolSize=2\nUOM=Imperial\n";
        break;
    case Folder:
        QVERIFY(QDir().mkpath(m_file + QStringLiteral("/something inside")));
        return;
    case Pipe:
        QCOMPARE(::mkfifo(file.constData(), 0600), 0);
        return;
    case LinkToDevice:
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_file));
        return;
    case DanglingLink:
        QVERIFY(QFile::link(folder + QStringLiteral("/kept elsewhere.ini"), m_file));
        return;
    case DanglingLinkNoFolder:
        QVERIFY(QFile::link(folder + QStringLiteral("/not made yet/Poolwright.ini"), m_file));
        return;
    }
    QFile out(m_file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(m_original), m_original.size());
}

// What the user does outside the program once a message has named the file.
void OddSettingsFilesTest::removeOdd(Odd odd)
{
    if (odd == Folder)
        QVERIFY(QDir(m_file).removeRecursively());
    else if (odd == DanglingLinkNoFolder)
        QVERIFY(QDir().mkpath(QFileInfo(m_file).path() + QStringLiteral("/not made yet")));
    else
        QVERIFY(QFile::remove(m_file));
}

void OddSettingsFilesTest::saveSettings(const QString& poolSize)
{
    QWidget* settings = keptWindow(WindowKind::Settings);
    auto* box = settings->findChild<QLineEdit*>("txtPoolSize");
    box->clear();
    QTest::keyClicks(box, poolSize);
    auto* saveButton = settings->findChild<QPushButton*>("Command1");
    auto* metric = settings->findChild<QRadioButton*>("optMetric");
    if (!metric->isChecked() && !settings->findChild<QRadioButton*>("optImperial")->isChecked()) {
        // The unit of measure could not be read: saving asks for one, and saves nothing.
        const RecordingFeedback before = kept().feedback;
        QTest::mouseClick(saveButton, Qt::LeftButton);
        QCOMPARE(kept().feedback.beeps, before.beeps + 1);
        QCOMPARE(kept().feedback.warnings, before.warnings + QStringList(message::kChooseUnit));
        QCOMPARE(kept().feedback.errors, before.errors);
        QTest::mouseClick(metric, Qt::LeftButton);
    }
    QTest::mouseClick(saveButton, Qt::LeftButton);
}

void OddSettingsFilesTest::startAndSave_data()
{
    // clang-format off
    QTest::addColumn<Odd>("odd");
    QTest::addColumn<QString>("readFailure"); // what the messages at start say; empty: none
    QTest::addColumn<QString>("saveFailure"); // what the message of the save says; empty: saved
    QTest::addColumn<QString>("poolSize");    // in the main window at start
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<QString>("notice");      // why a copy was kept; empty: no copy

    QTest::newRow("49 MB, the defaults and a million other lines")
        << Huge << "" << "" << "20000" << true << "far larger than three settings need";
    QTest::newRow("a key given twice: the last is read, both are kept")
        << KeyTwice << "" << "" << "2" << true << "It gives PoolSize more than once";
    const QString notAFile = QStringLiteral("is %1, not a file. Rename or remove it");
    QTest::newRow("a folder") << Folder << notAFile.arg("a folder") << notAFile.arg("a folder")
                              << "" << false << "";
    QTest::newRow("a named pipe, never opened")
        << Pipe << notAFile.arg("a named pipe") << notAFile.arg("a named pipe") << "" << false
        << "";
    const QString toDevice =
        QStringLiteral("is a link to /dev/zero, which is a device, not a file.");
    QTest::newRow("a link to /dev/zero, never opened")
        << LinkToDevice << toDevice << toDevice << "" << false << "";
    QTest::newRow("a link to a file not made yet is written through")
        << DanglingLink << "" << "" << "" << false << "";
    QTest::newRow("a link into a folder that does not exist")
        << DanglingLinkNoFolder << ""
        << "which does not exist and cannot be made, as its folder does not exist either." << ""
        << false << "";
    // clang-format on
}

void OddSettingsFilesTest::startAndSave()
{
    QFETCH(Odd, odd);
    QFETCH(QString, readFailure);
    QFETCH(QString, saveFailure);
    QFETCH(QString, poolSize);
    QFETCH(bool, imperial);
    QFETCH(QString, notice);
    makeOdd(odd);
    const QString shownFile = QDir::toNativeSeparators(m_file);

    // Start: the main window, loaded from what can be read, or with Metric captions and empty
    // boxes and one message that says why.
    QWidget* main = keptWindow(WindowKind::Main);
    QVERIFY(main->isVisible());
    QCOMPARE(main->findChild<QLabel*>("Label1")->text(),
             imperial ? QStringLiteral("Pool Size (Gal.)") : QStringLiteral("Pool Size (L)"));
    QCOMPARE(main->findChild<QLineEdit*>("txtGal")->text(), poolSize);
    if (readFailure.isEmpty()) {
        QCOMPARE(kept().feedback.errors, QStringList());
    } else {
        QCOMPARE(kept().feedback.errors.size(), 1);
        const QString& error = kept().feedback.errors.first();
        QVERIFY2(error.startsWith(QStringLiteral("The settings could not be read.\n\n"
                                                 "Could not open registry section\n"
                                                 "Error number -2147219499 (0x800407D5)")),
                 qPrintable(error));
        QVERIFY2(error.contains(shownFile + QLatin1Char(' ') + readFailure), qPrintable(error));
    }

    kept().feedback.errors.clear();
    saveSettings(QStringLiteral("30000"));
    for (const QString& error : std::as_const(kept().feedback.errors))
        QVERIFY2(error.contains(shownFile), qPrintable(error));
    if (!saveFailure.isEmpty()) {
        // Nothing written, the window keeps what was typed, the message names the file and
        // says what was saved; once the user has dealt with the file, the same press saves.
        QVERIFY(!kept().feedback.errors.isEmpty());
        const QString& error = kept().feedback.errors.last();
        QVERIFY2(error.startsWith(QStringLiteral("The settings could not be saved.")),
                 qPrintable(error));
        QVERIFY2(error.contains(shownFile + QLatin1Char(' ')), qPrintable(error));
        QVERIFY2(error.contains(saveFailure), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("None of the three settings was saved.")),
                 qPrintable(error));
        QWidget* settings = keptWindow(WindowKind::Settings);
        QCOMPARE(settings->findChild<QLineEdit*>("txtPoolSize")->text(), QStringLiteral("30000"));
        removeOdd(odd);
        kept().feedback.errors.clear();
        QTest::mouseClick(settings->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }
    QCOMPARE(kept().feedback.errors, QStringList());
    main = keptWindow(WindowKind::Main);
    QCOMPARE(main->findChild<QLineEdit*>("txtGal")->text(), QStringLiteral("30000"));
    QCOMPARE(main->findChild<QLabel*>("Label1")->text(),
             imperial ? QStringLiteral("Pool Size (Gal.)") : QStringLiteral("Pool Size (L)"));
    QCOMPARE(kept().settings.read(defaults::kPoolSize), QStringLiteral("30000"));
    if (odd == Huge)
        QCOMPARE(kept().settings.read(defaults::kBleachStrength), QStringLiteral("6"));
    if (odd == DanglingLink || odd == DanglingLinkNoFolder) {
        QVERIFY(QFileInfo(m_file).isSymLink()); // written through, the link kept
        QVERIFY(QFileInfo(m_file).isFile());
    }

    // A copy of a file that was not clean, told once; the new file is small and clean.
    if (notice.isEmpty()) {
        QCOMPARE(copies(), QStringList());
        QCOMPARE(kept().feedback.notices, QStringList());
    } else {
        QCOMPARE(copies().size(), 1);
        QFile copy(QFileInfo(m_file).path() + QLatin1Char('/') + copies().first());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll() == m_original);
        QCOMPARE(kept().feedback.notices.size(), 1);
        QVERIFY2(kept().feedback.notices.first().contains(copies().first()),
                 qPrintable(kept().feedback.notices.first()));
        QVERIFY2(kept().feedback.notices.first().contains(notice),
                 qPrintable(kept().feedback.notices.first()));
    }
    QVERIFY(QFileInfo(m_file).size() < 1000);
    saveSettings(QStringLiteral("40000"));
    QCOMPARE(kept().settings.read(defaults::kPoolSize), QStringLiteral("40000"));
    QCOMPARE(copies().size(), notice.isEmpty() ? 0 : 1);
    QCOMPARE(kept().feedback.notices.size(), notice.isEmpty() ? 0 : 1);
    QCOMPARE(kept().feedback.errors, QStringList());
}

QTEST_MAIN(OddSettingsFilesTest)
#include "tst_oddsettingsfiles.moc"
