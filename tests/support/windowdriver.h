#pragma once

#include "support/recordingfeedback.h"
#include "support/temporarysettings.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class LoadStep;

// Drives one window as a user would, with its settings in a temporary folder and its beeps
// and messages recorded: store the settings, open (load) the window, type, press, read.
class WindowDriver
{
public:
    // Stores "UOM" (and "PoolSize" when given) before the window is made and loaded.
    WindowDriver(std::unique_ptr<QWidget> window, const QString& uom,
                 const QString& poolSize = QString());

    QWidget* window() const { return m_window.get(); }
    RecordingFeedback& feedback() { return m_feedback; }
    TemporarySettings& settings() { return m_settings; }

    // The text of a text box, multi-line box or label.
    QString text(const char* name) const;
    // Replaces a box's text by typing, or sets it directly (for grey output boxes).
    void type(const char* name, const QString& text);
    void setText(const char* name, const QString& text);
    void press(const char* button = "Command1");

    // name=text of every text box, to check that a refused press changed nothing.
    QStringList boxTexts() const;

private:
    TemporarySettings m_settings;
    RecordingFeedback m_feedback;
    std::unique_ptr<QWidget> m_window;
};

// A new Window, loaded with "UOM" (and "PoolSize" when given) stored.
template <typename Window>
std::unique_ptr<WindowDriver> Drive(const QString& uom, const QString& poolSize = QString())
{
    return std::make_unique<WindowDriver>(std::make_unique<Window>(), uom, poolSize);
}
