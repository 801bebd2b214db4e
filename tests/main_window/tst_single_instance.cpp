#include "main_window/single_instance.h"
#include "main_window/startup.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using radixon::SingleInstance;

namespace {

// Starts a copy that claims a slot in `folder`; returns what it saw on starting.
QByteArray startCopy(QProcess &copy, const QString &folder)
{
    copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), folder});
    while (!copy.canReadLine() && copy.waitForReadyRead(10000)) {
    }
    return copy.readLine().trimmed();
}

// Ends a copy cleanly (stdin closed) or as a crash (SIGKILL, its lock file left behind).
bool endCopy(QProcess &copy, bool crash)
{
    crash ? copy.kill() : copy.closeWriteChannel();
    return copy.waitForFinished(10000)
           && copy.exitStatus() == (crash ? QProcess::CrashExit : QProcess::NormalExit);
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void everyOpenCopyIsSeen_data()
    {
        QTest::addColumn<bool>("crash");
        QTest::newRow("copies close") << false;
        QTest::newRow("copies crash, leaving stale locks") << true;
    }
    void everyOpenCopyIsSeen()
    {
        QFETCH(bool, crash);
        const QTemporaryDir folder;
        QProcess a, b, e;
        QCOMPARE(startCopy(a, folder.path()), QByteArray("ready alone"));
        QCOMPARE(startCopy(b, folder.path()), QByteArray("ready another"));
        QVERIFY(endCopy(a, crash));
        QVERIFY(!crash || QFile::exists(folder.filePath(QStringLiteral("radixon-0.lock"))));
        // The first slot is free or stale now; the second copy still runs.
        const SingleInstance c(folder.path());
        QVERIFY(c.anotherCopyRunning());
        QVERIFY(endCopy(b, crash));
        const SingleInstance d(folder.path());
        QVERIFY(!d.anotherCopyRunning());
        // The probes above, still alive, hold no slot that would make this copy see them.
        QCOMPARE(startCopy(e, folder.path()), QByteArray("ready alone"));
        QVERIFY(endCopy(e, false));
    }

    // Help, the version and a wrong option answer in a terminal without a display.
    void commandLineNeedsNoDisplay_data()
    {
        QTest::addColumn<QString>("arguments"); // separated by spaces
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed"); // on stdout, or on stderr for a failure
        QTest::newRow("help") << "--help" << 0
                              << "  --language <code>  Start in the language of that code";
        // Every catalogue in the folder is built in, with no list to edit.
        const QDir catalogues(QStringLiteral(RADIXON_TRANSLATIONS), QStringLiteral("radixon_*.ts"));
        for (const QString &file : catalogues.entryList())
            QTest::addRow("help names %s", qPrintable(file))
                << "--help" << 0 << file.mid(8).chopped(3) + QStringLiteral(" (");
        QTest::newRow("a Qt option before the version")
            << "-platform xcb --version" << 0 << "radixon " RADIXON_VERSION "\n";
        QTest::newRow("a wrong option")
            << "--system-frame" << 1 << "Unknown option 'system-frame'.";
        QTest::newRow("a language without a catalogue")
            << "--language xx" << 1 << "radixon: No catalogue for the language 'xx'.";
        QTest::newRow("no option: the window opens and stays") << "-platform offscreen" << -1 << "";
        QTest::newRow("English: the window opens and stays")
            << "-platform offscreen --language en" << -1 << "";
    }
    void commandLineNeedsNoDisplay()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, printed);
        QProcess radixon;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        const QTemporaryDir runtime; // where a running copy holds its slot
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        radixon.setProcessEnvironment(environment);
        radixon.start(QStringLiteral(RADIXON_EXECUTABLE), arguments.split(u' '));
        if (exitCode < 0) { // it claims its slot once its window is up, and runs on
            QVERIFY(QTest::qWaitFor([&] { return QDir(runtime.path()).count() > 2; }, 10000));
            QCOMPARE(radixon.state(), QProcess::Running);
            radixon.kill();
            QVERIFY(radixon.waitForFinished(10000));
            return;
        }
        QVERIFY(radixon.waitForFinished(10000));
        QCOMPARE(radixon.exitStatus(), QProcess::NormalExit);
        QCOMPARE(radixon.exitCode(), exitCode);
        const QByteArray output =
            exitCode == 0 ? radixon.readAllStandardOutput() : radixon.readAllStandardError();
        // Help wraps its lines where it likes.
        QVERIFY2(QString::fromLocal8Bit(output).simplified().contains(printed.simplified()),
                 output.constData());
    }

    // On Wayland with XWayland the program asks for X11, unless a platform was chosen.
    void prefersX11OnWayland_data()
    {
        QTest::addColumn<QByteArrayList>("environment"); // platform, Wayland, X11; then chosen
        QTest::newRow("Wayland and X11: X11") << QByteArrayList{"", "wayland-0", ":0", "xcb"};
        QTest::newRow("a platform chosen stays") << QByteArrayList{"vnc", "wayland-0", ":0", "vnc"};
        QTest::newRow("Wayland without X11") << QByteArrayList{"", "wayland-0", "", ""};
        QTest::newRow("X11 alone") << QByteArrayList{"", "", ":0", ""};
    }
    void prefersX11OnWayland()
    {
        QFETCH(QByteArrayList, environment);
        for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
            qputenv(name, environment.takeFirst());
        radixon::preferX11OnWayland();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), environment.front());
    }
};

// With --hold FOLDER this program stands in for a running copy: it claims a slot, prints
// "ready alone" or "ready another", and holds the slot until stdin closes or it is killed.
int main(int argc, char *argv[])
{
    // QLockFile records and checks the process name through the application object.
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--hold") == 0) {
        SingleInstance instance(QString::fromLocal8Bit(argv[2]));
        if (!instance.claimSlot())
            return 1;
        std::puts(instance.anotherCopyRunning() ? "ready another" : "ready alone");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_single_instance.moc"
