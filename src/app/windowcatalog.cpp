#include "app/windowcatalog.h"

#include "app/aboutwindow.h"
#include "app/mainwindow.h"
#include "settings/settingswindow.h"
#include "ui/windowkeeper.h"

void RegisterWindows()
{
    WindowKeeper& keeper = WindowKeeper::instance();
    keeper.setFactory(WindowKind::Main, [] { return new MainWindow; });
    keeper.setFactory(WindowKind::About, [] { return new AboutWindow; });
    keeper.setFactory(WindowKind::Settings, [] { return new SettingsWindow; });
}
