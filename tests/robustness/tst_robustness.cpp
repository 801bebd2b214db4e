#include "main_window/form_numeric.h"
#include "support/window_test_helpers.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"
#include "windows/form6/form6.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gmpxx.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <memory>
#include <random>

using namespace radixon;

namespace {

QString million(const QString &pattern)
{
    return pattern.repeated((1 << 20) / pattern.size());
}

// The converters: the box that opens each, the button that converts, the result field,
// and numbers that give a result to be overwritten.
struct Converter {
    const char *name, *box, *button, *result;
    std::vector<std::pair<const char *, const char *>> preset;
};
const Converter converters[] = {
    {"Form_Numeric", nullptr, "Command2", "Text2", {{"Text1", "5"}}},
    {"Form5", "Check12", "Command2", "Text2", {{"Text1", "101"}}},
    {"Form3", "Check11", "Command1", "Text3", {{"Text1", "16"}, {"Text2", "255"}}},
};

CompanionWindow *openWindow(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<CompanionWindow *>(widget);
        if (window && window->objectName() == QLatin1String(name) && !window->isUnloading())
            return window;
    }
    return nullptr;
}

QList<CompanionWindow *> companionWindows()
{
    QList<CompanionWindow *> all;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<CompanionWindow *>(widget))
            all << window;
    }
    return all;
}

int linesIn(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count("\r\n")) : -1;
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeDialogs> dialogs;
    std::unique_ptr<Form_Numeric> window;

    QCheckBox *box(const char *name) const { return test::control<QCheckBox>(window.get(), name); }

    // Every effect has ended, no window is left closing, and each box is ticked exactly
    // when its window is open.
    void settleAndVerifyAgreement()
    {
        const auto busy = [] {
            const QList<CompanionWindow *> all = companionWindows();
            return std::any_of(all.begin(), all.end(), [](const CompanionWindow *w) {
                return w->isUnloading() || isEffectRunning(w);
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(!busy(), 10000);
        for (const auto &[name, form] : {std::pair{"Check1", "Form6"}, {"Check12", "Form5"},
                                         {"Check11", "Form3"}, {"Check3", "Form2"}})
            QVERIFY2(box(name)->isChecked() == bool(openWindow(form)), name);
        QStringList names;
        for (const CompanionWindow *window : companionWindows())
            names << window->objectName();
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size()); // no stray copy
    }

private slots:
    void initTestCase()
    {
        test::dropPlatformNoise();
        applyAppearance(*qApp);
    }
    void init()
    {
        dialogs = std::make_unique<test::FakeDialogs>();
        window = std::make_unique<Form_Numeric>(*dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        box("Check5")->setChecked(true);
        box("Check4")->setChecked(false);
    }
    void cleanup()
    {
        window.reset();
        QTRY_COMPARE(companionWindows().size(), 0);
    }

    void megabytePasteIsClearedOrConverted_data()
    {
        QTest::addColumn<int>("converter");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected"); // empty: the result is cleared
        const auto row = [](const char *name, int converter, const char *field,
                            const QString &pasted, const QString &expected = {}) {
            QTest::newRow(name) << converter << QByteArray(field) << pasted << expected;
        };
        const QString digits = million(QStringLiteral("1234567890"));
        const QString zeros = million(QStringLiteral("0"));
        const QString junk = million(QString::fromUtf8("7x-.,+ é€\t😀ω\\'\"%") + QChar(0));
        // A line field holds at most 32767 characters, the most the engine converts.
        const mpz_class allOnes = (mpz_class(1) << 32767) - 1;
        row("main window: digits beyond the decimal range", 0, "Text1", digits);
        row("main window: zeros", 0, "Text1", zeros, QStringLiteral("0"));
        row("main window: junk", 0, "Text1", junk);
        row("to decimal: binary ones", 1, "Text1", million(QStringLiteral("1")),
            QString::fromStdString(allOnes.get_str()));
        row("to decimal: junk", 1, "Text1", junk);
        row("other base: digits as the base", 2, "Text1", digits);
        row("other base: junk as the base", 2, "Text1", junk);
        row("other base: digits as the number", 2, "Text2", digits);
        row("other base: zeros as the number", 2, "Text2", zeros, QStringLiteral("0"));
        row("other base: junk as the number", 2, "Text2", junk);
    }
    void megabytePasteIsClearedOrConverted()
    {
        QFETCH(int, converter);
        QFETCH(QByteArray, field);
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        const Converter &ui = converters[converter];
        QWidget *form = window.get();
        if (ui.box) {
            box(ui.box)->setChecked(true);
            form = openWindow(ui.name);
            finishEffect(form);
        }
        auto *result = test::control<QLineEdit>(form, ui.result);
        auto *button = test::control<QPushButton>(form, ui.button);
        for (const auto &[name, text] : ui.preset)
            test::control<QLineEdit>(form, name)->setText(QLatin1String(text));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!result->text().isEmpty());

        auto *entry = test::control<QLineEdit>(form, field);
        entry->clear();
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keySequence(entry, QKeySequence::Paste);
        QVERIFY(entry->text().size() > 30000);
        QTest::keyClick(entry, Qt::Key_Return);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(result->text(), expected);

        // Only a guard against a hang: how fast it really is, the benchmarks tell.
        QElapsedTimer keystroke;
        keystroke.start();
        QTest::keyClick(entry, Qt::Key_Backspace);
        QVERIFY2(keystroke.elapsed() < 500, qPrintable(QString::number(keystroke.elapsed())));
    }

    void fullTemporaryListSavesAndCleans()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("list.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\r\n") == 5);
        old.close();

        box("Check1")->setChecked(true);
        auto *list = qobject_cast<Form6 *>(openWindow("Form6"));
        for (int i = 0; i < 32767; ++i)
            list->AddItem(QStringLiteral("Hex: %1 = %2").arg(i % 16384).arg(i % 16384, 0, 16));
        QCOMPARE(test::control<QListWidget>(list, "List1")->count(), 32767);

        {   // A disk that fills up halfway: the old file stays as it was.
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const rlimit small{128 * 1024, saved.rlim_max};
            const auto previous = std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &small);
            dialogs->saveAnswers.push_back(path);
            test::clickBox(list, "Check5");
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previous);
        }
        QCOMPARE(dialogs->shown.back().kind, QStringLiteral("inform"));
        QCOMPARE(linesIn(path), 1);

        dialogs->saveAnswers.push_back(path);
        test::clickBox(list, "Check5");
        QCOMPARE(linesIn(path), 32767);

        test::clickBox(list, "Check3"); // remove doubles
        QCOMPARE(test::control<QListWidget>(list, "List1")->count(), 16384);
        dialogs->saveAnswers.push_back(path);
        test::clickBox(list, "Check5");
        QCOMPARE(linesIn(path), 16384);
        const QStringList files = QDir(folder.path()).entryList(QDir::Files);
        QCOMPARE(files, QStringList{QStringLiteral("list.txt")}); // no half-written copy left
    }

    void rapidClicksOnAWindowBox_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("clicks");
        for (const char *name : {"Check1", "Check12", "Check11", "Check3", "Check13"}) {
            QTest::addRow("%s ends open", name) << QByteArray(name) << 21;
            QTest::addRow("%s ends closed", name) << QByteArray(name) << 20;
        }
    }
    void rapidClicksOnAWindowBox()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, clicks);
        for (int i = 0; i < clicks; ++i)
            test::clickBox(window.get(), name);
        settleAndVerifyAgreement();
        const int open = clicks % 2 == 0 ? 0 : name == "Check13" ? 4 : 1;
        QCOMPARE(companionWindows().size(), open);
    }

    void closeControlDuringTheOpenEffect_data()
    {
        QTest::addColumn<QByteArray>("opener");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("temporary list") << QByteArray("Check1") << QByteArray("Form6");
        QTest::newRow("to decimal") << QByteArray("Check12") << QByteArray("Form5");
        QTest::newRow("other base") << QByteArray("Check11") << QByteArray("Form3");
        QTest::newRow("number lists") << QByteArray("Check3") << QByteArray("Form2");
        QTest::newRow("about") << QByteArray("Image1") << QByteArray("Form4");
    }
    void closeControlDuringTheOpenEffect()
    {
        QFETCH(QByteArray, opener);
        QFETCH(QByteArray, name);
        for (int i = 0; i < 20; ++i) {
            QWidget *control = test::control(window.get(), opener);
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, 6));
            CompanionWindow *opened = openWindow(name);
            QVERIFY(opened && isEffectRunning(opened));
            QVERIFY(!opened->close());
            QTest::qWait(i % 3); // sometimes a frame of the close effect runs before the next click
        }
        settleAndVerifyAgreement();
        QCOMPARE(companionWindows().size(), 0);
    }

    void randomClicksAndCloseControls_data()
    {
        QTest::addColumn<int>("longestPauseMs");
        QTest::addColumn<bool>("greekOnTop"); // windows then follow the main window's on-top state
        QTest::newRow("no waiting") << 0 << false;
        QTest::newRow("frames between") << 25 << false;
        QTest::newRow("frames between, Greek and on top") << 25 << true;
    }
    void randomClicksAndCloseControls()
    {
        QFETCH(int, longestPauseMs);
        QFETCH(bool, greekOnTop);
        box("Check4")->setChecked(greekOnTop);
        box("Check8")->setChecked(greekOnTop);
        std::mt19937 random(7);
        const char *boxes[] = {"Check1", "Check12", "Check11", "Check3", "Check13"};
        for (int step = 0; step < 250; ++step) {
            const unsigned action = random() % 8;
            if (action < 5) {
                test::clickBox(window.get(), boxes[action]);
            } else if (action == 5) {
                QTest::mouseClick(test::control(window.get(), "Image1"), Qt::LeftButton);
            } else if (const auto all = companionWindows(); action == 6 && !all.isEmpty()) {
                all[int(random() % all.size())]->close();
            } else if (longestPauseMs > 0) {
                QTest::qWait(int(random() % longestPauseMs));
            }
        }
        settleAndVerifyAgreement();
    }

    void closingTheMainWindowDuringEffects_data()
    {
        QTest::addColumn<bool>("reopenedFirst");
        QTest::addColumn<bool>("closedTwice");
        QTest::newRow("windows opening") << false << false;
        QTest::newRow("windows closing and opening") << true << false;
        QTest::newRow("close control clicked again while they close") << true << true;
    }
    void closingTheMainWindowDuringEffects()
    {
        QFETCH(bool, reopenedFirst);
        QFETCH(bool, closedTwice);
        test::clickBox(window.get(), "Check13");
        if (reopenedFirst) {
            test::clickBox(window.get(), "Check13");
            test::clickBox(window.get(), "Check12");
        }
        QTest::mouseClick(test::control(window.get(), "Image1"), Qt::LeftButton);
        if (closedTwice)
            QTimer::singleShot(0, window.get(), [this] { window->close(); });
        QVERIFY(window->close());
        window->close();
        QCOMPARE(companionWindows().size(), 0);
        QCOMPARE(dialogs->shown.size(), std::size_t(1));
        QCOMPARE(dialogs->shown.front().kind, QStringLiteral("inform"));
        QTest::qWait(50); // no effect outlives its window
        QCOMPARE(companionWindows().size(), 0);
    }
};

QTEST_MAIN(TestRobustness)

#include "tst_robustness.moc"
