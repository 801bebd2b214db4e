#include "windows/form6/temporary_list_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <list>

#include <unistd.h>

using namespace radixon;
using namespace radixon::temporary_list;

namespace {

QString u8(const char *text) { return QString::fromUtf8(text); }

QStringList textLines(std::initializer_list<const char *> texts)
{
    QStringList all;
    for (const char *text : texts)
        all.append(QString::fromUtf8(text));
    return all;
}

// The removal as the list box did it: each line in turn drops every later equal line.
QStringList removeDoublesOneByOne(const QStringList &lines)
{
    std::list<QString> remaining(lines.begin(), lines.end());
    for (auto i = remaining.begin(); i != remaining.end(); ++i) {
        for (auto j = std::next(i); j != remaining.end();) {
            if (*j == *i)
                j = remaining.erase(j);
            else
                ++j;
        }
    }
    return QStringList(remaining.begin(), remaining.end());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestTemporaryListFile : public QObject {
    Q_OBJECT

private slots:
    void killDoubles_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("case counts")
            << textLines({"Bin: 1 = 1", "Oct: 8 = 10", "Bin: 1 = 1", "bin: 1 = 1", "Bin: 1 = 1"})
            << textLines({"Bin: 1 = 1", "Oct: 8 = 10", "bin: 1 = 1"});
        QTest::newRow("three equal lines in a row")
            << textLines({"Hex: 255 = FF", "Hex: 255 = FF", "Hex: 255 = FF"})
            << textLines({"Hex: 255 = FF"});
        QTest::newRow("spaces count, nothing trimmed")
            << textLines({"Bin: 2 = 10", "Bin: 2 = 10 ", "Bin:  2 = 10", "Bin: 2 = 10"})
            << textLines({"Bin: 2 = 10", "Bin: 2 = 10 ", "Bin:  2 = 10"});
        QTest::newRow("repeats apart keep the first place")
            << textLines({"a", "b", "c", "b", "a", "d", "c"}) << textLines({"a", "b", "c", "d"});
        QTest::newRow("Greek lines compared exactly")
            << textLines({"Δυαδ: 5 = 101", "δυαδ: 5 = 101", "Δυαδ: 5 = 101"})
            << textLines({"Δυαδ: 5 = 101", "δυαδ: 5 = 101"});
        QTest::newRow("no repeats") << textLines({"c", "a", "b"}) << textLines({"c", "a", "b"});
        QTest::newRow("empty list") << QStringList{} << QStringList{};
    }
    void killDoubles()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, kept);
        QCOMPARE(KillDoubles(lines), kept);
    }

    void killDoublesOnALargeList_data()
    {
        QTest::addColumn<int>("distinct");
        QTest::newRow("few distinct lines") << 7;
        QTest::newRow("many repeats") << 700;
        QTest::newRow("mostly distinct lines") << 30000;
    }
    void killDoublesOnALargeList()
    {
        QFETCH(int, distinct);
        QRandomGenerator random(20240501);
        QStringList lines;
        for (int i = 0; i < 32767; ++i)
            lines.append(QStringLiteral("Bin: %1 = x").arg(random.bounded(distinct)));

        QElapsedTimer timer;
        timer.start();
        const QStringList kept = KillDoubles(lines);
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        if (distinct <= 700)
            QCOMPARE(kept, removeDoublesOneByOne(lines));
        else
            QCOMPARE(kept.size(), QSet<QString>(lines.begin(), lines.end()).size());
    }

    void allDistinctLinesStayFast()
    {
        QStringList lines;
        for (int i = 0; i < 32767; ++i)
            lines.append(QStringLiteral("Hex: %1 = %2").arg(i).arg(i, 0, 16));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(KillDoubles(lines), lines);
        QVERIFY(timer.elapsed() < 500);
    }

    void codePageFor_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<CodePage>("codePage");
        QTest::newRow("Greek in Greece") << QLocale(QLocale::Greek, QLocale::Greece)
                                         << CodePage::Windows1253;
        QTest::newRow("Greek in Cyprus") << QLocale(QLocale::Greek, QLocale::Cyprus)
                                         << CodePage::Windows1253;
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << CodePage::System;
        QTest::newRow("C") << QLocale::c() << CodePage::System;
    }
    void codePageFor()
    {
        QFETCH(QLocale, locale);
        QFETCH(CodePage, codePage);
        QCOMPARE(temporary_list::codePageFor(locale), codePage);
    }

    void toWindows1253_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("representable");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ASCII as is") << QStringLiteral("Hex: 255 = FF\r\n") << true
                                     << QByteArray("Hex: 255 = FF\r\n");
        QTest::newRow("Greek binary label") << u8("Δυαδ: ") << true
                                            << QByteArray("\xC4\xF5\xE1\xE4: ");
        QTest::newRow("Greek octal and hex labels") << u8("Οκτ: Δεκ: ") << true
                                                    << QByteArray("\xCF\xEA\xF4: \xC4\xE5\xEA: ");
        QTest::newRow("accented and final sigma") << u8("άώς") << true
                                                  << QByteArray("\xDC\xFE\xF2");
        QTest::newRow("accented capitals") << u8("ΆΈΉΊΌΎΏ") << true
                                           << QByteArray("\xA2\xB8\xB9\xBA\xBC\xBE\xBF");
        QTest::newRow("euro sign and dashes") << u8("€–—") << true << QByteArray("\x80\x96\x97");
        QTest::newRow("Latin-1 signs the page shares") << u8("£©°±") << true
                                                       << QByteArray("\xA3\xA9\xB0\xB1");
        QTest::newRow("control character on an unused byte") << QString(QChar(0x81)) << false
                                                             << QByteArray();
        QTest::newRow("Latin letter with accent") << u8("é") << false << QByteArray();
        QTest::newRow("Cyrillic letter") << u8("Ж") << false << QByteArray();
        QTest::newRow("character beyond the basic plane") << u8("𝟙") << false << QByteArray();
    }
    void toWindows1253()
    {
        QFETCH(QString, text);
        QFETCH(bool, representable);
        QFETCH(QByteArray, bytes);
        const std::optional<QByteArray> encoded = temporary_list::toWindows1253(text);
        QCOMPARE(encoded.has_value(), representable);
        if (representable)
            QCOMPARE(*encoded, bytes);
    }

    void savedListBytes_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<CodePage>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two English lines")
            << textLines({"Bin: 2 = 10", "Hex: 255 = FF"}) << CodePage::System
            << QByteArray("Bin: 2 = 10\r\nHex: 255 = FF\r\n");
        QTest::newRow("Greek line in the Greek code page")
            << textLines({"Δυαδ: 5 = 101"}) << CodePage::Windows1253
            << QByteArray("\xC4\xF5\xE1\xE4: 5 = 101\r\n");
        QTest::newRow("Greek line in the system encoding")
            << textLines({"Δυαδ: 5 = 101"}) << CodePage::System
            << QByteArray("\xCE\x94\xCF\x85\xCE\xB1\xCE\xB4: 5 = 101\r\n");
        QTest::newRow("one foreign character turns the whole list to UTF-8")
            << textLines({"Δεκ: 10 = A", "Ж"}) << CodePage::Windows1253
            << QByteArray("\xCE\x94\xCE\xB5\xCE\xBA: 10 = A\r\n\xD0\x96\r\n");
        QTest::newRow("empty list") << QStringList{} << CodePage::Windows1253 << QByteArray();
    }
    void savedListBytes()
    {
        QFETCH(QStringList, lines);
        QFETCH(CodePage, codePage);
        QFETCH(QByteArray, bytes);
        QCOMPARE(temporary_list::savedListBytes(lines, codePage), bytes);
    }

    void twoLinesMakeTwentyEightBytes()
    {
        const QByteArray bytes =
            temporary_list::savedListBytes(textLines({"Bin: 2 = 10", "Hex: 255 = FF"}),
                                                    CodePage::System);
        QCOMPARE(bytes.size(), 28);
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    }

    void writeReplacesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Radixon List"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("a much longer earlier content that must not survive\r\n");
        old.close();
        QVERIFY(writeListFile(path, "Bin: 2 = 10\r\n"));
        QCOMPARE(readAll(path), QByteArray("Bin: 2 = 10\r\n"));
    }

    void failedWriteLeavesTheTargetAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder that does not exist") << QStringLiteral("missing folder");
        QTest::newRow("parent is a regular file") << QStringLiteral("file as folder");
        QTest::newRow("existing file in a folder nobody may write")
            << QStringLiteral("system folder");
        QTest::newRow("existing file in a read-only folder") << QStringLiteral("read-only folder");
    }
    void failedWriteLeavesTheTargetAlone()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path;
        if (kind == QLatin1String("missing folder")) {
            path = dir.filePath(QStringLiteral("missing/list.txt"));
        } else if (kind == QLatin1String("file as folder")) {
            QFile plain(dir.filePath(QStringLiteral("plain")));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            plain.close();
            path = dir.filePath(QStringLiteral("plain/list.txt"));
        } else if (kind == QLatin1String("system folder")) {
            // Even root cannot create the temporary file next to it.
            path = QStringLiteral("/proc/version");
        } else {
            if (geteuid() == 0)
                QSKIP("root writes into read-only folders");
            const QString folder = dir.filePath(QStringLiteral("locked"));
            QVERIFY(QDir().mkdir(folder));
            path = folder + QStringLiteral("/list.txt");
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("kept\r\n");
            old.close();
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        const bool existed = QFile::exists(path);
        const QByteArray before = readAll(path);

        QVERIFY(!writeListFile(path, "Bin: 2 = 10\r\n"));
        QCOMPARE(QFile::exists(path), existed);
        QCOMPARE(readAll(path), before);
        if (existed)
            QVERIFY(!before.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTemporaryListFile)
#include "tst_temporary_list_file.moc"
