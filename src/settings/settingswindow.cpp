// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingswindow.h"

#include "settings/defaults.h"
#include "settings/mregistry.h"
#include "ui/handlerrules.h"
#include "ui/programlook.h"
#include "ui/settingsmessages.h"
#include "ui/userfeedback.h"
#include "ui/usermessages.h"
#include "ui/windowbehaviour.h"
#include "ui_settingswindow.h"

#include <optional>

namespace {

// What saving writes of a box: nullopt keeps a value that could not be read as it is stored,
// unless the user typed over it.
std::optional<QString> ValueToSave(const QLineEdit* box, bool read)
{
    if (!read && !box->isModified())
        return std::nullopt;
    return box->text();
}

} // namespace

SettingsWindow::SettingsWindow(const WindowServices& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_ui(new Ui::Form11)
{
    m_ui->setupUi(this);
    ui::SetUpWindow(this);
    ui::SetHeadingFont(m_ui->Label2, 13.5);
    ui::WireButton(
        m_services.feedback, this, m_ui->Command1, {m_ui->txtPoolSize, m_ui->txtBleachStrength},
        [this] { saveAndClose(); }, ui::kSettingsNotSaved);
    ui::NameBoxes(this, boxes());
    describeBoxes();
    connect(m_ui->optImperial, &QRadioButton::toggled, this, &SettingsWindow::describeBoxes);
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::load()
{
    // Whatever was typed into the other windows is discarded with them.
    m_services.keeper.closeAllExcept(WindowKind::Settings);
    m_ui->txtPoolSize->setFocus();

    // Each value is read on its own: one that cannot be read leaves its box or buttons as they
    // were made, and costs none of the others. The first failure is reported.
    using enum defaults::Default;
    const defaults::Snapshot snapshot =
        defaults::ReadDefaults(m_services.store, {PoolSize, BleachStrength, UnitSystem},
                               defaults::OnFailure::ReadTheRest, m_ui->txtBleachStrength->text());
    m_poolSizeRead = snapshot.poolSize.has_value();
    if (snapshot.poolSize)
        m_ui->txtPoolSize->setText(*snapshot.poolSize);
    m_bleachStrengthRead = snapshot.bleachStrength.has_value();
    if (snapshot.bleachStrength)
        m_ui->txtBleachStrength->setText(*snapshot.bleachStrength);
    if (snapshot.unitSystem)
        (*snapshot.unitSystem == calc::UnitSystem::Imperial ? m_ui->optImperial : m_ui->optMetric)
            ->setChecked(true);
    if (snapshot.firstFailure)
        throw *snapshot.firstFailure;
}

const std::vector<ui::Box>& SettingsWindow::boxes()
{
    // The pool size is in the unit of the option chosen, which is what saving stores.
    static const std::vector<ui::Box> boxes{
        {"txtPoolSize",
         ui::Role::Input,
         "Label1",
         {QT_TR_NOOP("The pool size the calculators start with, in US gallons while Imperial is "
                     "chosen below. It is kept as typed: choosing Metric does not convert it, so "
                     "type the size in litres then."),
          QT_TR_NOOP("The pool size the calculators start with, in litres while Metric is chosen "
                     "below. It is kept as typed: choosing Imperial does not convert it, so type "
                     "the size in US gallons then.")}},
        {"txtBleachStrength",
         ui::Role::Input,
         "Label3",
         {QT_TR_NOOP("The chlorine strength of your bleach, in percent, that the main window "
                     "starts with: for 6 % bleach type 6.")}}};
    return boxes;
}

void SettingsWindow::describeBoxes()
{
    ui::ShowBoxTips(this, boxes(),
                    m_ui->optImperial->isChecked() ? calc::UnitSystem::Imperial
                                                   : calc::UnitSystem::Metric,
                    metaObject()->className());
}

void SettingsWindow::saveAndClose()
{
    // Only a unit of measure that could not be read leaves both buttons unchosen.
    if (!m_ui->optImperial->isChecked() && !m_ui->optMetric->isChecked()) {
        m_services.feedback.beep();
        m_services.feedback.warn(this, ui::MessageText(ui::kChooseUnit));
        return;
    }
    // The values go in as typed; a failing write stops here and leaves the window as it is.
    defaults::WriteAll(m_services.store, ValueToSave(m_ui->txtPoolSize, m_poolSizeRead),
                       ValueToSave(m_ui->txtBleachStrength, m_bleachStrengthRead),
                       m_ui->optImperial->isChecked() ? calc::UnitSystem::Imperial
                                                      : calc::UnitSystem::Metric);
    const QString notice = ui::StoreNoticeText(defaults::TakeStoreNotice(m_services.store));
    if (!notice.isEmpty())
        m_services.feedback.inform(this, notice);
    m_services.keeper.show(WindowKind::Main);
    close();
}
