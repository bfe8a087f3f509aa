// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/phwindow.h"

#include "calc/ph.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_phwindow.h"

PhWindow::PhWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form6)
{
    m_ui->setupUi(this);
    setUpCalculator({m_ui->txtNa2CO3, m_ui->txtNaHSO4, m_ui->txtHCl});
    ui::WireButton(m_services.feedback, this, m_ui->Command1, {m_ui->txtGal},
                   [this] { calculate(); });
    ui::NameByCaptions({{m_ui->txtGal, m_ui->Label2},
                        {m_ui->txtNa2CO3, m_ui->Label5},
                        {m_ui->txtNaHSO4, m_ui->Label8},
                        {m_ui->txtHCl, m_ui->Label9}});
    // Each acid's dose moves the pH the whole step on its own.
    describeBoxes(
        {ui::PoolSizeTip(m_ui->txtGal),
         {m_ui->txtNa2CO3,
          "Sodium carbonate (soda ash) that raises the pH by 0.2, in ounces by weight.",
          "Sodium carbonate (soda ash) that raises the pH by 0.2, in grams."},
         {m_ui->txtNaHSO4,
          "Sodium bisulfate (dry acid) that lowers the pH by 0.2, in ounces by weight. Add this or "
          "the muriatic acid, not both.",
          "Sodium bisulfate (dry acid) that lowers the pH by 0.2, in grams. Add this or the "
          "muriatic acid, not both."},
         {m_ui->txtHCl,
          "Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in US fluid "
          "ounces. Add this or the dry acid, not both.",
          "Muriatic acid of 31 % (sold as 31.45 %) that lowers the pH by 0.2, in millilitres. "
          "Add this or the dry acid, not both."}});
    ui::SetHeadingFont(m_ui->Label1, 18, ui::Slant::Italic);
    ui::SetHeadingFont(m_ui->Label3, 8.25);
    ui::SetHeadingFont(m_ui->Label7, 8.25);
}

PhWindow::~PhWindow() = default;

void PhWindow::load()
{
    // The pool size is read before the unit system; a failure of one does not stop the other.
    m_ui->txtGal->setText(storedPoolSize());
    // The soda ash caption has no point after "Oz"; the acids' captions have one.
    showUnitCaptions(
        {ui::PoolSizeCaption(m_ui->Label2),
         {m_ui->Label5, "Sodium Carbonate (Oz)", "Sodium Carbonate (g)"},
         {m_ui->Label8, "Sodium Bisulfate (dry acid) (Oz.)", "Sodium Bisulfate (dry acid) (g)"},
         {m_ui->Label9, "Muriatic Acid 31% (Oz.)", "Muriatic Acid 31% (ml)"}});
}

void PhWindow::calculate()
{
    // The box is checked before the unit system is read.
    if (!requireFilled({m_ui->txtGal}, ui::kFillAllWhiteBoxes))
        return;
    const calc::UnitSystem units = storedUnitSystem();
    const calc::PhDoses doses = calc::PhAdjustmentDoses(ui::BoxNumber(m_ui->txtGal), units);
    ui::ShowResult(m_ui->txtNa2CO3, calc::NumberText(doses.sodiumCarbonate));
    ui::ShowResult(m_ui->txtNaHSO4, calc::NumberText(doses.sodiumBisulfate));
    ui::ShowResult(m_ui->txtHCl, calc::NumberText(doses.muriaticAcid));
}
