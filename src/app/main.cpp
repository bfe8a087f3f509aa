#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<Program> program = StartPoolwright(app);
    return QApplication::exec();
}
