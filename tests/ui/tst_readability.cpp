// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a person reads off every window: black text on white and grey boxes and labels that
// stand out from the window whatever the desktop's colours, a long result shown from its
// first digit and given whole in its tooltip, and a tooltip on every box in the words of the
// unit system.
#include "support/columns.h"
#include "support/darkpalette.h"
#include "support/keptwindowstestcase.h"
#include "support/windowdriver.h"
#include "ui/windowkeeper.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include <map>

namespace {

double Luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of what is drawn within area of widget: the most common colour is taken for the
// background, the colour that stands out from it most for the text.
double DrawnContrast(QWidget* widget, const QRect& area)
{
    const QImage image = widget->grab(area).toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    double most = 1;
    for (const auto& [colour, count] : counts)
        most = std::max(most, Contrast(colour, background));
    return most;
}

QList<QWidget*> Boxes(QWidget* window)
{
    QList<QWidget*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        boxes << box;
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
        boxes << box;
    return boxes;
}

bool ReadOnly(const QWidget* box)
{
    return box->property("readOnly").toBool();
}

// Where the cursor stands, in the box's pixels, once the box has been painted: painting
// scrolls the text to keep the cursor in view.
int PaintedCursorX(QLineEdit* box)
{
    box->grab();
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
}

// The tooltip a person sees when the mouse rests on box, its lines joined.
QString ShownTip(QWidget* box)
{
    auto* plain = qobject_cast<QPlainTextEdit*>(box);
    QWidget* under = plain != nullptr ? plain->viewport() : box;
    const QPoint centre = under->rect().center();
    QHelpEvent event(QEvent::ToolTip, centre, under->mapToGlobal(centre));
    QApplication::sendEvent(under, &event);
    const QString shown = QToolTip::isVisible() ? QToolTip::text().simplified() : QString();
    QToolTip::hideText();
    return shown;
}

} // namespace

class ReadabilityTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void contrast_data();
    void contrast();
    void longResultShowsItsStart_data();
    void longResultShowsItsStart();
    void everyBoxHasATip_data();
    void everyBoxHasATip();
    void tipsFollowTheUnitSystem_data();
    void tipsFollowTheUnitSystem();
    void settingsTipFollowsTheOption();

private:
    QPalette m_desktop;
};

void ReadabilityTest::init()
{
    m_desktop = QApplication::palette();
    startKeptWindows();
}

void ReadabilityTest::cleanup()
{
    endKeptWindows();
    QApplication::setPalette(m_desktop);
}

void ReadabilityTest::contrast_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("darkOnceOpen"); // the desktop turns dark while the window is open
    for (const WindowRow& window : Windows()) {
        QTest::addRow("%s, light", window.shortName) << window.kind << false << false;
        QTest::addRow("%s, dark", window.shortName) << window.kind << true << false;
        QTest::addRow("%s, turns dark", window.shortName) << window.kind << true << true;
    }
}

void ReadabilityTest::contrast()
{
    QFETCH(WindowKind, kind);
    QFETCH(bool, dark);
    QFETCH(bool, darkOnceOpen);
    if (dark && !darkOnceOpen)
        QApplication::setPalette(DarkPalette());
    QWidget* window = open(kind, QStringLiteral("Imperial"));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (darkOnceOpen) {
        QApplication::setPalette(DarkPalette());
        QCoreApplication::processEvents(); // the windows hear of it from the event loop
    }

    const QColor grey(0xC0, 0xC0, 0xC0);
    for (QWidget* box : Boxes(window)) {
        const QString name = box->objectName();
        box->setProperty(qobject_cast<QLineEdit*>(box) ? "text" : "plainText", "8 pound(s)");
        QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(box->palette().color(QPalette::Base), ReadOnly(box) ? grey : QColor(Qt::white));
        // Inside the frame, where only the text stands out from the background.
        const QRect inside = box->contentsRect().adjusted(3, 3, -3, -3);
        const double contrast = DrawnContrast(box, inside);
        QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(name).arg(contrast)));
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        // Labels keep the desktop's colours, which pair their text with the window's.
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 QApplication::palette().color(QPalette::WindowText));
        const double contrast = DrawnContrast(label, label->rect());
        QVERIFY2(contrast >= 4.5,
                 qPrintable(QStringLiteral("%1: %2").arg(label->objectName()).arg(contrast)));
    }
}

void ReadabilityTest::longResultShowsItsStart_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"uom", "inputs", "button", "box"});
    // Readings that give each output box a result longer than the box. The Saturation index
    // window's box is wide enough for any figure.
    const auto row = [](const char* tag, WindowKind kind, const char* uom, const char* inputs,
                        const char* box, const char* button = "Command1") {
        QTest::newRow(tag) << kind << uom << inputs << button << box;
    };
    row("main: ppm rise", WindowKind::Main, "Imperial",
        "txtGal=1|txtChlorPerc=100|txtQuantBleach=123456789", "txtPPM");
    row("main: gallons of bleach", WindowKind::Main, "Imperial",
        "txtGal=123456789|txtChlorPerc=1|txtPPMTarget=123456", "txtGalReq");
    row("main: the long form beyond its two lines", WindowKind::Main, "Imperial",
        "txtGal=-1.23456789012345e200|txtChlorPerc=1|txtPPMTarget=1", "txtLongGal");
    row("alkalinity", WindowKind::Alkalinity, "Imperial", "txtGal=1234567890123456|txtPPM=-1234567",
        "txtOz");
    row("calcium chloride", WindowKind::CalciumHardness, "Imperial",
        "txtGal=1234567890123456|txtPPM=-1234567", "txtCaCl");
    row("calcium chloride dihydrate", WindowKind::CalciumHardness, "Imperial",
        "txtGal=1234567890123456|txtPPM=-1234567", "txtCaCl2");
    row("cyanuric acid", WindowKind::CyanuricAcid, "Imperial",
        "txtGal=1234567890123456|txtPPM=-1234567", "txtCya");
    row("pH: soda ash", WindowKind::Ph, "Imperial", "txtGal=-1.23456789012345e100", "txtNa2CO3");
    row("pH: dry acid", WindowKind::Ph, "Metric", "txtGal=-1.23456789012345e100", "txtNaHSO4");
    row("pH: muriatic acid", WindowKind::Ph, "Metric", "txtGal=-1.23456789012345e100", "txtHCl");
    row("dilution: share", WindowKind::Dilution, "Imperial",
        "txtGal=10000|txtPr=1e20|txtSr=0|txtFr=-1.23456789012345e35", "txtPercDrain");
    row("dilution: volume", WindowKind::Dilution, "Metric",
        "txtGal=-1.23456789012345e20|txtPr=100|txtSr=0|txtFr=1", "txtVolDrain");
    row("borax", WindowKind::Borax, "Metric", "txtGal=1|txtNa2B4O7=123456789", "txtPPM");
    // The three the pool volume window was seen to cut short.
    row("volume: rectangular", WindowKind::PoolVolume, "Imperial",
        "txtRLength=32.5|txtRWidth=16.25|txtRAvgDepth=4.75", "txtRVolume");
    row("volume: oval", WindowKind::PoolVolume, "Metric",
        "txtOLength=9.15|txtOWidth=4.57|txtOAvgDepth=1.52", "txtOVolume", "Command2");
    row("volume: round", WindowKind::PoolVolume, "Metric", "txtDiam=7.32|txtDepth=1.37",
        "txtVolume", "Command3");
    row("salt: ppm rise", WindowKind::Salt, "Imperial", "txtGal=1|txtSalt=12345678", "txtPPMup");
    row("salt: salt needed", WindowKind::Salt, "Imperial",
        "txtGal=-1.23456789012345e20|txtPPMInc=3000", "txtLbsNeeded");
}

void ReadabilityTest::longResultShowsItsStart()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QFETCH(QString, inputs);
    QFETCH(QString, button);
    QFETCH(QString, box);

    QWidget* window = open(kind, uom);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (const auto& [name, text] : BoxPairs(inputs)) {
        auto* input = window->findChild<QLineEdit*>(QString::fromLatin1(name));
        input->clear();
        QTest::keyClicks(input, text);
    }
    // Twice: the same text written again must not move the view either.
    for (int press = 0; press < 2; ++press)
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(kept().feedback.heard(), QStringList());

    auto* output = window->findChild<QWidget*>(box);
    QString text;
    if (auto* line = qobject_cast<QLineEdit*>(output)) {
        text = line->text();
        QCOMPARE(line->cursorPosition(), 0);
        const int start = PaintedCursorX(line);
        // Only a text longer than its box moves when the cursor goes to its end.
        line->end(false);
        QVERIFY2(PaintedCursorX(line) - start < line->fontMetrics().horizontalAdvance(text),
                 qPrintable(text + " fits its box"));
    } else {
        auto* plain = qobject_cast<QPlainTextEdit*>(output);
        text = plain->toPlainText();
        plain->grab();
        QVERIFY2(plain->verticalScrollBar()->maximum() > 0, qPrintable(text + " fits its box"));
        QCOMPARE(plain->verticalScrollBar()->value(), 0);
    }
    const QString tip = ShownTip(output);
    QVERIFY2(tip.contains(text), qPrintable(tip));
    QVERIFY2(tip.contains(output->toolTip()), qPrintable(tip));
}

void ReadabilityTest::everyBoxHasATip_data()
{
    AddEveryWindowInEachUnitSystem({WindowKind::About}); // it has no box
}

void ReadabilityTest::everyBoxHasATip()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QWidget* window = open(kind, uom);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (QWidget* box : Boxes(window)) {
        const QString tip = box->toolTip();
        QVERIFY2(tip.size() > 10, qPrintable(box->objectName()));
        QCOMPARE(ShownTip(box), tip.simplified());
    }
}

void ReadabilityTest::tipsFollowTheUnitSystem_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"box", "imperial", "metric"});
    // A box of each window whose unit differs: its tooltip names its own, never the other's.
    struct UnitTip
    {
        WindowKind kind;
        const char* box; // none in a window without a unit
        const char* imperial;
        const char* metric;
    };
    const UnitTip tips[] = {
        {WindowKind::Main, "txtLongGal", "quarts", "litres"},
        {WindowKind::About, nullptr, nullptr, nullptr},
        {WindowKind::Alkalinity, "txtOz", "pounds", "kilograms"},
        {WindowKind::CalciumHardness, "txtCaCl2", "pounds", "kilograms"},
        {WindowKind::CyanuricAcid, "txtCya", "pounds", "kilograms"},
        {WindowKind::Ph, "txtHCl", "fluid ounces", "millilitres"},
        {WindowKind::Dilution, "txtVolDrain", "gallons", "litres"},
        {WindowKind::Borax, "txtNa2B4O7", "ounces", "kilograms"},
        {WindowKind::PoolVolume, "txtOLength", "feet", "metres"},
        {WindowKind::Salt, "txtLbsNeeded", "pounds", "kilograms"},
        {WindowKind::Settings, "txtPoolSize", "in US gallons while", "in litres while"},
        {WindowKind::SaturationIndex, "txtTemp", "Fahrenheit", "Celsius"},
    };
    ForEveryWindow(tips, [](const WindowRow& window, const UnitTip& tip) {
        if (tip.box != nullptr)
            QTest::addRow("%s %s", window.shortName, tip.box)
                << tip.kind << tip.box << tip.imperial << tip.metric;
    });
}

void ReadabilityTest::tipsFollowTheUnitSystem()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, box);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);
    for (const bool inImperial : {true, false}) {
        QWidget* window = open(kind, inImperial ? "Imperial" : "Metric");
        const QString tip = window->findChild<QWidget*>(box)->toolTip();
        QVERIFY2(tip.contains(inImperial ? imperial : metric), qPrintable(tip));
        QVERIFY2(!tip.contains(inImperial ? metric : imperial), qPrintable(tip));
        window->close();
    }
}

void ReadabilityTest::settingsTipFollowsTheOption()
{
    // Choosing the other unit system converts nothing, and the tooltip says so in its words.
    QWidget* window = open(WindowKind::Settings, QStringLiteral("Imperial"));
    auto* poolSize = window->findChild<QLineEdit*>("txtPoolSize");
    window->findChild<QRadioButton*>("optMetric")->click();
    QCOMPARE(poolSize->text(), QStringLiteral("20000"));
    QVERIFY2(poolSize->toolTip().contains("in litres"), qPrintable(poolSize->toolTip()));
    window->findChild<QRadioButton*>("optImperial")->click();
    QVERIFY2(poolSize->toolTip().contains("in US gallons"), qPrintable(poolSize->toolTip()));
}

QTEST_MAIN(ReadabilityTest)
#include "tst_readability.moc"
