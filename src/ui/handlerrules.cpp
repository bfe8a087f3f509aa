// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/handlerrules.h"

#include "calc/arithmetic.h"
#include "calc/conversions.h"
#include "settings/mregistry.h"
#include "ui/userfeedback.h"

#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

// Raised by BoxNumber and caught by RunHandler only.
struct NotANumber
{
    QLineEdit* box;
};

void Refuse(UserFeedback& feedback, QWidget* window, const QString& message)
{
    feedback.beep();
    feedback.warn(window, message);
}

QString NotANumberMessage(const QString& text)
{
    const QString shown = text.trimmed();
    if (text.isEmpty())
        return QStringLiteral("A white box is empty. Please fill in a number before hitting "
                              "calculate!");
    if (shown.isEmpty())
        return QStringLiteral("A box holds only blanks, which is not a number. Please enter a "
                              "number before hitting calculate!");
    constexpr int kLongest = 24;
    const QString quoted = shown.size() > kLongest ? shown.left(kLongest) + QChar(0x2026) : shown;
    return QStringLiteral("\"%1\" is not a number. Please enter a number before hitting "
                          "calculate!")
        .arg(quoted);
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

QString ErrorNumberText(std::int32_t number)
{
    const QString hex = QString::number(static_cast<std::uint32_t>(number), 16).toUpper();
    return QStringLiteral("Error number %1 (0x%2)").arg(number).arg(hex);
}

} // namespace

void PressOnEnter(const QList<QLineEdit*>& boxes, QPushButton* button)
{
    for (QLineEdit* box : boxes)
        QObject::connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
}

bool RequireFilled(UserFeedback& feedback, QWidget* window, std::initializer_list<const QLineEdit*> boxes,
                   const char* message)
{
    QList<const QWidget*> empty;
    for (const QLineEdit* box : boxes) {
        if (box->text().isEmpty())
            empty << box;
    }
    if (empty.isEmpty())
        return true;
    Refuse(feedback, window, QString::fromUtf8(message));
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

double BoxNumber(QLineEdit* box)
{
    const std::optional<double> number = calc::ParseNumber(box->text());
    if (!number)
        throw NotANumber{box};
    return *number;
}

void RunHandler(UserFeedback& feedback, QWidget* window, const std::function<void()>& handler,
                const QString& settingsFailure)
{
    try {
        handler();
    } catch (const NotANumber& failure) {
        Refuse(feedback, window, NotANumberMessage(failure.box->text()));
        failure.box->setFocus();
        failure.box->selectAll();
    } catch (const calc::CalculationError& failure) {
        Refuse(feedback, window, QString::fromStdString(failure.what()));
    } catch (const SettingsError& failure) {
        feedback.beep();
        QString message = settingsFailure + QLatin1String("\n\n") +
                          QString::fromStdString(failure.description()) + QLatin1Char('\n') +
                          ErrorNumberText(failure.number());
        if (!failure.cause().empty())
            message += QLatin1String("\n\n") + QString::fromStdString(failure.cause());
        feedback.reportError(window, message);
    }
}

void WireButton(UserFeedback& feedback, QWidget* window, QPushButton* button,
                const QList<QLineEdit*>& enterBoxes, const std::function<void()>& handler,
                const QString& settingsFailure)
{
    QObject::connect(button, &QPushButton::clicked, window,
                     [&feedback, window, handler, settingsFailure] {
                         RunHandler(feedback, window, handler, settingsFailure);
                     });
    PressOnEnter(enterBoxes, button);
}

} // namespace ui
