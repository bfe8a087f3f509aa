// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/windowcatalog.h"
#include "calc/arithmetic.h"
#include "calc/chlorine.h"
#include "ui/programlook.h"
#include "ui/usermessages.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>

MainWindow::MainWindow(const WindowServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_ui(new Ui::Form1)
{
    m_ui->setupUi(this);
    // The client area is fixed, with the menu bar above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    setWindowIcon(ui::PoolIcon());
    ui::SetUpBoxes(this);
    // Two text lines fit the box only without the usual inner margin.
    m_ui->txtLongGal->document()->setDocumentMargin(1);
    m_behaviour.emplace(this, staticMetaObject, m_services, description());

    addMenuEntries();
    // Alt reaches the menu as in every Qt program; F10 as on the GNOME and KDE desktops.
    auto* openMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenu, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(m_ui->man->menuAction()); });
}

MainWindow::~MainWindow() = default;

const ui::WindowDescription& MainWindow::description()
{
    using enum ui::Role;
    using enum defaults::Default;
    static const ui::WindowDescription window{
        .boxes =
            {{"txtGal", Input, "Label1", ui::PoolSizeTipWords()},
             {"txtChlorPerc",
              Input,
              "Label2",
              {QT_TR_NOOP("The chlorine strength of the bleach, in percent: for 6 % bleach type "
                          "6.")}},
             {"txtQuantBleach",
              Input,
              "Label3",
              {QT_TR_NOOP("An amount of bleach, in US gallons: Calculate gives the rise in "
                          "chlorine it makes."),
               QT_TR_NOOP("An amount of bleach, in litres: Calculate gives the rise in chlorine "
                          "it makes.")}},
             {"txtPPMTarget",
              Input,
              "Label4",
              {QT_TR_NOOP("The rise in chlorine you want, in ppm: Calculate gives the bleach it "
                          "takes.")}},
             {"txtPPM",
              Output,
              "Label5",
              {QT_TR_NOOP("The rise in chlorine, in ppm, that the amount of bleach makes.")}},
             // The short form is written in Imperial only; in Metric the box above holds the
             // litres.
             {"txtGalReq",
              Output,
              "Label6",
              {QT_TR_NOOP("The bleach to add, of the strength given, in US gallons to a tenth."),
               QT_TR_NOOP("The bleach to add in US gallons, worked out in Imperial only: the "
                          "litres show in the box above.")}},
             {"txtLongGal",
              Output,
              "Label6",
              {QT_TR_NOOP("The bleach to add, of the strength given, in US gallons, quarts, "
                          "cups and fluid ounces."),
               QT_TR_NOOP("The bleach to add, of the strength given, in litres to a tenth.")}}},
        .unitCaptions = {{"Label1", ui::PoolSizeCaptionWords()},
                         {"Label3",
                          {QT_TR_NOOP("Quantity of bleach (Gal.)"),
                           QT_TR_NOOP("Quantity of bleach (L)")}}},
        .headings = {{"Label8", 13.5, ui::Slant::Italic}},
        // The unit system is read before the boxes are checked.
        .buttons = {{"Command1",
                     {"txtGal", "txtChlorPerc", "txtQuantBleach", "txtPPMTarget"},
                     {"txtGal", "txtChlorPerc"},
                     ui::kFillPpmIncrease,
                     ui::UnitsRead::BeforeCheck,
                     calculate}},
        // The unit system first; a failure stops the reading, and the boxes not filled yet
        // stay empty. The captions keep to the unit system read, which Calculate will use too.
        .load = {{UnitSystem, PoolSize, BleachStrength},
                 defaults::OnFailure::Stop,
                 "txtGal",
                 "txtChlorPerc"},
    };
    return window;
}

void MainWindow::addMenuEntries()
{
    WindowKeeper& keeper = m_services.keeper;
    for (const WindowRow* row : MenuWindows()) {
        const WindowKind kind = row->kind;
        if (!keeper.canMake(kind))
            continue; // an entry comes with its window
        QAction* action =
            m_ui->man->addAction(QCoreApplication::translate("Menu", row->menu.caption));
        action->setObjectName(QString::fromLatin1(row->menu.name));
        action->setEnabled(row->menu.enabled);
        connect(action, &QAction::triggered, this, [&keeper, kind] { keeper.show(kind); });
    }
}

void MainWindow::calculate(ui::Press& press)
{
    // A direction whose box is empty is skipped, and its output kept. Every figure is worked
    // out before any box is written, so that a failure leaves all boxes as they were.
    if (!press.isEmpty("txtQuantBleach")) {
        const double ppm = calc::PpmFromBleach(press.number("txtGal"), press.number("txtChlorPerc"),
                                               press.number("txtQuantBleach"));
        press.show("txtPPM", calc::NumberText(calc::RoundHalfEven(ppm, 1)));
    }
    if (!press.isEmpty("txtPPMTarget")) {
        const double required = calc::BleachRequired(
            press.number("txtGal"), press.number("txtChlorPerc"), press.number("txtPPMTarget"));
        if (press.units() == calc::UnitSystem::Imperial)
            press.show("txtGalReq", ui::GallonsText(required));
        press.show("txtLongGal", ui::LiquidMeasureText(press.units(), required));
    }
}
