#include "app/startup.h"

#include "app/windowcatalog.h"
#include "ui/windowkeeper.h"
#include "ui/programlook.h"

#include <QApplication>

QWidget* StartPoolwright(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Poolwright"));
    // Ties the windows to the installed desktop entry, its name and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.poolwright.Poolwright"));
    ui::ApplyProgramLook();

    // The keeper, not Qt, says when the last window is gone: the Settings window closes all
    // others before it shows itself, and that must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    WindowKeeper& keeper = WindowKeeper::instance();
    QObject::connect(&keeper, &WindowKeeper::lastWindowClosed, &app, &QCoreApplication::quit);

    RegisterWindows();
    return keeper.show(WindowKind::Main);
}
