// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "ui/windowservices.h"

void RegisterWindows(const WindowServices& services)
{
    WindowKeeper& keeper = services.keeper;
    keeper.setFactory(WindowKind::Main, [services] { return new MainWindow(services); });
    keeper.setFactory(WindowKind::About, [] { return new AboutWindow; });
    keeper.setFactory(WindowKind::Alkalinity, [services] { return new AlkalinityWindow(services); });
    keeper.setFactory(WindowKind::CalciumHardness, [services] { return new CalciumWindow(services); });
    keeper.setFactory(WindowKind::CyanuricAcid, [services] { return new CyanuricWindow(services); });
    keeper.setFactory(WindowKind::Ph, [services] { return new PhWindow(services); });
    keeper.setFactory(WindowKind::Borax, [services] { return new BoraxWindow(services); });
    keeper.setFactory(WindowKind::Salt, [services] { return new SaltWindow(services); });
    keeper.setFactory(WindowKind::Dilution, [services] { return new DilutionWindow(services); });
    keeper.setFactory(WindowKind::PoolVolume, [services] { return new PoolVolumeWindow(services); });
    keeper.setFactory(WindowKind::SaturationIndex, [services] { return new SaturationWindow(services); });
    keeper.setFactory(WindowKind::Settings, [services] { return new SettingsWindow(services); });
}
