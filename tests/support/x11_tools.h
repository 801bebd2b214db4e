#pragma once

#include <QProcess>
#include <QTest>

namespace radixon::test {

// Runs an X command-line tool and returns what it printed. The event loop keeps
// running meanwhile, so the program's windows answer the X server.
inline QString runTool(const QString &command)
{
    QProcess process;
    process.startCommand(command);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000))
        qFatal("%s did not end", qPrintable(command));
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace radixon::test
