#include "app/windowcatalog.h"
#include "ui/windowkeeper.h"
#include "ui/windowrules.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Poolwright"));
    ui::ApplyProgramLook();

    // The keeper, not Qt, says when the last window is gone: the Settings window closes all
    // others before it shows itself, and that must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    WindowKeeper& keeper = WindowKeeper::instance();
    QObject::connect(&keeper, &WindowKeeper::lastWindowClosed, &app, &QCoreApplication::quit);

    RegisterWindows();
    keeper.show(WindowKind::Main);
    return QApplication::exec();
}
