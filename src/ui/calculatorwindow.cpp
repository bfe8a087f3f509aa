#include "ui/calculatorwindow.h"

#include "ui/windowrules.h"

#include <QPushButton>

void CalculatorWindow::setUpCalculator(std::initializer_list<QPushButton*> calculateButtons,
                                       std::initializer_list<QWidget*> outputs, bool withIcon)
{
    ui::SetUpWindow(this, withIcon);
    ui::MakeOutputBoxes(outputs);
    for (QPushButton* button : calculateButtons)
        connect(button, &QPushButton::clicked, this,
                [this, button] { ui::RunHandler(this, [this, button] { calculate(button); }); });
}
