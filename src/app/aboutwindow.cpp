#include "app/aboutwindow.h"

#include "ui/windowrules.h"
#include "ui_aboutwindow.h"

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent), m_ui(new Ui::Form2)
{
    m_ui->setupUi(this);
    ui::SetUpWindow(this);
    ui::SetFont(m_ui->Label1, 18, true, true);
}

AboutWindow::~AboutWindow() = default;
