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
