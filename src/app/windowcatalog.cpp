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
#include "ui/windowservices.h"

#include <QtGlobal>

#include <algorithm>
#include <iterator>

namespace {

template <class Window> QWidget* Make(const WindowServices& services)
{
    return new Window(services);
}

QWidget* MakeAbout(const WindowServices&)
{
    return new AboutWindow;
}

using enum WindowKind;

constexpr MenuEntry kNoEntry{0, nullptr, nullptr, false};

// clang-format off
// kind, short name, menu entry {place, name, caption[, enabled]}, how it is made, description
constexpr WindowRow kWindows[] = {
    {Main,            "main",       kNoEntry,
     Make<MainWindow>, &MainWindow::description},
    {About,           "about",      {1, "abt", QT_TRANSLATE_NOOP("Menu", "About")},
     MakeAbout},
    {Alkalinity,      "alkalinity", {2, "alk", QT_TRANSLATE_NOOP("Menu", "Alkalinity")},
     Make<AlkalinityWindow>, &AlkalinityWindow::description},
    {CalciumHardness, "calcium",    {4, "CaHard", QT_TRANSLATE_NOOP("Menu", "Calcium Hardness")},
     Make<CalciumWindow>, &CalciumWindow::description},
    {CyanuricAcid,    "cyanuric",   {5, "cyan", QT_TRANSLATE_NOOP("Menu", "Cyanuric Acid")},
     Make<CyanuricWindow>, &CyanuricWindow::description},
    {Ph,              "ph",         {8, "ph", QT_TRANSLATE_NOOP("Menu", "pH")},
     Make<PhWindow>, &PhWindow::description},
    {Dilution,        "dilution",   {6, "dilution", QT_TRANSLATE_NOOP("Menu", "Dilution")},
     Make<DilutionWindow>, &DilutionWindow::description},
    {Borax,           "borax",      {3, "borax", QT_TRANSLATE_NOOP("Menu", "Borax")},
     Make<BoraxWindow>, &BoraxWindow::description},
    {PoolVolume,      "volume",     {9, "volume", QT_TRANSLATE_NOOP("Menu", "Pool Volume")},
     Make<PoolVolumeWindow>, &PoolVolumeWindow::description},
    {Salt,            "salt",       {10, "salt", QT_TRANSLATE_NOOP("Menu", "Salt Calcs")},
     Make<SaltWindow>, &SaltWindow::description},
    {Settings,        "settings",   {11, "settings", QT_TRANSLATE_NOOP("Menu", "Settings")},
     Make<SettingsWindow>},
    // The window is complete, but its entry is switched off for good.
    {SaturationIndex, "saturation", {7, "satind", QT_TRANSLATE_NOOP("Menu", "Saturation Index"), false},
     Make<SaturationWindow>, &SaturationWindow::description},
};
// clang-format on

// Each kind once, and the menu's places 1, 2, 3 ... without a gap or a twin.
constexpr bool WellFormed()
{
    int entries = 0;
    for (const WindowRow& row : kWindows) {
        if (row.kind == WindowKind::Count)
            return false;
        entries += row.menu.place > 0 ? 1 : 0;
        for (const WindowRow& other : kWindows)
            if (&other != &row && (other.kind == row.kind ||
                                   (row.menu.place > 0 && other.menu.place == row.menu.place)))
                return false;
    }
    for (const WindowRow& row : kWindows)
        if (row.menu.place > entries)
            return false;
    return true;
}
static_assert(WellFormed(), "a window twice, or a menu place missing or taken twice");
// Each kind once and as many rows as kinds: every kind has its row.
static_assert(std::size(kWindows) == static_cast<std::size_t>(WindowKind::Count),
              "a kind of window without a row in the table");

} // namespace

std::span<const WindowRow> Windows()
{
    return kWindows;
}

std::vector<const WindowRow*> MenuWindows()
{
    std::vector<const WindowRow*> entries;
    for (const WindowRow& row : kWindows)
        if (row.menu.place > 0)
            entries.push_back(&row);
    std::sort(entries.begin(), entries.end(),
              [](const WindowRow* a, const WindowRow* b) { return a->menu.place < b->menu.place; });
    return entries;
}

void RegisterWindows(const WindowServices& services)
{
    for (const WindowRow& row : kWindows)
        services.keeper.setFactory(row.kind,
                                   [services, make = row.make] { return make(services); });
}
