// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window does what its description says: the sample readings give the sample texts,
// each box is named by its caption and told by its tooltip in the words of the unit system,
// and a press with a required box empty is refused with the described message, the cursor in
// that box. The expectations come from the descriptions, so these rows catch a fault of the
// component that follows them; the tests beside them state the words themselves.
#include "settings/settingswindow.h"
#include "support/columns.h"
#include "support/keptwindowstestcase.h"
#include "support/samplereadings.h"
#include "support/windowdriver.h"
#include "ui/windowdescription.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(Sample::Texts)

namespace {

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

class DescribedWindowsTest : public KeptWindowsTestCase
{
    Q_OBJECT

private Q_SLOTS:
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

// Every window of the table is in the sample file, with a sample for each button it describes.
void DescribedWindowsTest::samples_data()
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

void DescribedWindowsTest::samples()
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
void DescribedWindowsTest::captionsAsStored_data()
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

void DescribedWindowsTest::captionsAsStored()
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
void DescribedWindowsTest::captions()
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

void DescribedWindowsTest::tooltips()
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
void DescribedWindowsTest::requiredBoxes_data()
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

void DescribedWindowsTest::requiredBoxes()
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

QTEST_MAIN(DescribedWindowsTest)
#include "tst_describedwindows.moc"
