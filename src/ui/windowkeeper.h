// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class UserFeedback;

// Every kind of window. The order means nothing: the program's table of windows
// (app/windowcatalog.cpp) says which there are and in what order.
enum class WindowKind
{
    Main,
    About,
    Alkalinity,
    CalciumHardness,
    CyanuricAcid,
    Ph,
    Dilution,
    Borax,
    PoolVolume,
    Salt,
    Settings,
    SaturationIndex,
    // Not a window: how many kinds there are, so that the table of windows can be checked to
    // have a row for each.
    Count,
};

// A window that fills itself when it opens (from the settings, mostly).
class LoadStep
{
public:
    virtual ~LoadStep() = default;
    virtual void load() = 0;
};

// Keeps at most one window of each kind. A window is made and loaded on first use and opens
// with its first box's text selected; it is raised unchanged while it is open, and discarded with
// its typed text when it closes. The keeper tells when its last window has closed, so the program
// can end then and not while the Settings window is swapping the other windows out.
class WindowKeeper : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<QWidget*()>;

    // Failures of a window's load step are shown through feedback.
    explicit WindowKeeper(UserFeedback& feedback) : m_feedback(feedback) {}

    void setFactory(WindowKind kind, Factory factory);
    bool canMake(WindowKind kind) const { return factory(kind) != nullptr; }

    // Shows the window of kind, making and loading it first if it is not open.
    QWidget* show(WindowKind kind);
    void close(WindowKind kind);
    // Close every window, or every window but keep, in the order their factories were set.
    void closeAll();
    void closeAllExcept(WindowKind keep);

    QWidget* openWindow(WindowKind kind) const;
    int openCount() const;

Q_SIGNALS:
    void lastWindowClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Factory* factory(WindowKind kind) const;
    void closeOthers(std::optional<WindowKind> keep);

    UserFeedback& m_feedback;
    // In the order they were set, which is the order windows are closed in.
    std::vector<std::pair<WindowKind, Factory>> m_factories;
    std::map<WindowKind, QPointer<QWidget>> m_open;
};
