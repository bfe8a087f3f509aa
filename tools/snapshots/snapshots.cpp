// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows every window of the program and saves a picture of each, for looking at a change and
// for the README. Usage: poolwright_snapshots OUTPUT_FOLDER [--dark] [--readings] [--check]
// [--language=NAME] (with a display, e.g. xvfb-run). --language shows the windows in one of
// the program's translations (fr, pt_BR, ...; English without it); --dark gives the program a
// dark desktop's colours;
// --readings types sample readings into each window, presses its Calculate and pictures the
// window from the screen with one box's tooltip showing; --check looks at every caption as the
// machine's fonts draw it, says what does not fit or lacks a letter, and fails if anything
// does. The Windows build runs it under Wine.
// poolwright_snapshots --show=NAME [--language=NAME] shows the one window NAME (a short name of
// the table of windows, e.g. saturation) as the program would, message boxes included, until it
// is closed: for using a window the menu does not reach, by hand or from the Wine test.
#include "app/windowcatalog.h"
#include "labelcheck.h"
#include "settings/platformstore.h"
#include "settings/settingsstore.h"
#include "support/darkpalette.h"
#include "support/samplereadings.h"
#include "ui/languages.h"
#include "ui/programlook.h"
#include "ui/userfeedback.h"
#include "ui/windowkeeper.h"
#include "ui/windowservices.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

// No message box may wait for a click that never comes: what a press says goes to stderr.
class ReportingFeedback : public UserFeedback
{
public:
    void beep() override {}
    void warn(QWidget*, const QString& message) override { report(message); }
    void inform(QWidget*, const QString& message) override { report(message); }
    void reportError(QWidget*, const QString& message) override { report(message); }

private:
    static void report(const QString& message)
    {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
};

// The box whose tooltip shows in a picture with readings, for every window of the program's
// table; one missing is reported, and fails the run.
const std::pair<WindowKind, const char*> kTipBoxes[] = {
    {WindowKind::Main, "txtLongGal"},       {WindowKind::About, nullptr},
    {WindowKind::Alkalinity, "txtOz"},      {WindowKind::CalciumHardness, "txtCaCl2"},
    {WindowKind::CyanuricAcid, "txtCya"},   {WindowKind::Ph, "txtHCl"},
    {WindowKind::Borax, "txtPPM"},          {WindowKind::Salt, "txtLbsNeeded"},
    {WindowKind::Dilution, "txtPercDrain"}, {WindowKind::PoolVolume, "txtOVolume"},
    {WindowKind::SaturationIndex, "txtSI"}, {WindowKind::Settings, "txtPoolSize"},
};

const std::pair<WindowKind, const char*>* TipBoxOf(WindowKind kind)
{
    for (const auto& each : kTipBoxes)
        if (each.first == kind)
            return &each;
    return nullptr;
}

// Types each sample's readings (the tests' own) and presses its button.
void TypeAndPress(QWidget* window, const std::vector<Sample>& samples)
{
    for (const Sample& sample : samples) {
        for (const auto& [name, text] : sample.readings) {
            auto* box = window->findChild<QLineEdit*>(QLatin1String(name));
            box->clear();
            QTest::keyClicks(box, text);
        }
        QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(sample.button)),
                          Qt::LeftButton);
    }
}

// The window as the screen shows it, with the tooltip of its box tipBox, which is a window of
// its own.
QPixmap WithTooltip(QWidget* window, const char* tipBox)
{
    auto* box = window->findChild<QWidget*>(QString::fromLatin1(tipBox));
    auto* plain = qobject_cast<QPlainTextEdit*>(box);
    QWidget* under = plain != nullptr ? plain->viewport() : box;
    const QPoint centre = under->rect().center();
    QHelpEvent event(QEvent::ToolTip, centre, under->mapToGlobal(centre));
    QApplication::sendEvent(under, &event);
    QTest::qWait(300);
    QRect shown = window->frameGeometry();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            shown |= top->geometry();
    return window->screen()->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height());
}

// One window, used as in the program, until it is closed.
int ShowAlone(const QString& shortName)
{
    DesktopFeedback feedback;
    WindowKeeper keeper(feedback);
    const std::unique_ptr<SettingsStore> store = MakePlatformStore();
    RegisterWindows({keeper, feedback, *store});
    for (const WindowRow& row : Windows())
        if (shortName == QLatin1String(row.shortName))
            return keeper.show(row.kind) != nullptr ? QApplication::exec() : 1;
    std::fprintf(stderr, "%s: no such window\n", qPrintable(shortName));
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    ui::ChooseTextRenderer();
    QApplication app(argc, argv);
    ui::ApplyProgramLook();
    const QStringList arguments = QApplication::arguments().mid(1);
    QString folder = QStringLiteral(".");
    for (const QString& argument : arguments)
        if (!argument.startsWith(QLatin1String("--")))
            folder = argument;
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1String("--language=")) &&
            !ui::UseLanguage(argument.section(QLatin1Char('='), 1))) {
            std::fprintf(stderr, "%s: no such translation\n", qPrintable(argument));
            return 2;
        }
    }
    if (arguments.contains(QLatin1String("--dark")))
        QApplication::setPalette(DarkPalette());
    for (const QString& argument : arguments)
        if (argument.startsWith(QLatin1String("--show=")))
            return ShowAlone(argument.section(QLatin1Char('='), 1));
    const bool readings = arguments.contains(QLatin1String("--readings"));
    const bool check = arguments.contains(QLatin1String("--check"));
    QDir().mkpath(folder);
    ReportingFeedback feedback;
    WindowKeeper keeper(feedback);
    const std::unique_ptr<SettingsStore> store = MakePlatformStore();
    RegisterWindows({keeper, feedback, *store});

    if (check) {
        // Which faces the machine really draws with, for a reader of the log.
        for (const char* widgetClass : {"QWidget", "QMenuBar"}) {
            const QFont font = QApplication::font(widgetClass);
            std::printf("%s font: %s %g pt, drawn with %s\n", widgetClass,
                        qPrintable(font.family()), font.pointSizeF(),
                        qPrintable(QFontInfo(font).family()));
        }
        QLabel heading;
        ui::SetHeadingFont(&heading, 18);
        const QFontInfo drawn(heading.font());
        std::printf("heading font: %s %g pt bold, drawn with %s of weight %d\n",
                    qPrintable(heading.font().family()), heading.font().pointSizeF(),
                    qPrintable(drawn.family()), drawn.weight());
    }
    int saved = 0;
    int faulty = 0;
    for (const WindowRow& row : Windows()) {
        const auto* tipBox = TipBoxOf(row.kind);
        const auto samples = SamplesOf(row.shortName);
        if (tipBox == nullptr || !samples) {
            std::fprintf(stderr, "%s: no readings for this window\n", row.shortName);
            continue;
        }
        QWidget* window = keeper.show(row.kind);
        if (window == nullptr || !QTest::qWaitForWindowExposed(window))
            continue;
        if (check) {
            const QStringList faults = LabelFaults(window);
            for (const QString& fault : faults)
                std::printf("%s: %s\n", row.shortName, qPrintable(fault));
            faulty += faults.isEmpty() ? 0 : 1;
        }
        if (readings)
            TypeAndPress(window, *samples);
        QTest::qWait(100);
        const QString path = folder + QLatin1Char('/') + QLatin1String(row.shortName) + ".png";
        const QPixmap picture = readings && tipBox->second != nullptr
                                    ? WithTooltip(window, tipBox->second)
                                    : window->grab();
        if (picture.save(path))
            ++saved;
    }
    const int windows = static_cast<int>(Windows().size());
    if (check)
        std::printf("%d of %d windows with a caption that does not fit or lacks a letter, at %g "
                    "pixels a point\n",
                    faulty, windows, qApp->devicePixelRatio());
    return saved == windows && faulty == 0 ? 0 : 1;
}
