#include "ui/calculatorwindow.h"

#include "ui/windowrules.h"

#include <QLineEdit>
#include <QPushButton>

void CalculatorWindow::setUpCalculator(std::initializer_list<QPushButton*> calculateButtons,
                                       std::initializer_list<QWidget*> outputs, bool withIcon)
{
    ui::SetUpWindow(this, withIcon);
    ui::MakeOutputBoxes(outputs);
    for (QPushButton* button : calculateButtons)
        connect(button, &QPushButton::clicked, this,
                [this, button] { ui::RunHandler(this, [this, button] { calculate(button); }); });

    // A window with several buttons ties each white box to its own button itself.
    if (calculateButtons.size() == 1) {
        QList<QLineEdit*> whiteBoxes = findChildren<QLineEdit*>();
        whiteBoxes.removeIf([](const QLineEdit* box) { return box->isReadOnly(); });
        ui::PressOnEnter(whiteBoxes, *calculateButtons.begin());
    }
}
