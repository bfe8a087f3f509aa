// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/keptwindows.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

class LoadStep;

// Drives one window as a user would, with its settings in a temporary folder and its beeps
// and messages recorded: store the settings, open (load) the window, type, press, read.
class WindowDriver
{
public:
    using Make = std::function<std::unique_ptr<QWidget>(const WindowServices&)>;

    // Stores "UOM" (and "PoolSize" when given), then makes the window and loads it.
    WindowDriver(const Make& make, const QString& uom, const QString& poolSize = QString());

    QWidget* window() const { return m_window.get(); }
    RecordingFeedback& feedback() { return m_kept.feedback; }
    TemporarySettings& settings() { return m_kept.settings; }
    const WindowServices& services() const { return m_kept.services; }

    // The text of a text box, multi-line box or label.
    QString text(const char* name) const;
    // Replaces a box's text by typing, or sets it directly (for grey output boxes).
    void type(const char* name, const QString& text);
    void setText(const char* name, const QString& text);
    void press(const char* button = "Command1");
    // Presses button where the press must be refused: gives the one warning it showed with its
    // beep, or else what happened instead (no beep, other messages, a box that changed).
    QString pressRefused(const char* button = "Command1");
    // Types text into each box of "name=text|name=text".
    void typeEach(const QString& boxes);
    // Types texts[i] into boxes[i].
    void typeInto(const QList<const char*>& boxes, const QStringList& texts);

    // name=text of every text box, to check that a refused press changed nothing.
    QStringList boxTexts() const;

private:
    KeptWindows m_kept;
    std::unique_ptr<QWidget> m_window;
};

// The pairs of "name=text|name=text", in their order.
QList<std::pair<QByteArray, QString>> BoxPairs(const QString& boxes);

// Makes a new Window with the services it is given.
template <typename Window> std::unique_ptr<QWidget> Make(const WindowServices& services)
{
    return std::make_unique<Window>(services);
}

// A new Window, loaded with "UOM" (and "PoolSize" when given) stored.
template <typename Window>
std::unique_ptr<WindowDriver> Drive(const QString& uom, const QString& poolSize = QString())
{
    return std::make_unique<WindowDriver>(&Make<Window>, uom, poolSize);
}
