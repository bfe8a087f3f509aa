// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/windowcatalog.h"
#include "support/columns.h"
#include "support/fakestore.h"
#include "support/keptwindowstestcase.h"
#include "support/messages.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtMath>

namespace {

const QString kOld = QStringLiteral("old");

} // namespace

class MainWindowTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void loadStep_data();
    void loadStep();
    void loadFailureShowsAFreshWindow();
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void unitSystemIsReadAtEveryPress();
    void realMessageBox();

    void layout();
    void longFormShowsBothLines();
    void menu();

private:
    QString box(const char* name) const;
    void type(const char* name, const QString& text);
    QString outputs() const;
    // Loads the window with uom stored, types the four white boxes, and marks the outputs old.
    void loadAndType(const QString& uom, const QStringList& inputs);

    std::unique_ptr<MainWindow> m_window;
};

void MainWindowTest::init()
{
    startKeptWindows();
    m_window = std::make_unique<MainWindow>(kept().services);
}

void MainWindowTest::cleanup()
{
    m_window.reset();
    endKeptWindows();
}

QString MainWindowTest::box(const char* name) const
{
    if (auto* line = m_window->findChild<QLineEdit*>(QLatin1String(name)))
        return line->text();
    return m_window->findChild<QPlainTextEdit*>(QLatin1String(name))->toPlainText();
}

void MainWindowTest::type(const char* name, const QString& text)
{
    auto* line = m_window->findChild<QLineEdit*>(QLatin1String(name));
    line->clear();
    QTest::keyClicks(line, text);
}

void MainWindowTest::loadAndType(const QString& uom, const QStringList& inputs)
{
    kept().settings.store(QString(), QString(), uom);
    m_window->load();
    const char* boxes[] = {"txtGal", "txtChlorPerc", "txtQuantBleach", "txtPPMTarget"};
    for (int i = 0; i < 4; ++i)
        type(boxes[i], inputs[i]);
    m_window->findChild<QLineEdit*>("txtPPM")->setText(kOld);
    m_window->findChild<QLineEdit*>("txtGalReq")->setText(kOld);
    m_window->findChild<QPlainTextEdit*>("txtLongGal")->setPlainText(kOld);
}

QString MainWindowTest::outputs() const
{
    return box("txtPPM") + '|' + box("txtGalReq") + '|' + box("txtLongGal");
}

void MainWindowTest::loadStep_data()
{
    // clang-format off
    QTest::addColumn<bool>("stored");
    AddColumns<QString>({"uom", "poolSize", "strength", "poolCaption", "quantityCaption"});
    const QString gallons = QStringLiteral("Pool Size (Gal.)");
    const QString litres = QStringLiteral("Pool Size (L)");
    const QString bleachGallons = QStringLiteral("Quantity of bleach (Gal.)");
    const QString bleachLitres = QStringLiteral("Quantity of bleach (L)");
    QTest::newRow("nothing stored") << false << "" << "" << "" << litres << bleachLitres;
    QTest::newRow("imperial") << true << "Imperial" << "20000" << "6" << gallons << bleachGallons;
    QTest::newRow("metric") << true << "Metric" << "75000" << "12.5" << litres << bleachLitres;
    QTest::newRow("letter case differs") << true << "imperial" << "1" << "2" << litres
                                         << bleachLitres;
    QTest::newRow("trailing blank") << true << "Imperial " << "1" << "2" << litres << bleachLitres;
    QTest::newRow("texts kept as stored") << true << "Imperial" << " lots " << "abc" << gallons
                                          << bleachGallons;
    // clang-format on
}

void MainWindowTest::loadStep()
{
    QFETCH(bool, stored);
    QFETCH(QString, uom);
    QFETCH(QString, poolSize);
    QFETCH(QString, strength);
    QFETCH(QString, poolCaption);
    QFETCH(QString, quantityCaption);
    if (stored)
        kept().settings.store(poolSize, strength, uom);
    m_window->load();
    QCOMPARE(m_window->findChild<QLabel*>("Label1")->text(), poolCaption);
    QCOMPARE(m_window->findChild<QLabel*>("Label3")->text(), quantityCaption);
    QCOMPARE(box("txtGal"), poolSize);
    QCOMPARE(box("txtChlorPerc"), strength);
    for (const char* empty :
         {"txtQuantBleach", "txtPPMTarget", "txtPPM", "txtGalReq", "txtLongGal"})
        QCOMPARE(box(empty), QString());
}

void MainWindowTest::loadFailureShowsAFreshWindow()
{
    FakeStore broken;
    broken.openResult = SettingsStore::kAccessDenied;
    RegisterWindows({keeper(), kept().feedback, broken});
    QWidget* window = keeper().show(WindowKind::Main);

    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QCOMPARE(window->findChild<QLabel*>("Label1")->text(), QStringLiteral("Pool Size (L)"));
    QCOMPARE(window->findChild<QLabel*>("Label3")->text(),
             QStringLiteral("Quantity of bleach (L)"));
    QCOMPARE(window->findChild<QLineEdit*>("txtGal")->text(), QString());
    QCOMPARE(kept().feedback.errors.size(), 1);
    const QString& error = kept().feedback.errors.first();
    QVERIFY2(error.startsWith(QStringLiteral("The settings could not be read.")),
             qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("Could not open registry section")), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("-2147219499 (0x800407D5)")), qPrintable(error));
    window->close();
}

void MainWindowTest::calculate_data()
{
    // clang-format off
    // outputs: txtPPM|txtGalReq|txtLongGal
    AddColumns<QString>({"uom", "pool", "strength", "quantity", "target", "outputs"});

    QTest::newRow("imperial worked example")
        << "Imperial" << "10000" << "6" << "" << "2"
        << "old|0.3 Gallon(s)|0 Gallon(s), 1 quart(s), 1 cup(s) and 3 ounce(s)";
    QTest::newRow("imperial, both directions in one press")
        << "Imperial" << "10000" << "6" << "1" << "2"
        << "6|0.3 Gallon(s)|0 Gallon(s), 1 quart(s), 1 cup(s) and 3 ounce(s)";
    QTest::newRow("only the quantity") << "Imperial" << "10000" << "6" << "1" << ""
                                       << "6|old|old";
    QTest::newRow("neither direction: nothing") << "Imperial" << "10000" << "6" << "" << ""
                                                << "old|old|old";
    QTest::newRow("no rise, imperial")
        << "Imperial" << "10000" << "6" << "" << "0"
        << "old|0 Gallon(s)|0 Gallon(s), 0 quart(s), 0 cup(s) and 0 ounce(s)";
    QTest::newRow("several gallons")
        << "Imperial" << "20000" << "6" << "" << "25"
        << "old|8.3 Gallon(s)|8 Gallon(s), 1 quart(s), 1 cup(s) and 3 ounce(s)";
    QTest::newRow("metric in litres") << "Metric" << "50000" << "12.5" << "" << "5"
                                      << "old|old|2 Litre(s)";
    QTest::newRow("metric, no rise") << "Metric" << "50000" << "12.5" << "" << "0"
                                     << "old|old|0 Litre(s)";
    QTest::newRow("never stored is metric") << "" << "10000" << "6" << "1" << "2"
                                            << "6|old|0.3 Litre(s)";
    QTest::newRow("other letter case is metric") << "imperial" << "10000" << "6" << "" << "2"
                                                 << "old|old|0.3 Litre(s)";
    QTest::newRow("ppm half rounds to even") << "Metric" << "10000" << "2.5" << "0.1" << ""
                                             << "0.2|old|old";
    QTest::newRow("negative quantity goes through") << "Metric" << "10000" << "6" << "-1" << ""
                                                    << "-6|old|old";
    QTest::newRow("strength 0 backwards is 0") << "Metric" << "10000" << "0" << "1" << ""
                                               << "0|old|old";
    QTest::newRow("tiny negative rise shows 0, not -0")
        << "Metric" << "10000" << "6" << "" << "-0.001" << "old|old|0 Litre(s)";
    QTest::newRow("blanks around numbers") << "Metric" << " 10000 " << "6 " << " 1" << ""
                                           << "6|old|old";
    // clang-format on
}

void MainWindowTest::calculate()
{
    QFETCH(QString, uom);
    QFETCH(QString, pool);
    QFETCH(QString, strength);
    QFETCH(QString, quantity);
    QFETCH(QString, target);
    QFETCH(QString, outputs);
    loadAndType(uom, {pool, strength, quantity, target});
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(this->outputs(), outputs);
    QCOMPARE(kept().feedback.heard(), QStringList());
}

void MainWindowTest::refused_data()
{
    // clang-format off
    AddColumns<QString>({"pool", "strength", "quantity", "target", "message"});
    using namespace message;
    QTest::newRow("empty pool size") << "" << "6" << "1" << "2" << kFillPpmIncrease;
    QTest::newRow("empty strength") << "10000" << "" << "1" << "2" << kFillPpmIncrease;
    QTest::newRow("empty pool size, nothing else") << "" << "" << "" << "" << kFillPpmIncrease;
    QTest::newRow("a blank is not empty, and no number") << " " << "6" << "" << "2" << kBlank;
    QTest::newRow("letters") << "lots" << "6" << "" << "2" << NotANumber("lots");
    QTest::newRow("long text is cut short")
        << "10000" << "6" << QString(200, 'x') << "2"
        << NotANumber(QString(24, 'x') + QChar(0x2026));
    QTest::newRow("second direction fails, first is not written")
        << "10000" << "6" << "1" << "two" << NotANumber("two");
    QTest::newRow("pool size 0 backwards") << "0" << "6" << "1" << "" << kPoolSizeZero;
    QTest::newRow("pool size 0 forwards") << "0" << "6" << "" << "2" << kPoolSizeZero;
    QTest::newRow("strength 0 forwards")
        << "10000" << "0" << "" << "2"
        << "The bleach required cannot be worked out for a chlorine strength of 0.";
    QTest::newRow("overflow") << "1e-300" << "6" << "1e300" << "" << kTooLarge;
    QTest::newRow("beyond a double") << "1e400" << "6" << "1" << "" << NotANumber("1e400");
    QTest::newRow("inf") << "10000" << "inf" << "1" << "" << NotANumber("inf");
    // clang-format on
}

void MainWindowTest::refused()
{
    QFETCH(QString, pool);
    QFETCH(QString, strength);
    QFETCH(QString, quantity);
    QFETCH(QString, target);
    QFETCH(QString, message);
    loadAndType(QStringLiteral("Imperial"), {pool, strength, quantity, target});
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(kept().feedback.heard(), (QStringList{"beep", message}));
    QCOMPARE(outputs(), QStringLiteral("old|old|old"));
    QCOMPARE(box("txtGal"), pool);
    QCOMPARE(box("txtChlorPerc"), strength);
    QCOMPARE(box("txtQuantBleach"), quantity);
    QCOMPARE(box("txtPPMTarget"), target);
}

void MainWindowTest::unitSystemIsReadAtEveryPress()
{
    kept().settings.store(QString(), QString(), QStringLiteral("Metric"));
    m_window->load();
    type("txtGal", QStringLiteral("10000"));
    type("txtChlorPerc", QStringLiteral("6"));
    type("txtPPMTarget", QStringLiteral("2"));
    // Another writer changes the store while the window is open.
    kept().settings.store(QString(), QString(), QStringLiteral("Imperial"));
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(box("txtGalReq"), QStringLiteral("0.3 Gallon(s)"));
    QCOMPARE(m_window->findChild<QLabel*>("Label1")->text(), QStringLiteral("Pool Size (L)"));
}

void MainWindowTest::realMessageBox()
{
    DesktopFeedback desktop; // the real beep and message box
    m_window =
        std::make_unique<MainWindow>(WindowServices{kept().keeper, desktop, kept().settings});
    m_window->load();
    m_window->show();
    bool shown = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    // The press waits in the box's own event loop until the box is answered. The box is looked
    // for while it waits; a modal dialog that is no message box is dismissed after a few
    // seconds, so that the press returns and the test fails instead of running into its time
    // limit.
    QElapsedTimer waiting;
    waiting.start();
    QTimer look;
    look.setInterval(10);
    connect(&look, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            look.stop();
            shown = true;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->done(0);
        } else if (waiting.elapsed() > 5000) {
            look.stop();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(0);
            else if (modal != nullptr)
                modal->close();
        }
    });
    look.start();
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    look.stop();
    QVERIFY2(shown, "the press showed no message box");
    QCOMPARE(title, QStringLiteral("Poolwright"));
    QCOMPARE(text, message::kFillPpmIncrease);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void MainWindowTest::layout()
{
    // Where each control stands: tst_windowtables.
    QCOMPARE(m_window->centralWidget()->y(), m_window->menuBar()->height());
    const auto* line = m_window->findChild<QFrame*>("Line1");
    QCOMPARE(line->frameShape(), QFrame::HLine);
    QCOMPARE(line->geometry().center().y(), 216);
    QCOMPARE(line->width(), 400);

    const QFont heading = m_window->findChild<QLabel*>("Label8")->font();
    QVERIFY(heading.bold() && heading.italic());
    QCOMPARE(heading.pointSizeF(), 13.5);
    // Asked for by a family this machine has: a missing one costs start-up a font search.
    QCOMPARE(QFontInfo(heading).family(), heading.family());
    QCOMPARE(m_window->findChild<QLabel*>("Label1")->font().pointSizeF(), 8.25);
    QCOMPARE(m_window->findChild<QLabel*>("Label2")->alignment() & Qt::AlignHCenter,
             Qt::AlignHCenter);
}

// The long form of the bleach volume wraps onto its second line, and both lines show.
void MainWindowTest::longFormShowsBothLines()
{
    const auto* longForm = m_window->findChild<QPlainTextEdit*>("txtLongGal");
    kept().settings.store(QString(), QString(), QStringLiteral("Imperial"));
    m_window->load();
    type("txtGal", "10000");
    type("txtChlorPerc", "6");
    type("txtPPMTarget", "2");
    QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const int margin = qCeil(longForm->document()->documentMargin());
    const QRect room = longForm->viewport()->rect().adjusted(margin, margin, -margin, -margin);
    const QFontMetrics metrics(longForm->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 1000), Qt::TextWordWrap,
                                              longForm->toPlainText());
    QVERIFY2(needed.height() > metrics.lineSpacing(), "the long form does not wrap");
    QVERIFY2(
        needed.height() <= room.height(),
        qPrintable(QStringLiteral("needs %1 px, has %2").arg(needed.height()).arg(room.height())));
}

void MainWindowTest::menu()
{
    const QList<QMenu*> menus = m_window->menuBar()->findChildren<QMenu*>();
    QCOMPARE(menus.size(), 1);
    QMenu* more = menus.first();
    QCOMPARE(more->objectName(), QStringLiteral("man"));
    QCOMPARE(more->title(), QStringLiteral("More Calcs"));
    QStringList names, captions;
    for (const QAction* action : more->actions()) {
        names << action->objectName();
        captions << action->text();
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->text().contains('&'));
        // Only the Saturation Index entry is switched off.
        QCOMPARE(action->isEnabled(), action->objectName() != QLatin1String("satind"));
    }
    QCOMPARE(names, (QStringList{"abt", "alk", "borax", "CaHard", "cyan", "dilution", "satind",
                                 "ph", "volume", "salt", "settings"}));
    QCOMPARE(captions, (QStringList{"About", "Alkalinity", "Borax", "Calcium Hardness",
                                    "Cyanuric Acid", "Dilution", "Saturation Index", "pH",
                                    "Pool Volume", "Salt Calcs", "Settings"}));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
