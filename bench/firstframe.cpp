// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstframe.h"

#include <QApplication>
#include <QEvent>

#include <ctime>

std::int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

FirstFrameWatch::FirstFrameWatch(Done done) : m_done(std::move(done))
{
    qApp->installEventFilter(this);
}

void FirstFrameWatch::arm(const QWidget* ignored)
{
    m_ignored = ignored;
    m_armed = true;
}

bool FirstFrameWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (m_armed && event->type() == QEvent::Paint && watched->isWidgetType()) {
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window != m_ignored.data()) {
            m_armed = false;
            // The paint event arrives at the start of the pass; a queued call runs once the
            // whole window is painted and flushed.
            QPointer<QWidget> painted(window);
            QMetaObject::invokeMethod(
                this,
                [this, painted] {
                    const std::int64_t now = MonotonicNanoseconds();
                    m_done(painted.data(), now);
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}
