// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/handlerrules.h"

#include "calc/arithmetic.h"
#include "settings/mregistry.h"
#include "ui/userfeedback.h"

#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

void Refuse(UserFeedback& feedback, QWidget* window, const QString& message)
{
    feedback.beep();
    feedback.warn(window, message);
}

// The first widget after window in its tab order for which wanted is true.
template <typename Wanted> QWidget* FirstInTabOrder(QWidget* window, Wanted wanted)
{
    for (QWidget* widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain()) {
        if (wanted(widget))
            return widget;
    }
    return nullptr;
}

} // namespace

bool RequireFilled(UserFeedback& feedback, QWidget* window, const QList<const QLineEdit*>& boxes,
                   const char* message)
{
    QList<const QWidget*> empty;
    for (const QLineEdit* box : boxes) {
        if (box->text().isEmpty())
            empty << box;
    }
    if (empty.isEmpty())
        return true;
    Refuse(feedback, window, MessageText(message));
    // The boxes are checked in the order the calculation reads them, not the order they stand.
    if (QWidget* first = FirstInTabOrder(
            window, [&empty](const QWidget* widget) { return empty.contains(widget); }))
        first->setFocus(Qt::OtherFocusReason);
    return false;
}

void FocusFirstBox(QWidget* window)
{
    auto* box = qobject_cast<QLineEdit*>(FirstInTabOrder(window, [window](QWidget* widget) {
        auto* line = qobject_cast<QLineEdit*>(widget);
        return line != nullptr && !line->isReadOnly() && line->isEnabled() &&
               (line->focusPolicy() & Qt::TabFocus) != 0 && line->isVisibleTo(window);
    }));
    if (box == nullptr)
        return;
    // The window is not shown yet. The box hears of its focus when the window becomes active,
    // and that focus selects nothing, which would leave the cursor at the end of the text.
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
}

void RefuseNumber(UserFeedback& feedback, QWidget* window, QLineEdit* box)
{
    Refuse(feedback, window, NotANumberMessage(box->text()));
    box->setFocus();
    box->selectAll();
}

void RunHandler(UserFeedback& feedback, QWidget* window, const std::function<void()>& handler,
                const char* settingsFailure)
{
    try {
        handler();
    } catch (const calc::CalculationError& failure) {
        Refuse(feedback, window, CalculationMessage(failure.failure()));
    } catch (const SettingsError& failure) {
        feedback.beep();
        feedback.reportError(window, SettingsFailureMessage(settingsFailure, failure));
    }
}

void WireButton(UserFeedback& feedback, QWidget* window, QPushButton* button,
                const QList<QLineEdit*>& enterBoxes, const std::function<void()>& handler,
                const char* settingsFailure)
{
    QObject::connect(button, &QPushButton::clicked, window,
                     [&feedback, window, handler, settingsFailure] {
                         RunHandler(feedback, window, handler, settingsFailure);
                     });
    for (QLineEdit* box : enterBoxes)
        QObject::connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
}

} // namespace ui
