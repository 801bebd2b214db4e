#include "support/window_test_helpers.h"
#include "windows/temporary_list/temporary_list_file.h"

using namespace radixon::temporary_list;
using radixon::test::textLines;

class TestTemporaryListFile : public QObject {
    Q_OBJECT

private slots:
    void withoutRepeats_data()
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
    void withoutRepeats()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, kept);
        QCOMPARE(radixon::temporary_list::withoutRepeats(lines), kept);
    }

    void savedInGreekCodePage_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Greek labels")
            << "Δυαδ: Οκτ: Δεκ:" << QByteArray("\xC4\xF5\xE1\xE4: \xCF\xEA\xF4: \xC4\xE5\xEA:\r\n");
        QTest::newRow("accented letters and final sigma")
            << "άώς" << QByteArray("\xDC\xFE\xF2\r\n");
        QTest::newRow("accented capitals")
            << "ΆΈΉΊΌΎΏ" << QByteArray("\xA2\xB8\xB9\xBA\xBC\xBE\xBF\r\n");
        QTest::newRow("euro sign and dashes") << "€–—" << QByteArray("\x80\x96\x97\r\n");
        QTest::newRow("letter not in the code page keeps the list in UTF-8")
            << "é" << QByteArray("\xC3\xA9\r\n");
    }
    void savedInGreekCodePage()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, bytes);
        QCOMPARE(savedListBytes({line}, CodePage::Windows1253), bytes);
    }
};

QTEST_GUILESS_MAIN(TestTemporaryListFile)
#include "tst_temporary_list_file.moc"
