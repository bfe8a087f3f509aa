// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/saltwindow.h"

#include "calc/arithmetic.h"
#include "calc/salt.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_saltwindow.h"

#include <optional>

SaltWindow::SaltWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form10)
{
    m_ui->setupUi(this);
    setUpCalculator({m_ui->txtPPMup, m_ui->txtLbsNeeded});
    ui::WireButton(m_services.feedback, this, m_ui->Command1,
                   {m_ui->txtGal, m_ui->txtSalt, m_ui->txtPPMInc}, [this] { calculate(); });
    ui::NameByCaptions({{m_ui->txtGal, m_ui->Label1},
                        {m_ui->txtSalt, m_ui->Label2},
                        {m_ui->txtPPMInc, m_ui->Label3},
                        {m_ui->txtPPMup, m_ui->Label5},
                        {m_ui->txtLbsNeeded, m_ui->Label6}});
    describeBoxes(
        {ui::PoolSizeTip(m_ui->txtGal),
         {m_ui->txtSalt, "An amount of salt, in pounds: Calculate gives the rise in salt it makes.",
          "An amount of salt, in kilograms: Calculate gives the rise in salt it makes."},
         {m_ui->txtPPMInc, "The rise in salt you want, in ppm: Calculate gives the salt it takes."},
         {m_ui->txtPPMup, "The rise in salt, in ppm, that the amount of salt makes."},
         {m_ui->txtLbsNeeded, "Salt to add, in pounds.", "Salt to add, in kilograms."}});
    ui::SetHeadingFont(m_ui->Label8, 13.5, ui::Slant::Italic);
    ui::SetHeadingFont(m_ui->Label4, 12);
}

SaltWindow::~SaltWindow() = default;

void SaltWindow::load()
{
    // The unit system first, then the pool size.
    showUnitCaptions({ui::PoolSizeCaption(m_ui->Label1),
                      {m_ui->Label2, "Pounds of salt", "Kilos of salt"},
                      {m_ui->Label6, "Pounds of salt needed", "Kilos of salt needed"}});
    m_ui->txtGal->setText(storedPoolSize());
}

void SaltWindow::calculate()
{
    // The unit system is read before the pool size is checked, as in the main window.
    const calc::UnitSystem units = storedUnitSystem();
    if (!requireFilled({m_ui->txtGal}, ui::kFillPpmIncrease))
        return;

    // Both directions are worked out before either box is written, so that a failure in the
    // second leaves the first unchanged too. A direction whose box is empty is skipped.
    std::optional<QString> rise;
    if (!m_ui->txtSalt->text().isEmpty()) {
        const double ppm =
            calc::SaltPpmRise(ui::BoxNumber(m_ui->txtSalt), ui::BoxNumber(m_ui->txtGal), units);
        rise = calc::NumberText(calc::RoundHalfEven(ppm, 1));
    }
    std::optional<QString> needed;
    if (!m_ui->txtPPMInc->text().isEmpty()) {
        const double salt =
            calc::SaltRequired(ui::BoxNumber(m_ui->txtPPMInc), ui::BoxNumber(m_ui->txtGal), units);
        needed = calc::NumberText(calc::RoundHalfEven(salt, 1));
    }
    if (rise)
        ui::ShowResult(m_ui->txtPPMup, *rise);
    if (needed)
        ui::ShowResult(m_ui->txtLbsNeeded, *needed);
}
