// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/columns.h"
#include "support/messages.h"
#include "support/windowchecks.h"
#include "support/windowdriver.h"
#include "support/windowtests.h"
#include "ui/alkalinitywindow.h"
#include "ui/boraxwindow.h"
#include "ui/calciumwindow.h"
#include "ui/cyanuricwindow.h"
#include "ui/phwindow.h"
#include "ui/saltwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

// The six dosing windows, driven as a user would: one table per concern, one row per window
// and case. Boxes are given as "name=text" pairs joined by '|'.
namespace {

WindowDriver::Make Maker(const QString& form)
{
    if (form == "Form3")
        return &Make<AlkalinityWindow>;
    if (form == "Form4")
        return &Make<CalciumWindow>;
    if (form == "Form5")
        return &Make<CyanuricWindow>;
    if (form == "Form6")
        return &Make<PhWindow>;
    if (form == "Form8")
        return &Make<BoraxWindow>;
    if (form == "Form10")
        return &Make<SaltWindow>;
    qFatal("unknown form");
}

std::unique_ptr<WindowDriver> Open(const QString& form, const QString& uom,
                                   const QString& poolSize = QString())
{
    return std::make_unique<WindowDriver>(Maker(form), uom, poolSize);
}

} // namespace

class DosingWindowsTest : public WindowTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void captions_data();
    void captions();
    void calculate_data();
    void calculate();
    void refused_data();
    void refused();
    void formulasFollowTheStore_data();
    void formulasFollowTheStore();
    void layout_data();
    void layout();
    void tabOrder_data();
    void tabOrder();
};

void DosingWindowsTest::captions_data()
{
    // clang-format off
    AddColumns<QString>({"form", "uom", "captions"});
    const QString galAt2 = "Label2=Pool Size (Gal.)", litresAt2 = "Label2=Pool Size (L)";
    for (const char* form : {"Form3", "Form4", "Form5"}) {
        QTest::addRow("%s imperial", form) << form << "Imperial" << galAt2;
        QTest::addRow("%s metric", form) << form << "Metric" << litresAt2;
        QTest::addRow("%s never stored", form) << form << "" << litresAt2;
    }
    QTest::newRow("Form3 keeps its other texts")
        << "Form3" << "Metric" << "Label3=PPM change desired|Label4=RAISE|Label5=with Sodium Bicarbonate";
    QTest::newRow("Form6 imperial")
        << "Form6" << "Imperial"
        << "Label2=Pool Size (Gal.)|Label5=Sodium Carbonate (Oz)|"
           "Label8=Sodium Bisulfate (dry acid) (Oz.)|Label9=Muriatic Acid 31% (Oz.)";
    QTest::newRow("Form6 metric")
        << "Form6" << "Metric"
        << "Label2=Pool Size (L)|Label5=Sodium Carbonate (g)|"
           "Label8=Sodium Bisulfate (dry acid) (g)|Label9=Muriatic Acid 31% (ml)";
    QTest::newRow("Form8 imperial")
        << "Form8" << "Imperial"
        << "Label1=Pool Size (Gal.)|Label2=Sodium Tetraborate Decahydrate (Oz.)";
    QTest::newRow("Form8 other letter case is metric")
        << "Form8" << "IMPERIAL" << "Label1=Pool Size (L)|Label2=Sodium Tetraborate Decahydrate (k)";
    QTest::newRow("Form10 imperial")
        << "Form10" << "Imperial"
        << "Label1=Pool Size (Gal.)|Label2=Pounds of salt|Label6=Pounds of salt needed";
    QTest::newRow("Form10 metric")
        << "Form10" << "Metric"
        << "Label1=Pool Size (L)|Label2=Kilos of salt|Label6=Kilos of salt needed";
    // clang-format on
}

void DosingWindowsTest::captions()
{
    QFETCH(QString, form);
    QFETCH(QString, uom);
    QFETCH(QString, captions);
    const auto driver = Open(form, uom, QStringLiteral(" 12,5 gal "));
    QCOMPARE(driver->text("txtGal"), QStringLiteral(" 12,5 gal ")); // as stored, unchecked
    for (const auto& [label, caption] : BoxPairs(captions))
        QCOMPARE(driver->text(label), caption);
}

void DosingWindowsTest::calculate_data()
{
    // clang-format off
    AddColumns<QString>({"form", "uom", "inputs", "outputs"});

    QTest::newRow("alkalinity 22.4 oz") << "Form3" << "Imperial" << "txtGal=10000|txtPPM=10"
                                        << "txtOz=1 pound(s) and 6 ounce(s)";
    QTest::newRow("alkalinity drops the 0.8 oz") << "Form3" << "Imperial" << "txtGal=20000|txtPPM=10"
                                                 << "txtOz=2 pound(s) and 12 ounce(s)";
    QTest::newRow("alkalinity negative") << "Form3" << "Imperial" << "txtGal=10000|txtPPM=-10"
                                         << "txtOz=-2 pound(s) and 9 ounce(s)";
    QTest::newRow("alkalinity kg") << "Form3" << "Metric" << "txtGal=50000|txtPPM=10"
                                   << "txtOz=0.84 kilogram(s)";
    QTest::newRow("alkalinity no rise") << "Form3" << "" << "txtGal=1000|txtPPM=0"
                                        << "txtOz=0 kilogram(s)";
    QTest::newRow("calcium oz") << "Form4" << "Imperial" << "txtGal=25000|txtPPM=30"
                                << "txtCaCl=7 pound(s) and 8 ounce(s)|txtCaCl2=9 pound(s) and 6 ounce(s)";
    QTest::newRow("calcium kg") << "Form4" << "Metric" << "txtGal=40000|txtPPM=20"
                                << "txtCaCl=0.96 kilogram(s)|txtCaCl2=1.2 kilogram(s)";
    QTest::newRow("cyanuric oz") << "Form5" << "Imperial" << "txtGal=20000|txtPPM=10"
                                 << "txtCya=1 pound(s) and 9 ounce(s)";
    QTest::newRow("cyanuric kg") << "Form5" << "Metric" << "txtGal=50000|txtPPM=10"
                                 << "txtCya=0.48 kilogram(s)";
    QTest::newRow("pH gallons") << "Form6" << "Imperial" << "txtGal=12345"
                                << "txtNa2CO3=9.876|txtNaHSO4=12.345|txtHCl=9.876";
    QTest::newRow("pH litres") << "Form6" << "Metric" << "txtGal=33333"
                               << "txtNa2CO3=199.998|txtNaHSO4=249.9975|txtHCl=199.998";
    QTest::newRow("pH empty pool") << "Form6" << "Metric" << "txtGal=0"
                                   << "txtNa2CO3=0|txtNaHSO4=0|txtHCl=0";
    QTest::newRow("borax oz") << "Form8" << "Imperial" << "txtGal=10000|txtNa2B4O7=100"
                              << "txtPPM=30.6";
    QTest::newRow("borax kg") << "Form8" << "Metric" << "txtGal=40000|txtNa2B4O7=5"
                              << "txtPPM=51.1";
    QTest::newRow("borax none") << "Form8" << "Metric" << "txtGal=40000|txtNa2B4O7=0"
                                << "txtPPM=0";
    QTest::newRow("salt both directions") << "Form10" << "Imperial"
                                          << "txtGal=10000|txtSalt=10|txtPPMInc=3000"
                                          << "txtPPMup=120|txtLbsNeeded=250.1";
    QTest::newRow("salt only the amount") << "Form10" << "Metric" << "txtGal=40000|txtSalt=25"
                                          << "txtPPMup=619.8|txtLbsNeeded=old";
    QTest::newRow("salt only the rise") << "Form10" << "Metric" << "txtGal=40000|txtPPMInc=3000"
                                        << "txtPPMup=old|txtLbsNeeded=121";
    QTest::newRow("salt neither: nothing") << "Form10" << "Metric" << "txtGal=40000"
                                           << "txtPPMup=old|txtLbsNeeded=old";
    QTest::newRow("salt in no pool needs none") << "Form10" << "Metric" << "txtGal=0|txtPPMInc=3000"
                                                << "txtPPMup=old|txtLbsNeeded=0";
    // clang-format on
}

void DosingWindowsTest::calculate()
{
    QFETCH(QString, form);
    QFETCH(QString, uom);
    QFETCH(QString, inputs);
    QFETCH(QString, outputs);
    const auto driver = Open(form, uom);
    const auto expected = BoxPairs(outputs);
    for (const auto& [box, text] : expected)
        driver->setText(box, QStringLiteral("old"));
    driver->typeEach(inputs);
    driver->press();
    for (const auto& [box, text] : expected)
        QCOMPARE(driver->text(box), text);
    QCOMPARE(driver->feedback().heard(), QStringList());
}

void DosingWindowsTest::refused_data()
{
    // clang-format off
    AddColumns<QString>({"form", "inputs", "message"});
    using namespace message;
    for (const char* form : {"Form3", "Form4", "Form5"}) {
        QTest::addRow("%s empty pool size", form) << form << "txtPPM=10" << kFillAllWhiteBoxes;
        QTest::addRow("%s empty ppm", form) << form << "txtGal=10000" << kFillAllWhiteBoxes;
        QTest::addRow("%s letters", form) << form << "txtGal=10000|txtPPM=ten" << NotANumber("ten");
        QTest::addRow("%s a blank", form) << form << "txtGal= |txtPPM=10" << kBlank;
        QTest::addRow("%s overflow", form) << form << "txtGal=1e300|txtPPM=1e300" << kTooLarge;
    }
    QTest::newRow("pH empty pool size") << "Form6" << "" << kFillAllWhiteBoxes;
    QTest::newRow("pH a blank") << "Form6" << "txtGal= " << kBlank;
    QTest::newRow("pH letters") << "Form6" << "txtGal=big" << NotANumber("big");
    QTest::newRow("borax empty amount") << "Form8" << "txtGal=10000" << kFillAllWhiteBoxes;
    QTest::newRow("borax empty pool") << "Form8" << "txtNa2B4O7=5" << kFillAllWhiteBoxes;
    QTest::newRow("borax pool 0") << "Form8" << "txtGal=0|txtNa2B4O7=5" << kPoolSizeZero;
    QTest::newRow("borax 0 in pool 0") << "Form8" << "txtGal=0|txtNa2B4O7=0" << kPoolSizeZero;
    QTest::newRow("borax hex") << "Form8" << "txtGal=0x10|txtNa2B4O7=5" << NotANumber("0x10");
    QTest::newRow("salt empty pool") << "Form10" << "txtSalt=10|txtPPMInc=3000" << kFillPpmIncrease;
    QTest::newRow("salt pool 0 backwards") << "Form10" << "txtGal=0|txtSalt=10" << kPoolSizeZero;
    QTest::newRow("salt second direction fails, first not written")
        << "Form10" << "txtGal=10000|txtSalt=10|txtPPMInc=lots" << NotANumber("lots");
    QTest::newRow("salt a blank pool") << "Form10" << "txtGal= |txtPPMInc=3000" << kBlank;
    // clang-format on
}

void DosingWindowsTest::refused()
{
    QFETCH(QString, form);
    QFETCH(QString, inputs);
    QFETCH(QString, message);
    const auto driver = Open(form, QStringLiteral("Imperial"));
    for (QLineEdit* box : driver->window()->findChildren<QLineEdit*>())
        box->setText(box->isReadOnly() ? QStringLiteral("old") : QString());
    driver->typeEach(inputs);
    QCOMPARE(driver->pressRefused(), message);
}

void DosingWindowsTest::formulasFollowTheStore_data()
{
    // clang-format off
    AddColumns<QString>({"form", "inputs", "outputs"});
    QTest::newRow("alkalinity") << "Form3" << "txtGal=50000|txtPPM=10" << "txtOz=0.84 kilogram(s)";
    QTest::newRow("calcium") << "Form4" << "txtGal=50000|txtPPM=10"
                             << "txtCaCl=0.6 kilogram(s)|txtCaCl2=0.75 kilogram(s)";
    QTest::newRow("cyanuric") << "Form5" << "txtGal=40000|txtPPM=20" << "txtCya=0.768 kilogram(s)";
    QTest::newRow("pH") << "Form6" << "txtGal=15000" << "txtNa2CO3=90|txtNaHSO4=112.5|txtHCl=90";
    QTest::newRow("borax") << "Form8" << "txtGal=50000|txtNa2B4O7=10" << "txtPPM=81.7";
    QTest::newRow("salt") << "Form10" << "txtGal=40000|txtPPMInc=3000" << "txtLbsNeeded=121";
    // clang-format on
}

void DosingWindowsTest::formulasFollowTheStore()
{
    QFETCH(QString, form);
    QFETCH(QString, inputs);
    QFETCH(QString, outputs);
    const auto driver = Open(form, QStringLiteral("Imperial"));
    const QString caption = driver->text(form == "Form8" || form == "Form10" ? "Label1" : "Label2");
    // Another writer switches the store to Metric while the window is open.
    driver->settings().store(QString(), QString(), QStringLiteral("Metric"));
    driver->typeEach(inputs);
    driver->press();
    for (const auto& [box, text] : BoxPairs(outputs))
        QCOMPARE(driver->text(box), text);
    QCOMPARE(driver->text(form == "Form8" || form == "Form10" ? "Label1" : "Label2"), caption);
    QCOMPARE(caption, QStringLiteral("Pool Size (Gal.)"));
}

Q_DECLARE_METATYPE(QList<Place>)

void DosingWindowsTest::layout_data()
{
    // clang-format off
    QTest::addColumn<QString>("form");
    QTest::addColumn<QList<Place>>("places");
    QTest::newRow("alkalinity") << "Form3"
        << QList<Place>{{"Label1", 1440, 120, 1815, 495}, {"txtGal", 600, 1440, 1215, 285},
                        {"Label2", 720, 720, 855, 495},   {"txtPPM", 2760, 1440, 1215, 285},
                        {"Label3", 2760, 720, 1215, 495}, {"Command1", 1800, 2760, 1215, 495},
                        {"txtOz", 600, 2280, 3495, 285},  {"Label4", 1080, 1920, 615, 255},
                        {"Label5", 1680, 1920, 1815, 255}};
    QTest::newRow("calcium") << "Form4"
        << QList<Place>{{"txtCaCl2", 1680, 2880, 2775, 285}, {"txtCaCl", 1680, 2400, 2775, 285},
                        {"txtGal", 600, 1680, 1215, 285},    {"txtPPM", 2760, 1680, 1215, 285},
                        {"Label3", 2760, 960, 1215, 495},    {"Label2", 720, 960, 855, 495},
                        {"Label1", 0, 120, 4695, 495},       {"Label4", 120, 2400, 1215, 255},
                        // one pixel taller than laid out, so that its two lines are not cut
                        {"Label5", 120, 2880, 1215, 390},    {"Command1", 1680, 3480, 1215, 495}};
    QTest::newRow("cyanuric") << "Form5"
        << QList<Place>{{"txtGal", 600, 1680, 1215, 285},  {"txtPPM", 2760, 1680, 1215, 285},
                        {"Label2", 720, 960, 855, 495},    {"Label3", 2760, 960, 1215, 495},
                        {"Label1", 0, 120, 4695, 615},     {"Label4", 0, 2160, 4695, 255},
                        {"txtCya", 600, 2520, 3375, 285},  {"Command1", 1800, 3000, 1215, 495}};
    QTest::newRow("pH") << "Form6"
        << QList<Place>{{"Label1", 0, 120, 4695, 495},        {"Label4", 120, 600, 4455, 495},
                        {"Label2", 1680, 1200, 1335, 255},    {"txtGal", 1740, 1440, 1215, 285},
                        {"Label3", 120, 1920, 1815, 255},     {"Label5", 240, 2220, 2400, 255},
                        {"Label6", 240, 2460, 2400, 255},     {"txtNa2CO3", 2760, 2280, 1695, 285},
                        {"Label7", 120, 2880, 1815, 255},     {"Label8", 240, 3180, 2400, 255},
                        {"txtNaHSO4", 2760, 3165, 1695, 285}, {"Label9", 240, 3600, 2400, 255},
                        {"txtHCl", 2760, 3585, 1695, 285},    {"Command1", 1740, 4080, 1215, 495}};
    QTest::newRow("borax") << "Form8"
        << QList<Place>{{"txtGal", 240, 1320, 1215, 285},      {"Label1", 360, 600, 855, 495},
                        {"Label3", 0, 0, 4695, 495},           {"Label2", 1800, 720, 2775, 255},
                        {"txtNa2B4O7", 2520, 1320, 1335, 285}, {"txtPPM", 2520, 2160, 1215, 285},
                        {"Label4", 240, 2160, 1815, 255},      {"Command1", 1560, 2640, 1215, 495},
                        {"Label5", 240, 3480, 4335, 735}};
    QTest::newRow("salt") << "Form10"
        << QList<Place>{{"Label8", 0, 0, 6015, 495},           {"txtGal", 2280, 1560, 1215, 285},
                        {"Label1", 2400, 840, 855, 495},       {"Label2", 480, 2400, 1215, 255},
                        {"txtSalt", 480, 2760, 1215, 285},     {"Label3", 4080, 2400, 1695, 255},
                        {"txtPPMInc", 4320, 2760, 1215, 285},  {"Label4", 2640, 2640, 855, 375},
                        {"Label5", 360, 3600, 1695, 255},      {"txtPPMup", 480, 4080, 1095, 285},
                        {"Label6", 4080, 3600, 1695, 255},     {"txtLbsNeeded", 4440, 4080, 1215, 285},
                        {"Command1", 2520, 4920, 1215, 495}};
    // clang-format on
}

void DosingWindowsTest::layout()
{
    QFETCH(QString, form);
    QFETCH(QList<Place>, places);
    for (const char* uom : {"Imperial", "Metric"}) {
        const auto driver = Open(form, QLatin1String(uom));
        QWidget* window = driver->window();
        const QString misplaced = MisplacedControls(window, places);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
        // Every control inside the client area; the headings, laid out as wide as the window,
        // may overrun its sides by a few pixels.
        const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* control : controls)
            QVERIFY2(window->rect().adjusted(-8, 0, 8, 0).contains(control->geometry()),
                     qPrintable(control->objectName()));
    }
}

void DosingWindowsTest::tabOrder_data()
{
    // clang-format off
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("alkalinity: output not a tab stop")
        << "Form3" << QStringList{"txtGal", "txtPPM", "Command1", "txtGal"};
    QTest::newRow("calcium: outputs not tab stops")
        << "Form4" << QStringList{"txtGal", "txtPPM", "Command1", "txtGal"};
    QTest::newRow("cyanuric: output a tab stop")
        << "Form5" << QStringList{"txtGal", "txtPPM", "txtCya", "Command1", "txtGal"};
    QTest::newRow("pH") << "Form6"
                        << QStringList{"txtGal", "txtNa2CO3", "txtNaHSO4", "txtHCl", "Command1",
                                       "txtGal"};
    QTest::newRow("borax: output a tab stop")
        << "Form8" << QStringList{"txtGal", "txtNa2B4O7", "txtPPM", "Command1", "txtGal"};
    QTest::newRow("salt") << "Form10"
                          << QStringList{"txtGal", "txtSalt", "txtPPMInc", "txtPPMup",
                                         "txtLbsNeeded", "Command1", "txtGal"};
    // clang-format on
}

void DosingWindowsTest::tabOrder()
{
    QFETCH(QString, form);
    QFETCH(QStringList, order);
    const auto driver = Open(form, QStringLiteral("Imperial"));
    QWidget* window = driver->window();
    QCOMPARE(TabOrder(window, window->findChild<QWidget*>("txtGal"), order.size() - 1), order);
}

QTEST_MAIN(DosingWindowsTest)
#include "tst_dosingwindows.moc"
