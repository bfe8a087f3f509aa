// Shows every window of the program and saves a picture of each, for looking at a change and
// for the README. Usage: poolwright_snapshots OUTPUT_FOLDER (with a display, e.g. xvfb-run).
#include "app/windowcatalog.h"
#include "settings/platformstore.h"
#include "settings/settingsstore.h"
#include "ui/userfeedback.h"
#include "ui/windowservices.h"
#include "ui/windowkeeper.h"
#include "ui/programlook.h"

#include <QApplication>
#include <QDir>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::ApplyProgramLook();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    DesktopFeedback feedback;
    WindowKeeper keeper(feedback);
    const std::unique_ptr<SettingsStore> store = MakePlatformStore();
    RegisterWindows({keeper, feedback, *store});

    const std::pair<WindowKind, const char*> windows[] = {
        {WindowKind::Main, "main"},
        {WindowKind::About, "about"},
        {WindowKind::Alkalinity, "alkalinity"},
        {WindowKind::CalciumHardness, "calcium"},
        {WindowKind::CyanuricAcid, "cyanuric"},
        {WindowKind::Ph, "ph"},
        {WindowKind::Borax, "borax"},
        {WindowKind::Salt, "salt"},
        {WindowKind::Dilution, "dilution"},
        {WindowKind::PoolVolume, "volume"},
        {WindowKind::SaturationIndex, "saturation"},
        {WindowKind::Settings, "settings"},
    };
    int saved = 0;
    for (const auto& [kind, name] : windows) {
        QWidget* window = keeper.show(kind);
        if (window == nullptr || !QTest::qWaitForWindowExposed(window))
            continue;
        QTest::qWait(100);
        const QString path = folder + QLatin1Char('/') + QLatin1String(name) + ".png";
        if (window->grab().save(path))
            ++saved;
    }
    return saved == static_cast<int>(std::size(windows)) ? 0 : 1;
}
