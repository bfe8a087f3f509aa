// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/userfeedback.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void Show(QMessageBox::Icon icon, QWidget* parent, const QString& message)
{
    QMessageBox box(icon, QStringLiteral("Poolwright"), message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void DesktopFeedback::beep()
{
    QApplication::beep();
}

void DesktopFeedback::warn(QWidget* parent, const QString& message)
{
    Show(QMessageBox::Warning, parent, message);
}

void DesktopFeedback::inform(QWidget* parent, const QString& message)
{
    Show(QMessageBox::Information, parent, message);
}

void DesktopFeedback::reportError(QWidget* parent, const QString& message)
{
    Show(QMessageBox::Critical, parent, message);
}
