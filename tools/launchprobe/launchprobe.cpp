// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into a program with QT_PLUGIN_PATH=<build>/tools/launchprobe/plugins and
// QT_QPA_GENERIC_PLUGINS="launchprobe:<window title>". It waits for a shown window with that
// title, says so on standard output and closes it, as a user closing the window would; how
// the program then ends is its own. A window that never comes ends the program with code 3.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGenericPlugin>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

class Probe : public QObject
{
public:
    explicit Probe(const QString& title) : m_title(title), m_deadline(20000)
    {
        connect(&m_timer, &QTimer::timeout, this, &Probe::look);
        m_timer.start(50);
    }

private:
    void look()
    {
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->title() == m_title && window->isVisible() && window->isExposed()) {
                m_timer.stop();
                std::printf("launchprobe: shown \"%s\", %dx%d\n", qPrintable(m_title),
                            window->width(), window->height());
                std::fflush(stdout);
                window->close();
                return;
            }
        }
        if (m_deadline.hasExpired()) {
            m_timer.stop();
            std::printf("launchprobe: no window \"%s\" within 20 seconds\n", qPrintable(m_title));
            std::fflush(stdout);
            QCoreApplication::exit(3);
        }
    }

    QString m_title;
    QDeadlineTimer m_deadline;
    QTimer m_timer;
};

} // namespace

class LaunchProbe : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "launchprobe.json")

public:
    QObject* create(const QString& key, const QString& title) override
    {
        return key == QLatin1String("launchprobe") ? new Probe(title) : nullptr;
    }
};

#include "launchprobe.moc"
