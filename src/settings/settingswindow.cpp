#include "settings/settingswindow.h"

#include "settings/defaults.h"
#include "ui/userfeedback.h"
#include "ui/windowrules.h"
#include "ui_settingswindow.h"

SettingsWindow::SettingsWindow(QWidget* parent) : QWidget(parent), m_ui(new Ui::Form11)
{
    m_ui->setupUi(this);
    ui::SetUpWindow(this);
    ui::SetFont(m_ui->Label2, 13.5, true, false);
    connect(m_ui->Command1, &QPushButton::clicked, this, [this] {
        ui::RunHandler(this, [this] { saveAndClose(); },
                       QStringLiteral("The settings could not be saved. What you typed is kept, "
                                      "so you can try again."));
    });
    ui::PressOnEnter({m_ui->txtPoolSize, m_ui->txtBleachStrength}, m_ui->Command1);
    ui::NameByCaptions({{m_ui->txtPoolSize, m_ui->Label1},
                        {m_ui->txtBleachStrength, m_ui->Label3}});
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::load()
{
    // Whatever was typed into the other windows is discarded with them.
    WindowKeeper::instance().closeAllExcept(WindowKind::Settings);
    m_ui->txtPoolSize->setFocus();

    m_ui->txtPoolSize->setText(defaults::Read(defaults::kPoolSize));
    m_ui->txtBleachStrength->setText(
        defaults::Read(defaults::kBleachStrength, m_ui->txtBleachStrength->text()));
    const bool imperial =
        ui::ReadUnitSystem() == calc::UnitSystem::Imperial;
    (imperial ? m_ui->optImperial : m_ui->optMetric)->setChecked(true);
}

void SettingsWindow::saveAndClose()
{
    // The values go in as typed; a failing write stops here and leaves the window as it is.
    defaults::WriteAll(m_ui->txtPoolSize->text(), m_ui->txtBleachStrength->text(),
                       m_ui->optImperial->isChecked() ? QStringLiteral("Imperial")
                                                      : QStringLiteral("Metric"));
    const QString notice = defaults::TakeStoreNotice();
    if (!notice.isEmpty())
        Feedback().inform(this, notice);
    WindowKeeper::instance().show(WindowKind::Main);
    close();
}
