// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dilutionwindow.h"

#include "calc/dilution.h"
#include "ui/captions.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui_dilutionwindow.h"

DilutionWindow::DilutionWindow(const WindowServices& services, QWidget* parent)
    : CalculatorWindow(services, parent), m_ui(new Ui::Form7)
{
    m_ui->setupUi(this);
    setUpCalculator({m_ui->txtPercDrain, m_ui->txtVolDrain});
    ui::WireButton(m_services.feedback, this, m_ui->Command1,
                   {m_ui->txtGal, m_ui->txtPr, m_ui->txtSr, m_ui->txtFr}, [this] { calculate(); });
    ui::NameByCaptions({{m_ui->txtGal, m_ui->Label1},
                        {m_ui->txtPr, m_ui->Label3},
                        {m_ui->txtSr, m_ui->Label4},
                        {m_ui->txtFr, m_ui->Label5},
                        {m_ui->txtPercDrain, m_ui->Label6},
                        {m_ui->txtVolDrain, m_ui->Label7}});
    // The share is a fraction although its caption says percentage.
    describeBoxes(
        {ui::PoolSizeTip(m_ui->txtGal),
         {m_ui->txtPr, "The pool water's test reading of what is too high, in ppm."},
         {m_ui->txtSr, "The refill water's test reading of the same, in ppm."},
         {m_ui->txtFr, "The reading you want after draining and refilling, in ppm."},
         {m_ui->txtPercDrain, "The share of the pool to drain and refill, as a fraction: 0.44 "
                              "means 44 % of the pool."},
         {m_ui->txtVolDrain, "The water to drain and refill, in US gallons.",
          "The water to drain and refill, in litres."}});
    ui::SetHeadingFont(m_ui->Label2, 18, ui::Slant::Italic);
}

DilutionWindow::~DilutionWindow() = default;

void DilutionWindow::load()
{
    // The pool size is read before the unit system; a failure of one does not stop the other.
    m_ui->txtGal->setText(storedPoolSize());
    showUnitCaptions({ui::PoolSizeCaption(m_ui->Label1)});
}

void DilutionWindow::calculate()
{
    // The same in both unit systems, so no setting is read here. The boxes are checked from the
    // wanted reading back, and the pool's reading is read first.
    if (!requireFilled({m_ui->txtFr, m_ui->txtSr, m_ui->txtPr, m_ui->txtGal},
                       ui::kFillAllWhiteBoxes))
        return;
    const double pool = ui::BoxNumber(m_ui->txtPr);
    const double wanted = ui::BoxNumber(m_ui->txtFr);
    const double refill = ui::BoxNumber(m_ui->txtSr);
    // The share is written before the pool size is read: a pool size that is no number
    // leaves the new share shown beside the volume of the previous press.
    ui::ShowResult(m_ui->txtPercDrain, calc::NumberText(calc::DrainFraction(pool, refill, wanted)));
    const calc::Drain drain =
        calc::DilutionDrain(ui::BoxNumber(m_ui->txtGal), pool, refill, wanted);
    ui::ShowResult(m_ui->txtVolDrain, calc::NumberText(drain.volume));
}
