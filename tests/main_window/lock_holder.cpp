// A running copy of the program as the single-instance tests see it: checks for other
// copies in the folder given, claims a slot, prints "ready alone" or "ready another",
// and keeps the slot until its stdin closes (a clean exit) or it is killed.
#include "main_window/single_instance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // QLockFile records and checks the process name through the application object.
    const QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    radixon::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.claimSlot())
        return 1;
    std::puts(instance.anotherCopyRunning() ? "ready another" : "ready alone");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
