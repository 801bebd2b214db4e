#include "main_window/single_instance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using radixon::SingleInstance;

namespace {

// Starts a copy that claims a slot in `folder`; returns what it saw on starting.
QByteArray startCopy(QProcess &copy, const QString &folder)
{
    copy.start(QStringLiteral(LOCK_HOLDER), {folder});
    while (!copy.canReadLine() && copy.waitForReadyRead(10000)) {
    }
    return copy.readLine().trimmed();
}

// Ends a copy cleanly (stdin closed) or as a crash (SIGKILL, its lock file left behind).
bool endCopy(QProcess &copy, bool crash)
{
    if (crash)
        copy.kill();
    else
        copy.closeWriteChannel();
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
        if (crash)
            QVERIFY(QFile::exists(folder.filePath(QStringLiteral("radixon-0.lock"))));
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

    void copiesInOneProcessTakeDistinctSlots()
    {
        const QTemporaryDir folder;
        SingleInstance first(folder.path()), second(folder.path());
        QVERIFY(first.claimSlot());
        QVERIFY(second.claimSlot());
        QVERIFY(first.claimSlot()); // claiming again keeps the slot held
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("radixon-0.lock"), QStringLiteral("radixon-1.lock")}));
    }

    void folderWithoutLocksIsNoOtherCopy_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("read-only folder") << QStringLiteral("read-only");
        QTest::newRow("missing folder") << QStringLiteral("missing");
        QTest::newRow("path names a file") << QStringLiteral("file");
    }
    void folderWithoutLocksIsNoOtherCopy()
    {
        QFETCH(QString, kind);
        if (kind == QStringLiteral("read-only") && geteuid() == 0)
            QSKIP("root writes into read-only folders");
        const QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("locks"));
        if (kind == QStringLiteral("read-only")) {
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        } else if (kind == QStringLiteral("file")) {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        SingleInstance instance(folder);
        QVERIFY(!instance.anotherCopyRunning());
        QVERIFY(!instance.claimSlot());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
