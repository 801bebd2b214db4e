#include "support/window_test_helpers.h"
#include "windows/common/appearance.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/temporary_list/temporary_list_window.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace radixon;
using test::textLines;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTemporaryListWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<TemporaryListWindow> window;
    QTemporaryDir folder;

    QListWidget *list() const
    {
        return test::control<QListWidget>(window, temporary_list::name::list);
    }
    void setLines(const QStringList &lines) const
    {
        list()->clear();
        for (const QString &line : lines)
            window->appendLine(line);
    }
    const std::vector<test::FakeDialogs::Shown> &shown() const { return host->fakeDialogs.shown; }

private slots:
    void initTestCase()
    {
        test::dropPlatformNoise();
        applyAppearance(*qApp);
        QVERIFY(folder.isValid());
    }
    void init()
    {
        host = std::make_unique<test::FakeHost>();
        QVERIFY(test::open(window, *host, false));
    }
    void cleanup()
    {
        delete window;
        host.reset();
        QLocale::setDefault(QLocale::system());
    }

    void actionBoxesActOnTickAndOnClear_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("current");          // -1: none
        QTest::addColumn<QStringList>("appended"); // as the main window appends them
        QTest::addColumn<QStringList>("left");
        const QStringList none;
        QTest::newRow("Remove Selected Item without a current line")
            << QByteArray(temporary_list::name::removeSelectedBox) << textLines({"a", "b"}) << -1
            << none << textLines({"a", "b"});
        QTest::newRow("Remove Selected Item with a current line")
            << QByteArray(temporary_list::name::removeSelectedBox) << textLines({"a", "b", "c"})
            << 1 << none << textLines({"a", "c"});
        QTest::newRow("Remove Selected Item after a line appended to a list without current line")
            << QByteArray(temporary_list::name::removeSelectedBox) << textLines({"a", "b"}) << -1
            << textLines({"c"}) << textLines({"b", "c"});
        QTest::newRow("Remove Selected Item after three lines appended to an empty list")
            << QByteArray(temporary_list::name::removeSelectedBox) << none << -1
            << textLines({"a", "b", "c"}) << textLines({"a", "b"});
        QTest::newRow("Remove Double Items")
            << QByteArray(temporary_list::name::removeRepeatsBox) << textLines({"a", "b", "a"}) << 2
            << none << textLines({"a", "b"});
        QTest::newRow("Remove All Items") << QByteArray(temporary_list::name::removeAllBox)
                                          << textLines({"a", "b"}) << 1 << none << none;
    }
    void actionBoxesActOnTickAndOnClear()
    {
        QFETCH(QByteArray, box);
        QFETCH(QStringList, lines);
        QFETCH(int, current);
        QFETCH(QStringList, appended);
        QFETCH(QStringList, left);
        for (const bool ticks : {true, false}) {
            setLines(lines);
            // Focus arriving in the list marks its first line without selecting it.
            test::control(window, temporary_list::name::onTopBox)->setFocus(Qt::TabFocusReason);
            list()->setFocus(Qt::TabFocusReason);
            if (current >= 0)
                list()->setCurrentRow(current);
            for (const QString &line : appended) {
                window->appendLine(line);
                window->moveCurrentItemDown();
            }
            test::clickBox(window, box.constData());
            QCOMPARE(test::control<QCheckBox>(window, box.constData())->isChecked(), ticks);
            QCOMPARE(test::textLines(list()), left);
        }
        // Nothing is left selected, so acting once more changes nothing.
        test::clickBox(window, box.constData());
        QCOMPARE(test::textLines(list()), left);
    }

    void saveReplacesTheFile_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("greekLocale");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two lines make 28 bytes")
            << textLines({"Bin: 2 = 10", "Hex: 255 = FF"}) << false
            << QByteArray("Bin: 2 = 10\r\nHex: 255 = FF\r\n");
        QTest::newRow("Greek line, one byte per letter under a Greek locale")
            << textLines({"Δυαδ: 5 = 101"}) << true << QByteArray("\xC4\xF5\xE1\xE4: 5 = 101\r\n");
        QTest::newRow("Greek line as UTF-8 under another locale")
            << textLines({"Δυαδ: 5 = 101"}) << false
            << QByteArray("\xCE\x94\xCF\x85\xCE\xB1\xCE\xB4: 5 = 101\r\n");
        QTest::newRow("one foreign character turns the whole file to UTF-8")
            << textLines({"Δεκ: 10 = A", "Ж"}) << true
            << QByteArray("\xCE\x94\xCE\xB5\xCE\xBA: 10 = A\r\n\xD0\x96\r\n");
    }
    void saveReplacesTheFile()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, greekLocale);
        QFETCH(QByteArray, bytes);
        if (greekLocale)
            QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        // A name typed without extension is kept as typed.
        const QString path = folder.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier and much longer content that must not survive\r\n");
        old.close();
        setLines(lines);
        host->fakeDialogs.saveAnswers.push_back(path);
        test::clickBox(window, temporary_list::name::saveBox);
        QCOMPARE(shown().size(), std::size_t(1));
        QCOMPARE(fileBytes(path), bytes);
        QVERIFY(!QFile::exists(path + QStringLiteral(".txt")));
    }

    // What the save box shows when it writes nothing; it acts on tick and on clear.
    void saveThatWritesNothing_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("answer"); // empty: the dialog is cancelled
        QTest::addColumn<QStringList>("shownTexts");
        const QStringList line = textLines({"Bin: 2 = 10"});
        const char *offered = "Radixon List|Text Document(*.txt)";
        QTest::newRow("empty list")
            << QStringList() << false << ""
            << textLines({"There Are No Items In The Temporary List To Save"});
        QTest::newRow("cancelled") << line << false << "" << textLines({offered});
        QTest::newRow("existing file that cannot be replaced")
            << line << false << "/proc/version"
            << textLines({offered, "The Temporary List Could Not Be Saved"});
        QTest::newRow("folder that does not exist, Greek")
            << line << true << "missing/list.txt"
            << textLines(
                   {"Radixon Λίστα|Text Document(*.txt)", "Η Προσωρινή Λίστα Δεν Αποθηκεύτηκε"});
    }
    void saveThatWritesNothing()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, greek);
        QFETCH(QString, answer);
        QFETCH(QStringList, shownTexts);
        const QString target = QDir(folder.path()).absoluteFilePath(answer);
        const QByteArray before = fileBytes(target);
        setLines(lines);
        // The language of the moment counts, not the one the window opened in.
        host->greekFlag = greek;
        QStringList texts;
        for (int click = 0; click < 2; ++click) {
            if (!answer.isEmpty())
                host->fakeDialogs.saveAnswers.push_back(target);
            test::clickBox(window, temporary_list::name::saveBox);
        }
        for (const test::FakeDialogs::Shown &each : shown()) {
            const bool save = each.kind == QLatin1String("save");
            QCOMPARE(each.title, save ? QStringLiteral("Radixon_Radixon. Enter a File Name:")
                                      : QStringLiteral("Radixon_Radixon"));
            QCOMPARE(each.icon, save ? Dialogs::Icon::None : Dialogs::Icon::Information);
            texts << each.text;
        }
        QCOMPARE(texts, shownTexts + shownTexts);
        QCOMPARE(fileBytes(target), before);
        QVERIFY(QDir::current().entryList({QStringLiteral("Radixon*")}).isEmpty());
    }

    void closeControlUnloadsTheWindowAndItsList()
    {
        setLines(textLines({"Bin: 1 = 1"}));
        test::verifyCloseControl(window, *host, Companion::TemporaryList);
        QVERIFY(test::open(window, *host, false));
        QCOMPARE(list()->count(), 0);
    }
};

QTEST_MAIN(TestTemporaryListWindow)
#include "tst_temporary_list_window.moc"
