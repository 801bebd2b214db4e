#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "support/main_window_session.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"
#include "windows/lists/lists_names.h"
#include "windows/other_base/other_base_names.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/temporary_list/temporary_list_window.h"
#include "windows/to_decimal/to_decimal_names.h"

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
using test::companionWindows;
using test::openWindow;

namespace {

// The converters: the window, the box that opens it, the button that converts and the result field.
const char *const converters[][4] = {
    {main_window::name::window, nullptr, main_window::name::calculateButton,
     main_window::name::resultField},
    {to_decimal::name::window, main_window::name::toDecimalBox, to_decimal::name::calculateButton,
     to_decimal::name::resultField},
    {other_base::name::window, main_window::name::otherBaseBox, other_base::name::calculateButton,
     other_base::name::resultField}};

} // namespace

class TestRobustness : public QObject, protected test::MainWindowSession {
    Q_OBJECT

    // Every effect has ended, no window is left closing, each box is ticked exactly
    // when its window is open, and no window is there twice.
    void settleAndVerifyAgreement()
    {
        const auto busy = [] {
            const QList<CompanionWindow *> all = companionWindows();
            return std::any_of(all.begin(), all.end(), [](const CompanionWindow *w) {
                return w->isUnloading() || isEffectRunning(w);
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(!busy(), 10000);
        for (const auto &[name, form] :
             {std::pair{main_window::name::temporaryListBox, temporary_list::name::window},
              {main_window::name::toDecimalBox, to_decimal::name::window},
              {main_window::name::otherBaseBox, other_base::name::window},
              {main_window::name::listsBox, lists::name::window}})
            QVERIFY2(box(name)->isChecked() == bool(openWindow(form)), name);
        QSet<QString> names;
        for (const CompanionWindow *window : companionWindows())
            names << window->objectName();
        QCOMPARE(names.size(), companionWindows().size());
    }

private slots:
    void initTestCase()
    {
        test::dropPlatformNoise();
        applyAppearance(*qApp);
    }
    void init()
    {
        QVERIFY(openMainWindow());
        box(main_window::name::languageBox)->setChecked(false);
    }
    void cleanup() { QVERIFY(closeMainWindow()); }

    void megabytePasteIsClearedOrConverted_data()
    {
        QTest::addColumn<int>("converter");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected"); // empty: the result is cleared
        const auto million = [](const QString &pattern) {
            return pattern.repeated((1 << 20) / pattern.size());
        };
        const QString zeros = million(QStringLiteral("0"));
        const QString junk = million(QString::fromUtf8("7x-.,+ é€\t😀ω\\'\"%") + QChar(0));
        // A line field holds at most 32767 characters, the most the engine converts.
        const mpz_class allOnes = (mpz_class(1) << 32767) - 1;
        const auto row = [](const char *name, int converter, const char *field,
                            const QString &pasted, const char *expected = "") {
            QTest::newRow(name) << converter << QByteArray(field) << pasted
                                << QString::fromLatin1(expected);
        };
        row("main window: digits beyond the decimal range", 0, main_window::name::numberField,
            million(QStringLiteral("1234567890")));
        row("to decimal: binary ones", 1, to_decimal::name::numberField,
            million(QStringLiteral("1")), allOnes.get_str().c_str());
        row("other base: junk as the base", 2, other_base::name::baseField, junk);
        row("other base: zeros as the number", 2, other_base::name::numberField, zeros, "0");
        row("other base: junk as the number", 2, other_base::name::numberField, junk);
    }
    void megabytePasteIsClearedOrConverted()
    {
        QFETCH(int, converter);
        QFETCH(QByteArray, field);
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        const auto [name, opener, buttonName, resultName] = converters[converter];
        QWidget *form = window.get();
        if (opener) {
            box(opener)->setChecked(true);
            finishEffect(form = openWindow(name));
        }
        auto *result = test::control<QLineEdit>(form, resultName);
        auto *button = test::control<QPushButton>(form, buttonName);
        for (QLineEdit *entry :
             form->findChildren<QLineEdit *>()) { // 10 is a number and a base everywhere
            if (!entry->isReadOnly())
                entry->setText(QStringLiteral("10"));
        }
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
        if (QFile old(path); !old.open(QIODevice::WriteOnly) || old.write("old\r\n") != 5)
            QFAIL("cannot write the old list");

        box(main_window::name::temporaryListBox)->setChecked(true);
        auto *list = qobject_cast<TemporaryListWindow *>(openWindow(temporary_list::name::window));
        auto *lines = test::control<QListWidget>(list, temporary_list::name::list);
        for (int i = 0; i < 32767; ++i)
            list->appendLine(QStringLiteral("Hex: %1 = %2").arg(i % 16384).arg(i % 16384, 0, 16));
        QCOMPARE(lines->count(), 32767);
        const auto linesIn = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? int(file.readAll().count("\r\n")) : -1;
        };
        const auto save = [&] {
            dialogs->saveAnswers.push_back(path);
            test::clickBox(list, temporary_list::name::saveBox);
        };

        // A disk that fills up halfway: the old file stays as it was.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit small{128 * 1024, saved.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        save();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(dialogs->shown.back().kind, QStringLiteral("inform"));
        QCOMPARE(linesIn(path), 1);

        save();
        QCOMPARE(linesIn(path), 32767);
        test::clickBox(list, temporary_list::name::removeRepeatsBox); // remove doubles
        QCOMPARE(lines->count(), 16384);
        save();
        QCOMPARE(linesIn(path), 16384);
        // No half-written copy is left.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("list.txt")});
    }

    // Windows follow a Greek main window's on-top state, so that is on too.
    void randomClicksAndCloseControls()
    {
        box(main_window::name::languageBox)->setChecked(true);
        box(main_window::name::onTopBox)->setChecked(true);
        std::mt19937 random(7);
        const char *boxes[] = {main_window::name::temporaryListBox, main_window::name::toDecimalBox,
                               main_window::name::otherBaseBox, main_window::name::listsBox,
                               main_window::name::showAllBox};
        for (int step = 0; step < 250; ++step) {
            const unsigned action = random() % 8;
            if (action < 5)
                test::clickBox(window.get(), boxes[action]);
            else if (action == 5)
                QTest::mouseClick(test::control(window.get(), main_window::name::aboutPicture),
                                  Qt::LeftButton);
            else if (const auto all = companionWindows(); action == 6 && !all.isEmpty())
                all[int(random() % all.size())]->close();
            else
                QTest::qWait(int(random() % 25));
        }
        settleAndVerifyAgreement();
    }

    // Show All closing while the number converter and About open; a second close comes
    // queued while the first waits for their effects.
    void closingTheMainWindowDuringEffects()
    {
        for (const char *name : {main_window::name::showAllBox, main_window::name::showAllBox,
                                 main_window::name::toDecimalBox})
            test::clickBox(window.get(), name);
        QTest::mouseClick(test::control(window.get(), main_window::name::aboutPicture),
                          Qt::LeftButton);
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
