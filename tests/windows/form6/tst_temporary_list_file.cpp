#include "support/window_test_helpers.h"
#include "windows/form6/temporary_list_file.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <list>

using namespace radixon::temporary_list;
using radixon::test::textLines;

namespace {

// The removal as the list box did it: each line in turn drops every later equal line.
QStringList removeDoublesOneByOne(const QStringList &lines)
{
    std::list<QString> remaining(lines.begin(), lines.end());
    for (auto i = remaining.begin(); i != remaining.end(); ++i)
        remaining.erase(std::remove(std::next(i), remaining.end(), *i), remaining.end());
    return QStringList(remaining.begin(), remaining.end());
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
        QTest::newRow("three equal lines")
            << textLines({"Hex: 255 = FF", "Hex: 255 = FF", "Hex: 255 = FF"})
            << textLines({"Hex: 255 = FF"});
        QTest::newRow("spaces count, nothing trimmed")
            << textLines({"Bin: 2 = 10", "Bin: 2 = 10 ", "Bin:  2 = 10", "Bin: 2 = 10"})
            << textLines({"Bin: 2 = 10", "Bin: 2 = 10 ", "Bin:  2 = 10"});
    }
    void killDoubles()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, kept);
        QCOMPARE(KillDoubles(lines), kept);
    }

    void killDoublesOnALargeList_data()
    {
        QTest::addColumn<int>("distinct"); // 0: every line differs
        QTest::newRow("many repeats") << 700;
        QTest::newRow("every line different") << 0;
    }
    void killDoublesOnALargeList()
    {
        QFETCH(int, distinct);
        QRandomGenerator random(20240501);
        QStringList lines;
        for (int i = 0; i < 32767; ++i)
            lines << QStringLiteral("Bin: %1 = x").arg(distinct ? random.bounded(distinct) : i);
        QElapsedTimer timer;
        timer.start();
        const QStringList kept = KillDoubles(lines);
        // Generous: removing line by line takes seconds on a list of different lines.
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(kept, distinct ? removeDoublesOneByOne(lines) : lines);
    }

    void toWindows1253_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // empty: not in the code page
        QTest::newRow("Greek labels")
            << "Δυαδ: Οκτ: Δεκ:" << QByteArray("\xC4\xF5\xE1\xE4: \xCF\xEA\xF4: \xC4\xE5\xEA:");
        QTest::newRow("accented letters and final sigma") << "άώς" << QByteArray("\xDC\xFE\xF2");
        QTest::newRow("accented capitals")
            << "ΆΈΉΊΌΎΏ" << QByteArray("\xA2\xB8\xB9\xBA\xBC\xBE\xBF");
        QTest::newRow("euro sign and dashes") << "€–—" << QByteArray("\x80\x96\x97");
        QTest::newRow("Latin letter with accent") << "é" << QByteArray();
    }
    void toWindows1253()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(radixon::temporary_list::toWindows1253(text).value_or(QByteArray()), bytes);
    }
};

QTEST_GUILESS_MAIN(TestTemporaryListFile)
#include "tst_temporary_list_file.moc"
