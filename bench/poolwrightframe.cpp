// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Poolwright as a user starts it, which prints the monotonic time of its first frame and the
// window's size on standard output and quits. Started by poolwright_bench.
#include "app/startup.h"
#include "firstframe.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstFrameWatch watch([](QWidget* window, std::int64_t nanoseconds) {
        // The size lets the driver start the minimal window as large.
        std::printf("first-frame %lld %dx%d\n", static_cast<long long>(nanoseconds),
                    window->width(), window->height());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    watch.arm();
    const std::unique_ptr<Program> program = StartPoolwright(app);
    return QApplication::exec();
}
