// Holds the single-instance lock at the given path until killed, as a running copy would.
#include "main_window/single_instance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const radixon::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    std::puts(instance.anotherCopyRunning() ? "busy" : "locked");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
