// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowkeeper.h"

#include "ui/handlerrules.h"

#include <QEvent>

#include <algorithm>
#include <vector>

void WindowKeeper::setFactory(WindowKind kind, Factory factory)
{
    const auto same = [kind](const auto& entry) { return entry.first == kind; };
    const auto old = std::find_if(m_factories.begin(), m_factories.end(), same);
    if (old != m_factories.end())
        old->second = std::move(factory);
    else
        m_factories.emplace_back(kind, std::move(factory));
}

const WindowKeeper::Factory* WindowKeeper::factory(WindowKind kind) const
{
    for (const auto& [each, make] : m_factories)
        if (each == kind)
            return &make;
    return nullptr;
}

QWidget* WindowKeeper::show(WindowKind kind)
{
    QWidget* window = openWindow(kind);
    if (window == nullptr) {
        const Factory* make = factory(kind);
        if (make == nullptr)
            return nullptr;
        window = (*make)();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(this);
        m_open[kind] = window;
        if (auto* loadStep = dynamic_cast<LoadStep*>(window))
            ui::RunHandler(m_feedback, window, [loadStep] { loadStep->load(); });
        ui::FocusFirstBox(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void WindowKeeper::close(WindowKind kind)
{
    if (QWidget* window = openWindow(kind))
        window->close();
}

void WindowKeeper::closeAll()
{
    closeOthers(std::nullopt);
}

void WindowKeeper::closeAllExcept(WindowKind keep)
{
    closeOthers(keep);
}

void WindowKeeper::closeOthers(std::optional<WindowKind> keep)
{
    // Closing a window takes it out of m_open, so the ones to close are gathered first.
    std::vector<QPointer<QWidget>> others;
    for (const auto& entry : m_factories) {
        QWidget* window = openWindow(entry.first);
        if (entry.first != keep && window != nullptr)
            others.push_back(window);
    }
    for (const QPointer<QWidget>& window : others) {
        if (window)
            window->close();
    }
}

QWidget* WindowKeeper::openWindow(WindowKind kind) const
{
    const auto open = m_open.find(kind);
    return open == m_open.end() ? nullptr : open->second.data();
}

int WindowKeeper::openCount() const
{
    return static_cast<int>(
        std::count_if(m_open.begin(), m_open.end(), [](const auto& open) { return open.second; }));
}

bool WindowKeeper::eventFilter(QObject* watched, QEvent* event)
{
    // No window refuses to close, so a close event is the end of the window: it is forgotten
    // at once (its deletion follows later) and the next choice of its kind makes a new one.
    if (event->type() == QEvent::Close) {
        std::erase_if(m_open, [watched](const auto& open) { return open.second == watched; });
        if (openCount() == 0)
            Q_EMIT lastWindowClosed();
    }
    return QObject::eventFilter(watched, event);
}
