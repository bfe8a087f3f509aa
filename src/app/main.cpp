// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "ui/programlook.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ui::ChooseTextRenderer();
    QApplication app(argc, argv);
    const std::unique_ptr<Program> program = StartPoolwright(app);
    return QApplication::exec();
}
