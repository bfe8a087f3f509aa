#include "app/windowcatalog.h"

#include "app/aboutwindow.h"
#include "app/mainwindow.h"
#include "settings/settingswindow.h"
#include "ui/alkalinitywindow.h"
#include "ui/boraxwindow.h"
#include "ui/calciumwindow.h"
#include "ui/cyanuricwindow.h"
#include "ui/dilutionwindow.h"
#include "ui/phwindow.h"
#include "ui/poolvolumewindow.h"
#include "ui/saltwindow.h"
#include "ui/saturationwindow.h"
#include "ui/windowkeeper.h"

void RegisterWindows()
{
    WindowKeeper& keeper = WindowKeeper::instance();
    keeper.setFactory(WindowKind::Main, [] { return new MainWindow; });
    keeper.setFactory(WindowKind::About, [] { return new AboutWindow; });
    keeper.setFactory(WindowKind::Alkalinity, [] { return new AlkalinityWindow; });
    keeper.setFactory(WindowKind::CalciumHardness, [] { return new CalciumWindow; });
    keeper.setFactory(WindowKind::CyanuricAcid, [] { return new CyanuricWindow; });
    keeper.setFactory(WindowKind::Ph, [] { return new PhWindow; });
    keeper.setFactory(WindowKind::Borax, [] { return new BoraxWindow; });
    keeper.setFactory(WindowKind::Salt, [] { return new SaltWindow; });
    keeper.setFactory(WindowKind::Dilution, [] { return new DilutionWindow; });
    keeper.setFactory(WindowKind::PoolVolume, [] { return new PoolVolumeWindow; });
    keeper.setFactory(WindowKind::SaturationIndex, [] { return new SaturationWindow; });
    keeper.setFactory(WindowKind::Settings, [] { return new SettingsWindow; });
}
