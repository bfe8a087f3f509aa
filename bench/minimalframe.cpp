// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for any Qt Widgets program here: a main window with a menu bar, four labels, four
// line edits and a button, in Qt's own font and style. Prints the monotonic time of its first
// frame on standard output and quits. Started by poolwright_bench.
#include "firstframe.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstFrameWatch watch([](QWidget*, std::int64_t nanoseconds) {
        std::printf("first-frame %lld\n", static_cast<long long>(nanoseconds));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    watch.arm();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.menuBar()->addMenu(QStringLiteral("Menu"))->addAction(QStringLiteral("Entry"));
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(QStringLiteral("Label %1").arg(row + 1)), row, 0);
        grid->addWidget(new QLineEdit, row, 1);
    }
    grid->addWidget(new QPushButton(QStringLiteral("Calculate")), 4, 1);
    window.setCentralWidget(central);
    // "--size WxH" opens it as large as Poolwright's main window: the cost of a window's first
    // paint grows with its area.
    int width = 0, height = 0;
    if (argc == 3 && std::strcmp(argv[1], "--size") == 0 &&
        std::sscanf(argv[2], "%dx%d", &width, &height) == 2)
        window.resize(width, height);
    window.show();
    return QApplication::exec();
}
