// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every window shares, in one table: its form name and caption, a fixed client size, the
// pool icon, white input boxes and grey read-only output boxes, and captions that fit their
// boxes in the words of either unit system.
#include "labelcheck.h"
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "support/windowchecks.h"
#include "ui/windowkeeper.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTest>

class WindowFramesTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void frame_data();
    void frame();
};

void WindowFramesTest::frame_data()
{
    // clang-format off
    QTest::addColumn<WindowKind>("kind");
    AddColumns<QString>({"uom", "form", "title"});
    QTest::addColumn<QSize>("client"); // none where the layout gives no figures
    QTest::addColumn<bool>("icon");
    QTest::addColumn<QStringList>("greyBoxes");
    struct Frame
    {
        WindowKind kind;
        const char* form;
        const char* title;
        QSize client;
        bool icon;
        QStringList greyBoxes;
    };
    const Frame frames[] = {
        {WindowKind::Main, "Form1", "Poolwright!", {402, 368}, true,
         {"txtPPM", "txtGalReq", "txtLongGal"}},
        {WindowKind::About, "Form2", "About", {312, 442}, true, {}},
        {WindowKind::Alkalinity, "Form3", "Alkalinity calculation", {312, 225}, true, {"txtOz"}},
        {WindowKind::CalciumHardness, "Form4", "Calcium Hardness calcs", {312, 267}, true,
         {"txtCaCl", "txtCaCl2"}},
        {WindowKind::CyanuricAcid, "Form5", "Cyanuric Acid Calc", {312, 247}, true, {"txtCya"}},
        {WindowKind::Ph, "Form6", "pH Calcs", {312, 320}, true,
         {"txtNa2CO3", "txtNaHSO4", "txtHCl"}},
        {WindowKind::Dilution, "Form7", "Dilution Calcs", {}, true,
         {"txtPercDrain", "txtVolDrain"}},
        {WindowKind::Borax, "Form8", "Borax Calcs", {312, 287}, true, {"txtPPM"}},
        {WindowKind::PoolVolume, "Form9", "Volume Calcs", {455, 336}, true,
         {"txtRVolume", "txtOVolume", "txtVolume"}},
        {WindowKind::Salt, "Form10", "Salt Calcs", {408, 411}, true, {"txtPPMup", "txtLbsNeeded"}},
        {WindowKind::Settings, "Form11", "Settings", {312, 240}, true, {}},
        // The one window without the pool icon; its index box is white and may be typed in.
        {WindowKind::SaturationIndex, "Form12", "Form12", {}, false, {}},
    };
    ForEveryWindow(frames, [](const WindowRow&, const Frame& frame) {
        for (const char* uom : {"Imperial", "Metric"})
            QTest::addRow("%s, %s", frame.form, uom)
                << frame.kind << QString::fromLatin1(uom) << QString::fromLatin1(frame.form)
                << QString::fromLatin1(frame.title) << frame.client << frame.icon
                << frame.greyBoxes;
    });
    // clang-format on
}

void WindowFramesTest::frame()
{
    QFETCH(WindowKind, kind);
    QFETCH(QString, uom);
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QSize, client);
    QFETCH(bool, icon);
    QFETCH(QStringList, greyBoxes);

    QWidget* window = open(kind, uom);
    QVERIFY(window != nullptr);
    QCOMPARE(window->objectName(), form);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->minimumSize(), window->maximumSize()); // not resizable
    if (client.isValid()) {
        // The main window's menu bar lies above its client area.
        const auto* main = qobject_cast<QMainWindow*>(window);
        QCOMPARE(main != nullptr ? main->centralWidget()->size() : window->size(), client);
    }
    QCOMPARE(!window->windowIcon().isNull(), icon);

    const QStringList clipped = LabelFaults(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String("; "))));

    QStringList boxes;
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        boxes << box->objectName();
    for (const QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
        boxes << box->objectName();
    for (const QString& name : boxes) {
        const auto* box = window->findChild<QWidget*>(name);
        const bool grey = greyBoxes.contains(name);
        QVERIFY2(grey ? IsGrey(box) : box->palette().color(QPalette::Base) == QColor(Qt::white),
                 qPrintable(name));
        QVERIFY2(box->property("readOnly").toBool() == grey, qPrintable(name));
    }
    for (const QString& name : greyBoxes)
        QVERIFY2(boxes.contains(name), qPrintable(name));
}

QTEST_MAIN(WindowFramesTest)
#include "tst_windowframes.moc"
