// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where every window's controls stand and the order Tab visits them in: one table per concern,
// a row for every window of the program's table, with the reference layout's figures.
#include "support/keptwindowstestcase.h"
#include "support/windowchecks.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

Q_DECLARE_METATYPE(QList<Place>)

namespace {

// The controls' area: a main window's central widget, or the window itself.
QWidget* ClientArea(QWidget* window)
{
    auto* main = qobject_cast<QMainWindow*>(window);
    return main != nullptr ? main->centralWidget() : window;
}

} // namespace

class WindowLayoutTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void tabOrder_data();
    void tabOrder();
};

void WindowLayoutTest::layout_data()
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

void WindowLayoutTest::layout()
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

void WindowLayoutTest::tabOrder_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QStringList>("order");
    struct Order
    {
        WindowKind kind;
        QStringList order; // from the box that has the focus when the window opens, round
    };
    using enum WindowKind;
    // clang-format off
    const Order orders[] = {
        {Main, {"txtGal", "txtChlorPerc", "txtQuantBleach", "txtPPMTarget", "Command1",
                "txtLongGal", "txtGal"}},
        {About, {}}, // nothing to type or press
        // Some outputs are tab stops, some not, as in the reference layout.
        {Alkalinity, {"txtGal", "txtPPM", "Command1", "txtGal"}},
        {CalciumHardness, {"txtGal", "txtPPM", "Command1", "txtGal"}},
        {CyanuricAcid, {"txtGal", "txtPPM", "txtCya", "Command1", "txtGal"}},
        {Ph, {"txtGal", "txtNa2CO3", "txtNaHSO4", "txtHCl", "Command1", "txtGal"}},
        {Dilution, {"txtGal", "txtPr", "txtSr", "txtFr", "txtPercDrain", "txtVolDrain",
                    "Command1", "txtGal"}},
        {Borax, {"txtGal", "txtNa2B4O7", "txtPPM", "Command1", "txtGal"}},
        // Row by row through the inputs and their button, then the three outputs.
        {PoolVolume, {"txtRLength", "txtRWidth", "txtRAvgDepth", "Command1", "txtOLength",
                      "txtOWidth", "txtOAvgDepth", "Command2", "txtDiam", "txtDepth",
                      "Command3", "txtRVolume", "txtOVolume", "txtVolume", "txtRLength"}},
        {Salt, {"txtGal", "txtSalt", "txtPPMInc", "txtPPMup", "txtLbsNeeded", "Command1",
                "txtGal"}},
        // Qt gives the option group one tab stop; the arrow keys move within it.
        {Settings, {"txtPoolSize", "Command1", "txtBleachStrength", "optImperial",
                    "txtPoolSize"}},
        {SaturationIndex, {"txtpH", "txtTemp", "txtCa", "txtTa", "Command1", "txtSI", "txtpH"}},
    };
    // clang-format on
    ForEveryWindow(orders, [](const WindowRow& window, const Order& order) {
        QTest::newRow(window.shortName) << order.kind << order.order;
    });
}

void WindowLayoutTest::tabOrder()
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

QTEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"
