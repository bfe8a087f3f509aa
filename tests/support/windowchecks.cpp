// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowchecks.h"

#include "ui/windowkeeper.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QTest>
#include <QWidget>

QString MisplacedControls(const QWidget* window, const QList<Place>& places)
{
    QStringList wrong;
    for (const Place& place : places) {
        const auto* control = window->findChild<const QWidget*>(QString::fromLatin1(place.name));
        const QRect expected(qRound(place.left / 15.0), qRound(place.top / 15.0),
                             qRound(place.width / 15.0), qRound(place.height / 15.0));
        if (control == nullptr)
            wrong << QStringLiteral("%1 missing").arg(QLatin1String(place.name));
        else if (control->geometry() != expected)
            wrong << QStringLiteral("%1 at %2,%3 %4x%5, expected %6,%7 %8x%9")
                         .arg(QLatin1String(place.name))
                         .arg(control->x())
                         .arg(control->y())
                         .arg(control->width())
                         .arg(control->height())
                         .arg(expected.x())
                         .arg(expected.y())
                         .arg(expected.width())
                         .arg(expected.height());
    }
    return wrong.join(QLatin1String("; "));
}

QStringList TabOrder(QWidget* window, QWidget* start, int count)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {QStringLiteral("window not active")};
    start->setFocus(Qt::TabFocusReason);
    QStringList visited{start->objectName()};
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                : QStringLiteral("(none)"));
    }
    return visited;
}

void CloseEveryWindow(WindowKeeper& keeper)
{
    keeper.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool IsGrey(const QWidget* box)
{
    return box->palette().color(QPalette::Base) == QColor(192, 192, 192);
}
