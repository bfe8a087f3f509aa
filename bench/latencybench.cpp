// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// In-process latencies of Poolwright, started as a user starts it: every "More Calcs" entry
// from its choice to the new window's first frame, and every Calculate button from its press
// to the outputs written. Prints medians and spread; never fails on a time.
// Usage: poolwright_bench_latency [--presses N] [--opens N]
#include "app/startup.h"
#include "app/windowcatalog.h"
#include "firstframe.h"
#include "stats.h"
#include "support/samplereadings.h"
#include "ui/userfeedback.h"
#include "ui/windowkeeper.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// A refused press would otherwise wait on a modal box; here it is counted as a failure.
class CountingFeedback : public UserFeedback
{
public:
    void beep() override { ++complaints; }
    void warn(QWidget*, const QString&) override { ++complaints; }
    void inform(QWidget*, const QString&) override {}
    void reportError(QWidget*, const QString&) override { ++complaints; }
    int complaints = 0;
};

// One press of a window's button with valid readings, taken from the tests' sample readings so
// that every press writes its outputs.
struct Calculator
{
    QByteArray name; // window and button: "volume Command2"
    WindowKind kind;
    Sample sample;
};

// The offscreen platform says at every window that it cannot raise it; that is no news here.
void QuietAboutThePlatform(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

double Milliseconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

int ArgumentValue(int argc, char* argv[], const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

// Waits for the first frame of the window that action (or open) brings up; the time from
// the choice to that frame, in milliseconds, or nothing after two seconds.
class Opener
{
public:
    Opener()
        : m_watch([this](QWidget* window, std::int64_t nanoseconds) {
              m_window = window;
              m_frame = nanoseconds;
              m_loop.quit();
          })
    {
    }

    std::optional<double> open(const std::function<void()>& choose, const QWidget* ignored)
    {
        m_window = nullptr;
        m_frame = 0;
        m_watch.arm(ignored);
        const std::int64_t chosen = MonotonicNanoseconds();
        choose();
        if (m_frame == 0) {
            QTimer::singleShot(2000, &m_loop, &QEventLoop::quit);
            m_loop.exec();
        }
        if (m_frame == 0)
            return std::nullopt;
        return static_cast<double>(m_frame - chosen) / 1e6;
    }

private:
    FirstFrameWatch m_watch;
    QEventLoop m_loop;
    QWidget* m_window = nullptr;
    std::int64_t m_frame = 0;
};

void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void PrintHeader(const char* unit)
{
    std::printf("  %-28s %8s %8s %8s %8s %8s %8s   (%s)\n", "", "first", "median", "p25", "p75",
                "min", "max", unit);
}

void PrintRow(const char* name, double first, const Summary& s, int decimals)
{
    std::printf("  %-28s %8.*f %8.*f %8.*f %8.*f %8.*f %8.*f\n", name, decimals, first, decimals,
                s.median, decimals, s.p25, decimals, s.p75, decimals, s.min, decimals, s.max);
}

} // namespace

int main(int argc, char* argv[])
{
    const int presses = ArgumentValue(argc, argv, "--presses", 1000);
    const int opens = ArgumentValue(argc, argv, "--opens", 20);

    // Settings of its own unless the caller already gave some.
    QTemporaryDir ownSettings;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        QDir(ownSettings.path()).mkpath(QStringLiteral("Poolwright"));
        QFile ini(ownSettings.path() + QStringLiteral("/Poolwright/Poolwright.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[Defaults]\nBleachStrength=6\nPoolSize=20000\nUOM=Imperial\n");
        ini.close();
        qputenv("XDG_CONFIG_HOME", ownSettings.path().toLocal8Bit());
    }

    qInstallMessageHandler(QuietAboutThePlatform);
    QApplication app(argc, argv);
    CountingFeedback feedback;
    Opener opener;
    std::unique_ptr<Program> program;
    QWidget* main = nullptr;
    if (!opener.open(
            [&] {
                program = StartPoolwright(app, &feedback);
                main = program->keeper().openWindow(WindowKind::Main);
            },
            nullptr)) {
        std::fprintf(stderr, "the main window never painted\n");
        return 1;
    }
    WindowKeeper& keeper = program->keeper();
    // Closing the last window here is part of the benchmark, not the end of it.
    QObject::disconnect(&keeper, &WindowKeeper::lastWindowClosed, &app, nullptr);
    int failures = 0;

    std::printf("Menu choice to the window's first painted frame, ms "
                "(first open in the process, then %d opens of a new window)\n",
                opens);
    PrintHeader("ms");
    for (const WindowRow* row : MenuWindows()) {
        const QString name = QString::fromLatin1(row->menu.name);
        const QString caption = QString::fromLatin1(row->menu.caption);
        const bool switchedOff = !row->menu.enabled;
        std::vector<double> times;
        double first = 0;
        for (int attempt = 0; attempt <= opens; ++attempt) {
            main = keeper.show(WindowKind::Main);
            if (!QTest::qWaitForWindowExposed(main)) {
                ++failures;
                break;
            }
            Settle();
            QAction* action = main->findChild<QAction*>(name);
            if (action == nullptr) {
                ++failures;
                break;
            }
            // A switched-off entry's window is opened the way the entry would open it.
            const auto choose = [&] {
                if (switchedOff)
                    keeper.show(row->kind);
                else
                    action->trigger();
            };
            const std::optional<double> time = opener.open(choose, main);
            if (!time) {
                ++failures;
                break;
            }
            (attempt == 0 ? first : times.emplace_back()) = *time;
            keeper.closeAllExcept(WindowKind::Main);
            Settle();
        }
        const QByteArray label =
            (caption + (switchedOff ? QStringLiteral(" (entry off)") : QString())).toUtf8();
        PrintRow(label.constData(), first, Summarize(times), 2);
    }
    std::fflush(stdout);

    std::printf("\nCalculate press to the outputs written, ms (first press, then %d presses)\n",
                presses);
    PrintHeader("ms");
    // Every window of the program's table is in the sample file, most with a sample a button.
    std::vector<Calculator> calculators;
    for (const WindowRow& row : Windows()) {
        const auto samples = SamplesOf(row.shortName);
        if (!samples) {
            std::fprintf(stderr, "%s: no readings for this window\n", row.shortName);
            ++failures;
            continue;
        }
        for (const Sample& sample : *samples)
            calculators.push_back(
                {QByteArray(row.shortName) + ' ' + sample.button, row.kind, sample});
    }
    for (const Calculator& calculator : calculators) {
        // The settings above store Imperial.
        const Sample::Texts& outputs = calculator.sample.outputs(calc::UnitSystem::Imperial);
        keeper.closeAllExcept(WindowKind::Main);
        QWidget* window = keeper.show(calculator.kind);
        if (!QTest::qWaitForWindowExposed(window)) {
            ++failures;
            continue;
        }
        Settle();
        for (const auto& [box, text] : calculator.sample.readings) {
            auto* line = window->findChild<QLineEdit*>(QLatin1String(box));
            line->clear();
            QTest::keyClicks(line, text);
        }
        auto* button = window->findChild<QPushButton*>(QLatin1String(calculator.sample.button));
        const auto clearOutputs = [&] {
            for (const auto& [box, text] : outputs) {
                if (auto* line = window->findChild<QLineEdit*>(QLatin1String(box)))
                    line->clear();
                else if (auto* plain = window->findChild<QPlainTextEdit*>(QLatin1String(box)))
                    plain->clear();
            }
        };
        const auto allWritten = [&] {
            for (const auto& [box, text] : outputs) {
                auto* line = window->findChild<QLineEdit*>(QLatin1String(box));
                auto* plain = window->findChild<QPlainTextEdit*>(QLatin1String(box));
                if ((line != nullptr && line->text() != text) ||
                    (plain != nullptr && plain->toPlainText() != text))
                    return false;
            }
            return true;
        };
        std::vector<double> times;
        double first = 0;
        bool written = true;
        for (int press = 0; press <= presses && written; ++press) {
            clearOutputs();
            const auto start = std::chrono::steady_clock::now();
            button->click();
            const double time = Milliseconds(std::chrono::steady_clock::now() - start);
            written = allWritten() && feedback.complaints == 0;
            (press == 0 ? first : times.emplace_back()) = time;
            if (press % 50 == 0)
                QCoreApplication::processEvents(); // let the repaints happen, as between presses
        }
        if (!written) {
            std::fprintf(stderr, "%s: a press did not write its outputs\n",
                         calculator.name.constData());
            ++failures;
            feedback.complaints = 0;
        }
        PrintRow(calculator.name.constData(), first, Summarize(times), 3);
    }
    std::fflush(stdout);
    return failures > 0 ? 1 : 0;
}
