#pragma once

#include "ui/windowkeeper.h"
#include "ui/windowservices.h"

#include <QWidget>

#include <initializer_list>

class QPushButton;

// What the calculator windows of the "More Calcs" menu share: a fixed size and the pool icon,
// grey output boxes, and a Calculate button whose press runs calculate() under RunHandler, as
// does Enter in a white box.
// A window states only its own boxes, captions, messages and formulas.
class CalculatorWindow : public QWidget, public LoadStep
{
    Q_OBJECT

protected:
    CalculatorWindow(const WindowServices& services, QWidget* parent)
        : QWidget(parent), m_services(services)
    {
    }

    // Called once the form is set up. With one button, Enter in any white box presses it.
    void setUpCalculator(std::initializer_list<QPushButton*> calculateButtons,
                         std::initializer_list<QWidget*> outputs, bool withIcon = true);

    // The press of one of the Calculate buttons.
    virtual void calculate(QPushButton* button) = 0;

    const WindowServices m_services;
};
