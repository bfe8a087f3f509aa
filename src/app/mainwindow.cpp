// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/windowcatalog.h"
#include "calc/arithmetic.h"
#include "calc/chlorine.h"
#include "settings/defaults.h"
#include "settings/mregistry.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_mainwindow.h"

#include <QLayout>
#include <QMenuBar>
#include <QShortcut>

#include <optional>
#include <utility>

MainWindow::MainWindow(const WindowServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_ui(new Ui::Form1)
{
    m_ui->setupUi(this);
    // The client area is fixed, with the menu bar above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    setWindowIcon(ui::PoolIcon());
    ui::SetHeadingFont(m_ui->Label8, 13.5, ui::Slant::Italic);
    ui::SetUpBoxes(this);
    ui::MakeOutputBoxes({m_ui->txtPPM, m_ui->txtGalReq, m_ui->txtLongGal});
    // Two text lines fit the box only without the usual inner margin.
    m_ui->txtLongGal->document()->setDocumentMargin(1);

    ui::WireButton(m_services.feedback, this, m_ui->Command1,
                   {m_ui->txtGal, m_ui->txtChlorPerc, m_ui->txtQuantBleach, m_ui->txtPPMTarget},
                   [this] { calculate(); });
    ui::NameByCaptions({{m_ui->txtGal, m_ui->Label1},
                        {m_ui->txtChlorPerc, m_ui->Label2},
                        {m_ui->txtQuantBleach, m_ui->Label3},
                        {m_ui->txtPPMTarget, m_ui->Label4},
                        {m_ui->txtPPM, m_ui->Label5},
                        {m_ui->txtGalReq, m_ui->Label6},
                        {m_ui->txtLongGal, m_ui->Label6}});

    addMenuEntries();
    // Alt reaches the menu as in every Qt program; F10 as on the GNOME and KDE desktops.
    auto* openMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenu, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(m_ui->man->menuAction()); });
}

MainWindow::~MainWindow() = default;

void MainWindow::addMenuEntries()
{
    WindowKeeper& keeper = m_services.keeper;
    for (const WindowRow* row : MenuWindows()) {
        const WindowKind kind = row->kind;
        if (!keeper.canMake(kind))
            continue; // an entry comes with its window
        QAction* action = m_ui->man->addAction(QString::fromLatin1(row->menu.caption));
        action->setObjectName(QString::fromLatin1(row->menu.name));
        action->setEnabled(row->menu.enabled);
        connect(action, &QAction::triggered, this, [&keeper, kind] { keeper.show(kind); });
    }
}

void MainWindow::load()
{
    // A failure stops the load step, and the boxes not filled yet stay empty; the user is told
    // why by whoever runs it. The captions keep to the unit system read, which Calculate will
    // use too, or show Metric, as on a fresh installation, when none could be read.
    calc::UnitSystem units = calc::UnitSystem::Metric;
    try {
        units = defaults::ReadUnitSystem(m_services.store);
    } catch (const SettingsError&) {
        showUnitCaptions(calc::UnitSystem::Metric);
        throw;
    }
    showUnitCaptions(units);
    m_ui->txtGal->setText(defaults::ReadPoolSize(m_services.store));
    m_ui->txtChlorPerc->setText(defaults::ReadBleachStrength(m_services.store));
}

void MainWindow::showUnitCaptions(calc::UnitSystem units)
{
    ui::ShowUnitCaptions(units,
                         {ui::PoolSizeCaption(m_ui->Label1),
                          {m_ui->Label3, "Quantity of bleach (Gal.)", "Quantity of bleach (L)"}});
    // The short form is written in Imperial only; in Metric the box above holds the litres.
    ui::ShowBoxTips(
        units,
        {ui::PoolSizeTip(m_ui->txtGal),
         {m_ui->txtChlorPerc,
          "The chlorine strength of the bleach, in percent: for 6 % bleach type 6."},
         {m_ui->txtQuantBleach,
          "An amount of bleach, in US gallons: Calculate gives the rise in chlorine it makes.",
          "An amount of bleach, in litres: Calculate gives the rise in chlorine it makes."},
         {m_ui->txtPPMTarget,
          "The rise in chlorine you want, in ppm: Calculate gives the bleach it takes."},
         {m_ui->txtPPM, "The rise in chlorine, in ppm, that the amount of bleach makes."},
         {m_ui->txtGalReq, "The bleach to add, of the strength given, in US gallons to a tenth.",
          "The bleach to add in US gallons, worked out in Imperial only: the litres show in the "
          "box above."},
         {m_ui->txtLongGal,
          "The bleach to add, of the strength given, in US gallons, quarts, cups and fluid "
          "ounces.",
          "The bleach to add, of the strength given, in litres to a tenth."}});
}

void MainWindow::calculate()
{
    // The unit system is read before the boxes are checked.
    const calc::UnitSystem units = defaults::ReadUnitSystem(m_services.store);
    if (!ui::RequireFilled(m_services.feedback, this, {m_ui->txtGal, m_ui->txtChlorPerc},
                           ui::kFillPpmIncrease))
        return;

    // Every figure is worked out before any box is written, so that a failure leaves all
    // boxes as they were. A direction whose box is empty is skipped, and its output kept.
    std::optional<QString> ppmIncrease;
    if (!m_ui->txtQuantBleach->text().isEmpty()) {
        const double ppm =
            calc::PpmFromBleach(ui::BoxNumber(m_ui->txtGal), ui::BoxNumber(m_ui->txtChlorPerc),
                                ui::BoxNumber(m_ui->txtQuantBleach));
        ppmIncrease = calc::NumberText(calc::RoundHalfEven(ppm, 1));
    }

    std::optional<QString> gallonsRequired;
    std::optional<QString> longForm;
    if (!m_ui->txtPPMTarget->text().isEmpty()) {
        const double required =
            calc::BleachRequired(ui::BoxNumber(m_ui->txtGal), ui::BoxNumber(m_ui->txtChlorPerc),
                                 ui::BoxNumber(m_ui->txtPPMTarget));
        if (units == calc::UnitSystem::Imperial)
            gallonsRequired = ui::GallonsText(required);
        longForm = ui::LiquidMeasureText(units, required);
    }

    if (ppmIncrease)
        ui::ShowResult(m_ui->txtPPM, *ppmIncrease);
    if (gallonsRequired)
        ui::ShowResult(m_ui->txtGalReq, *gallonsRequired);
    if (longForm)
        ui::ShowResult(m_ui->txtLongGal, *longForm);
}
