// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program's table, one table per concern: where its controls stand and
// the order Tab visits them in, with the reference layout's figures; the captions it opens
// with, stated; and what its description says of it: the sample readings give the sample
// texts, each box is named by its caption and told by its tooltip in the words of the unit
// system, and a press with a required box empty is refused with the described message, the
// cursor in that box. Those last expectations come from the descriptions, so their rows catch
// a fault of the component that follows them; the stated rows catch a fault of a description.
#include "settings/settingswindow.h"
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "support/keyboardandnames.h"
#include "support/samplereadings.h"
#include "support/windowchecks.h"
#include "support/windowdriver.h"
#include "ui/windowdescription.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(Sample::Texts)
Q_DECLARE_METATYPE(QList<Place>)

namespace {
// The controls' area: a main window's central widget, or the window itself.
QWidget* ClientArea(QWidget* window)
{
    auto* main = qobject_cast<QMainWindow*>(window);
    return main != nullptr ? main->centralWidget() : window;
}

const WindowRow& RowOf(WindowKind kind)
{
    for (const WindowRow& window : Windows())
        if (window.kind == kind)
            return window;
    qFatal("a kind without a row");
}

// The boxes a window describes; the Settings window describes its boxes alone.
const std::vector<ui::Box>& BoxesOf(WindowKind kind)
{
    static const std::vector<ui::Box> none;
    const WindowRow& row = RowOf(kind);
    if (row.describe != nullptr)
        return row.describe().boxes;
    return kind == WindowKind::Settings ? SettingsWindow::boxes() : none;
}

calc::UnitSystem UnitsOf(const QString& uom)
{
    return uom == QLatin1String("Imperial") ? calc::UnitSystem::Imperial : calc::UnitSystem::Metric;
}

QString TextOf(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return qobject_cast<const QPlainTextEdit*>(box)->toPlainText();
}

void SetText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        qobject_cast<QPlainTextEdit*>(box)->setPlainText(text);
}

QString LabelText(const QWidget* window, const char* name)
{
    return window->findChild<QLabel*>(QLatin1String(name))->text();
}

// Every window with a box, in each unit system.
void AddWindowsWithBoxes()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("uom");
    for (const WindowRow& window : Windows())
        if (!BoxesOf(window.kind).empty())
            for (const char* uom : {"Imperial", "Metric"})
                QTest::addRow("%s, %s", window.shortName, uom)
                    << window.kind << QString::fromLatin1(uom);
}

} // namespace

class WindowTablesTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void tabOrder_data();
    void tabOrder();
    void samples_data();
    void samples();
    void captionsAsStored_data();
    void captionsAsStored();
    void captions_data() { AddWindowsWithBoxes(); }
    void captions();
    void tooltips_data() { AddWindowsWithBoxes(); }
    void tooltips();
    void requiredBoxes_data();
    void requiredBoxes();
};

void WindowTablesTest::layout_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("uom");
    QTest::addColumn<QList<Place>>("places");
    struct Layout
    {
        WindowKind kind;
        QList<Place> places; // in twips, as the reference layout gives them
    };
    using enum WindowKind;
    // clang-format off
    const Layout layouts[] = {
        {Main,
         {{"Label1", 1080, 840, 855, 495},       {"Label2", 3360, 840, 1215, 495},
          {"txtGal", 960, 1560, 1215, 285},      {"txtChlorPerc", 3360, 1560, 1215, 285},
          {"Label3", 960, 2160, 1215, 495},      {"txtQuantBleach", 960, 2760, 1215, 285},
          {"Label4", 3360, 2160, 1215, 495},     {"txtPPMTarget", 3360, 2760, 1215, 285},
          {"txtPPM", 960, 3690, 1215, 285},      {"txtGalReq", 3120, 4440, 1575, 285},
          {"Label5", 960, 3360, 1215, 255},      {"Label6", 3360, 3360, 1215, 255},
          {"Command1", 2280, 4920, 1215, 495},   {"Label8", 0, 120, 6015, 495},
          {"txtLongGal", 2640, 3600, 2655, 495}, {"Label7", 3600, 4200, 495, 255}}},
        {About,
         {{"Label1", 0, 120, 4575, 495},    {"Label2", 120, 720, 4335, 375},
          {"Label5", 0, 1080, 4695, 495},   {"Label6", 0, 1800, 4695, 495},
          {"Label4", 120, 2400, 4455, 495}, {"Label3", 120, 3120, 4455, 495},
          {"Picture1", 1200, 3840, 2415, 1815}, {"Label7", -120, 5880, 4815, 375}}},
        {Alkalinity,
         {{"Label1", 1440, 120, 1815, 495}, {"txtGal", 600, 1440, 1215, 285},
          {"Label2", 720, 720, 855, 495},   {"txtPPM", 2760, 1440, 1215, 285},
          {"Label3", 2760, 720, 1215, 495}, {"Command1", 1800, 2760, 1215, 495},
          {"txtOz", 600, 2280, 3495, 285},  {"Label4", 1080, 1920, 615, 255},
          {"Label5", 1680, 1920, 1815, 255}}},
        {CalciumHardness,
         {{"txtCaCl2", 1680, 2880, 2775, 285}, {"txtCaCl", 1680, 2400, 2775, 285},
          {"txtGal", 600, 1680, 1215, 285},    {"txtPPM", 2760, 1680, 1215, 285},
          {"Label3", 2760, 960, 1215, 495},    {"Label2", 720, 960, 855, 495},
          {"Label1", 0, 120, 4695, 495},       {"Label4", 120, 2400, 1215, 255},
          // one pixel taller than laid out, so that its two lines are not cut
          {"Label5", 120, 2880, 1215, 390},    {"Command1", 1680, 3480, 1215, 495}}},
        {CyanuricAcid,
         {{"txtGal", 600, 1680, 1215, 285},  {"txtPPM", 2760, 1680, 1215, 285},
          {"Label2", 720, 960, 855, 495},    {"Label3", 2760, 960, 1215, 495},
          {"Label1", 0, 120, 4695, 615},     {"Label4", 0, 2160, 4695, 255},
          {"txtCya", 600, 2520, 3375, 285},  {"Command1", 1800, 3000, 1215, 495}}},
        {Ph,
         {{"Label1", 0, 120, 4695, 495},        {"Label4", 120, 600, 4455, 495},
          {"Label2", 1680, 1200, 1335, 255},    {"txtGal", 1740, 1440, 1215, 285},
          {"Label3", 120, 1920, 1815, 255},     {"Label5", 240, 2220, 2400, 255},
          {"Label6", 240, 2460, 2400, 255},     {"txtNa2CO3", 2760, 2280, 1695, 285},
          {"Label7", 120, 2880, 1815, 255},     {"Label8", 240, 3180, 2400, 255},
          {"txtNaHSO4", 2760, 3165, 1695, 285}, {"Label9", 240, 3600, 2400, 255},
          {"txtHCl", 2760, 3585, 1695, 285},    {"Command1", 1740, 4080, 1215, 495}}},
        {Dilution,
         {{"Label2", 0, 120, 4920, 495},         {"Label1", 240, 840, 3135, 255},
          {"txtGal", 3480, 840, 1215, 285},      {"Label3", 240, 1320, 3135, 255},
          {"txtPr", 3480, 1320, 1215, 285},      {"Label4", 240, 1800, 3135, 255},
          {"txtSr", 3480, 1800, 1215, 285},      {"Label5", 240, 2280, 3135, 255},
          {"txtFr", 3480, 2280, 1215, 285},      {"Label6", 240, 2880, 3135, 255},
          {"txtPercDrain", 3480, 2880, 1215, 285}, {"Label8", 3840, 3240, 495, 255},
          {"Label7", 240, 3600, 3135, 255},      {"txtVolDrain", 3480, 3600, 1215, 285},
          {"Command1", 1860, 4200, 1215, 495}}},
        {Borax,
         {{"txtGal", 240, 1320, 1215, 285},      {"Label1", 360, 600, 855, 495},
          {"Label3", 0, 0, 4695, 495},           {"Label2", 1800, 720, 2775, 255},
          {"txtNa2B4O7", 2520, 1320, 1335, 285}, {"txtPPM", 2520, 2160, 1215, 285},
          {"Label4", 240, 2160, 1815, 255},      {"Command1", 1560, 2640, 1215, 495},
          {"Label5", 240, 3480, 4335, 735}}},
        {PoolVolume,
         {{"Label1", 0, 120, 6855, 495},          {"Label2", 120, 1200, 1095, 255},
          {"Label3", 600, 1560, 615, 255},        {"Label4", 1680, 1560, 495, 255},
          {"txtRLength", 480, 1920, 855, 285},    {"txtRWidth", 1440, 1920, 855, 285},
          {"txtRAvgDepth", 2400, 1920, 855, 285}, {"Command1", 4920, 1680, 1215, 495},
          {"Label6", 3840, 1560, 855, 255},       {"txtOLength", 480, 3240, 855, 285},
          {"txtOWidth", 1440, 3240, 855, 285},    {"txtOAvgDepth", 2400, 3240, 855, 285},
          {"Command2", 4920, 3000, 1215, 495},    {"txtDiam", 480, 4560, 855, 285},
          {"txtDepth", 1560, 4560, 855, 285},     {"Command3", 4920, 4320, 1215, 495},
          {"txtRVolume", 3840, 1920, 855, 285},   {"lblRAveDepth", 2400, 1560, 855, 255},
          {"txtOVolume", 3840, 3240, 855, 285},   {"Label5", 2400, 2880, 855, 255},
          {"Label7", 3840, 2880, 855, 255},       {"Label8", 1680, 2880, 495, 255},
          {"Label9", 600, 2880, 615, 255},        {"Label10", 120, 2520, 1095, 255},
          {"txtVolume", 3840, 4560, 855, 285},    {"lblRoundHt", 1560, 4200, 855, 255},
          {"Label12", 3840, 4200, 855, 255},      {"Label14", 600, 4200, 735, 255},
          {"Label15", 120, 3840, 1095, 255},      {"lblUOM", 0, 720, 6855, 255}}},
        {Salt,
         {{"Label8", 0, 0, 6015, 495},           {"txtGal", 2280, 1560, 1215, 285},
          {"Label1", 2400, 840, 855, 495},       {"Label2", 480, 2400, 1215, 255},
          {"txtSalt", 480, 2760, 1215, 285},     {"Label3", 4080, 2400, 1695, 255},
          {"txtPPMInc", 4320, 2760, 1215, 285},  {"Label4", 2640, 2640, 855, 375},
          {"Label5", 360, 3600, 1695, 255},      {"txtPPMup", 480, 4080, 1095, 285},
          {"Label6", 4080, 3600, 1695, 255},     {"txtLbsNeeded", 4440, 4080, 1215, 285},
          {"Command1", 2520, 4920, 1215, 495}}},
        {Settings,
         {{"Label1", 240, 720, 1335, 255},          {"txtPoolSize", 1800, 720, 1455, 285},
          {"Label2", 0, 0, 4695, 495},              {"Command1", 1680, 3000, 1215, 495},
          {"Label3", 240, 1080, 1215, 495},         {"txtBleachStrength", 1800, 1200, 975, 285},
          {"Frame1", 1800, 1560, 1935, 1215},       {"optImperial", 2160, 1800, 1215, 375},
          {"optMetric", 2160, 2160, 1215, 375},     {"Label4", 240, 2040, 1215, 495}}},
        {SaturationIndex,
         {{"Label8", 0, 120, 4320, 495},     {"Label1", 240, 840, 1680, 255},
          {"txtpH", 2040, 840, 2040, 285},   {"Label2", 240, 1320, 1680, 255},
          {"txtTemp", 2040, 1320, 2040, 285}, {"Label3", 240, 1800, 1680, 255},
          {"txtCa", 2040, 1800, 2040, 285},  {"Label4", 240, 2280, 1680, 255},
          {"txtTa", 2040, 2280, 2040, 285},  {"txtSI", 2040, 2880, 2040, 285},
          {"Command1", 1560, 3480, 1215, 495}}},
    };
    // clang-format on
    ForEveryWindow(layouts, [](const WindowRow& window, const Layout& layout) {
        // The captions change with the unit system; nothing may move with them.
        for (const char* uom : {"Imperial", "Metric"})
            QTest::addRow("%s, %s", window.shortName, uom)
                << layout.kind << QString::fromLatin1(uom) << layout.places;
    });
}

void WindowTablesTest::layout()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QFETCH(QList<Place>, places);
    QWidget* client = ClientArea(open(kind, uom));
    const QString misplaced = MisplacedControls(client, places);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    // Every control inside the client area; the headings, laid out as wide as the window,
    // may overrun its sides by a few pixels.
    for (const QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(client->rect().adjusted(-8, 0, 8, 0).contains(control->geometry()),
                 qPrintable(control->objectName()));
}

void WindowTablesTest::tabOrder_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QStringList>("order");
    // Some outputs are tab stops, some not, as in the reference layout; Qt gives the option
    // group one tab stop, the arrow keys moving within it.
    ForEveryWindow(keys::TabOrders(), [](const WindowRow& window, const keys::TabOrder& order) {
        QTest::newRow(window.shortName) << order.kind << order.order;
    });
}

void WindowTablesTest::tabOrder()
{
    QFETCH(WindowKind, kind);
    QFETCH(QStringList, order);
    QWidget* window = open(kind, QStringLiteral("Imperial"));
    if (order.isEmpty()) {
        for (const QWidget* control : window->findChildren<QWidget*>())
            QVERIFY2(!(control->focusPolicy() & Qt::TabFocus), qPrintable(control->objectName()));
        return;
    }
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    QCOMPARE(TabOrder(window, QApplication::focusWidget(), order.size() - 1), order);
}

// Every window of the table is in the sample file, with a sample for each button it describes.
void WindowTablesTest::samples_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("uom");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<Sample::Texts>("readings");
    QTest::addColumn<Sample::Texts>("outputs");
    for (const WindowRow& window : Windows()) {
        const auto samples = SamplesOf(window.shortName);
        if (!samples) {
            QTest::qFail(qPrintable(QStringLiteral("no sample readings for the %1 window")
                                        .arg(QLatin1String(window.shortName))),
                         __FILE__, __LINE__);
            continue;
        }
        const std::size_t buttons = window.describe ? window.describe().buttons.size() : 0;
        QCOMPARE(samples->size(), buttons);
        for (const Sample& sample : *samples)
            for (const char* uom : {"Imperial", "Metric"})
                QTest::addRow("%s %s, %s", window.shortName, sample.button.constData(), uom)
                    << window.kind << QString::fromLatin1(uom) << sample.button << sample.readings
                    << sample.outputs(UnitsOf(QLatin1String(uom)));
    }
}

void WindowTablesTest::samples()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QFETCH(QByteArray, button);
    QFETCH(Sample::Texts, readings);
    QFETCH(Sample::Texts, outputs);
    QWidget* window = open(kind, uom);
    for (const auto& [box, text] : outputs)
        SetText(window->findChild<QWidget*>(QLatin1String(box)), QStringLiteral("old"));
    for (const auto& [box, text] : readings) {
        auto* line = window->findChild<QLineEdit*>(QLatin1String(box));
        QVERIFY2(line != nullptr, box.constData());
        line->clear();
        QTest::keyClicks(line, text);
    }
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    for (const auto& [box, text] : outputs)
        QCOMPARE(TextOf(window->findChild<QWidget*>(QLatin1String(box))), text);
    QCOMPARE(kept().feedback.heard(), QStringList());
}

// The captions a window opens with, in the words of the unit system stored; every box empty
// but the one the description gives the pool size, which shows the text stored, unchecked.
void WindowTablesTest::captionsAsStored_data()
{
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"uom", "poolSize", "captions"});
    using enum WindowKind;
    // clang-format off
    const auto row = [](const char* tag, WindowKind kind, const char* uom, const char* poolSize,
                        const char* captions) {
        QTest::newRow(tag) << kind << uom << poolSize << captions;
    };
    const char* const galAt2 = "Label2=Pool Size (Gal.)";
    const char* const litresAt2 = "Label2=Pool Size (L)";
    for (const auto& [kind, name] : {std::pair{Alkalinity, "alkalinity"}, {CalciumHardness, "calcium"},
                                     {CyanuricAcid, "cyanuric"}}) {
        QTest::addRow("%s imperial", name) << kind << "Imperial" << " 12,5 gal " << galAt2;
        QTest::addRow("%s metric", name) << kind << "Metric" << " 12,5 gal " << litresAt2;
        QTest::addRow("%s never stored", name) << kind << "" << " 12,5 gal " << litresAt2;
    }
    row("alkalinity keeps its other texts", Alkalinity, "Metric", " 12,5 gal ",
        "Label3=PPM change desired|Label4=RAISE|Label5=with Sodium Bicarbonate");
    row("pH imperial", Ph, "Imperial", " 12,5 gal ",
        "Label2=Pool Size (Gal.)|Label5=Sodium Carbonate (Oz)|"
        "Label8=Sodium Bisulfate (dry acid) (Oz.)|Label9=Muriatic Acid 31% (Oz.)");
    row("pH metric", Ph, "Metric", " 12,5 gal ",
        "Label2=Pool Size (L)|Label5=Sodium Carbonate (g)|"
        "Label8=Sodium Bisulfate (dry acid) (g)|Label9=Muriatic Acid 31% (ml)");
    row("borax imperial", Borax, "Imperial", " 12,5 gal ",
        "Label1=Pool Size (Gal.)|Label2=Sodium Tetraborate Decahydrate (Oz.)");
    row("borax other letter case is metric", Borax, "IMPERIAL", " 12,5 gal ",
        "Label1=Pool Size (L)|Label2=Sodium Tetraborate Decahydrate (k)");
    row("salt imperial", Salt, "Imperial", " 12,5 gal ",
        "Label1=Pool Size (Gal.)|Label2=Pounds of salt|Label6=Pounds of salt needed");
    row("salt metric", Salt, "Metric", " 12,5 gal ",
        "Label1=Pool Size (L)|Label2=Kilos of salt|Label6=Kilos of salt needed");
    row("dilution imperial", Dilution, "Imperial", "20000", "Label1=Pool Size (Gal.)");
    row("dilution metric", Dilution, "Metric", "75000", "Label1=Pool Size (L)");
    row("dilution never stored", Dilution, "", "", "Label1=Pool Size (L)");
    row("dilution pool size kept as stored", Dilution, "IMPERIAL", " 12,500 gal ",
        "Label1=Pool Size (L)");
    // A stored pool size has no box to go to in these two.
    row("volume imperial", PoolVolume, "Imperial", "20000",
        "lblUOM=All Measurements in FEET, volumes in GALLONS");
    row("volume metric", PoolVolume, "Metric", "20000",
        "lblUOM=All Measurements in METRES, volumes in LITRES");
    row("volume never stored", PoolVolume, "", "20000",
        "lblUOM=All Measurements in METRES, volumes in LITRES");
    row("volume other letter case", PoolVolume, "imperial", "20000",
        "lblUOM=All Measurements in METRES, volumes in LITRES");
    row("saturation imperial", SaturationIndex, "Imperial", "20000", "Label2=Temp, Deg F");
    row("saturation metric", SaturationIndex, "Metric", "20000", "Label2=Temp, Deg C");
    row("saturation never stored", SaturationIndex, "", "20000", "Label2=Temp, Deg C");
    row("saturation trailing blank", SaturationIndex, "Imperial ", "20000", "Label2=Temp, Deg C");
    // clang-format on
}

void WindowTablesTest::captionsAsStored()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QFETCH(QString, poolSize);
    QFETCH(QString, captions);
    kept().settings.store(poolSize, QString(), uom);
    QWidget* window = keeper().show(kind);
    for (const auto& [label, caption] : BoxPairs(captions))
        QCOMPARE(LabelText(window, label.constData()), caption);
    const char* poolSizeBox = RowOf(kind).describe().load.poolSizeBox;
    for (const ui::Box& box : BoxesOf(kind))
        QCOMPARE(TextOf(window->findChild<QWidget*>(box.name)),
                 poolSizeBox != nullptr && qstrcmp(box.name, poolSizeBox) == 0 ? poolSize
                                                                               : QString());
}

// A screen reader names each box by the caption the description gives it, its row's heading
// first, in the words the window shows; the captions that follow the unit system show its words.
void WindowTablesTest::captions()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QWidget* window = open(kind, uom);
    const char* context = window->metaObject()->className();
    const WindowRow& row = RowOf(kind);
    if (row.describe != nullptr)
        for (const ui::UnitCaption& caption : row.describe().unitCaptions)
            QCOMPARE(LabelText(window, caption.label), caption.words.in(UnitsOf(uom), context));
    for (const ui::Box& box : BoxesOf(kind)) {
        QString expected = LabelText(window, box.caption).remove(QLatin1Char('&'));
        if (box.row != nullptr)
            expected = LabelText(window, box.row) + QLatin1Char(' ') + expected;
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(box.name));
        QVERIFY2(face != nullptr, box.name);
        QCOMPARE(face->text(QAccessible::Name), expected);
    }
}

void WindowTablesTest::tooltips()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QWidget* window = open(kind, uom);
    const char* context = window->metaObject()->className();
    for (const ui::Box& box : BoxesOf(kind)) {
        const QWidget* control = window->findChild<QWidget*>(box.name);
        QCOMPARE(control->toolTip(), box.tip.in(UnitsOf(uom), context));
        QCOMPARE(control->accessibleDescription(), control->toolTip());
    }
}

// For each required box of each button: the other white boxes hold the sample readings, this
// one is empty.
void WindowTablesTest::requiredBoxes_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<Sample::Texts>("readings");
    QTest::addColumn<QByteArray>("empty");
    QTest::addColumn<QString>("message");
    for (const WindowRow& window : Windows()) {
        if (window.describe == nullptr)
            continue;
        for (const Sample& sample : SamplesOf(window.shortName).value_or(std::vector<Sample>{}))
            for (const ui::Button& button : window.describe().buttons)
                if (sample.button == button.name)
                    for (const char* required : button.required)
                        QTest::addRow("%s %s %s", window.shortName, button.name, required)
                            << window.kind << sample.button << sample.readings
                            << QByteArray(required) << QString::fromLatin1(button.requiredMessage);
    }
}

void WindowTablesTest::requiredBoxes()
{
    QFETCH(WindowKind, kind);
    QFETCH(QByteArray, button);
    QFETCH(Sample::Texts, readings);
    QFETCH(QByteArray, empty);
    QFETCH(QString, message);
    QWidget* window = open(kind, QStringLiteral("Imperial"));
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (const auto& [box, text] : readings)
        window->findChild<QLineEdit*>(QLatin1String(box))->setText(box == empty ? QString() : text);
    window->findChild<QLineEdit*>(QLatin1String(empty))->clear();
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    QCOMPARE(kept().feedback.warnings, QStringList{message});
    QCOMPARE(kept().feedback.beeps, 1);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(empty));
}

QTEST_MAIN(WindowTablesTest)
#include "tst_windowtables.moc"
