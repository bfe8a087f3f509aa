// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

// Nanoseconds on the monotonic clock, which a parent process reads the same way.
std::int64_t MonotonicNanoseconds();

// Tells when a top-level window has put its first frame on screen: after the paint pass that
// delivered its first paint event has finished and been flushed. Watches every widget of the
// application through an event filter and changes nothing it sees.
class FirstFrameWatch : public QObject
{
public:
    using Done = std::function<void(QWidget* window, std::int64_t nanoseconds)>;

    explicit FirstFrameWatch(Done done);

    // Waits for the next window, other than ignored, to paint.
    void arm(const QWidget* ignored = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Done m_done;
    bool m_armed = false;
    QPointer<const QWidget> m_ignored;
};
