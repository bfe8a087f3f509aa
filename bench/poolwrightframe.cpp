// Poolwright as a user starts it, which prints the monotonic time of its first frame on
// standard output and quits. Started by poolwright_bench.
#include "app/startup.h"
#include "firstframe.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstFrameWatch watch([](QWidget*, std::int64_t nanoseconds) {
        std::printf("first-frame %lld\n", static_cast<long long>(nanoseconds));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    watch.arm();
    StartPoolwright(app);
    return QApplication::exec();
}
