// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/usermessages.h"

#include "settings/mregistry.h"
#include "ui/settingsmessages.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstdint>

// The translation context of the warnings.
class Messages
{
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

namespace ui {

namespace {

QString ErrorNumberText(std::int32_t number)
{
    const QString hex = QString::number(static_cast<std::uint32_t>(number), 16).toUpper();
    return Messages::tr("Error number %1 (0x%2)").arg(number).arg(hex);
}

} // namespace

QString MessageText(const char* message)
{
    return QCoreApplication::translate("Messages", message);
}

QString NotANumberMessage(const QString& text)
{
    const QString shown = text.trimmed();
    if (text.isEmpty())
        return Messages::tr("A white box is empty. Please fill in a number before hitting "
                            "calculate!");
    if (shown.isEmpty())
        return Messages::tr("A box holds only blanks, which is not a number. Please enter a "
                            "number before hitting calculate!");
    constexpr int kLongest = 24;
    const QString quoted = shown.size() > kLongest ? shown.left(kLongest) + QChar(0x2026) : shown;
    return Messages::tr("\"%1\" is not a number. Please enter a number before hitting "
                        "calculate!")
        .arg(quoted);
}

QString CalculationMessage(calc::Failure failure)
{
    switch (failure) {
    case calc::Failure::PoolSizeZero:
        return Messages::tr("The pool size may not be 0.");
    case calc::Failure::StrengthZero:
        return Messages::tr("The bleach required cannot be worked out for a chlorine strength "
                            "of 0.");
    case calc::Failure::RefillReadsAsPool:
        return Messages::tr("The share to drain cannot be worked out when the refill water "
                            "reads the same as the pool.");
    case calc::Failure::TooLarge:
        return Messages::tr("The result is too large to be worked out. Please check the "
                            "figures in the white boxes.");
    }
    Q_UNREACHABLE();
    return QString();
}

QString SettingsFailureMessage(const char* heading, const SettingsError& failure)
{
    QString message = MessageText(heading) + QLatin1String("\n\n") +
                      SettingsFaultText(failure.fault()) + QLatin1Char('\n') +
                      ErrorNumberText(failure.number());
    const QString details = SettingsFailureDetails(failure);
    if (!details.isEmpty())
        message += QLatin1String("\n\n") + details;
    return message;
}

} // namespace ui
