// Times the working window on the largest inputs: opening it until its table's first
// frame is painted, against opening the temporary list window the same way, and every
// frame of a scroll from the top of the table to the bottom, a page at a time.

#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "window_services/window_effects.h"
#include "windows/common/appearance.h"
#include "windows/common/dialogs.h"
#include "windows/other_base/other_base_names.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/working/working_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace radixon;

namespace {

QWidget *openWindow(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Notes when the first paint of a window's part named `part` begins.
struct FirstPaint : QObject {
    const char *part;
    qint64 at = -1;
    QElapsedTimer *clock;
    FirstPaint(const char *p, QElapsedTimer *c) : part(p), clock(c) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (at < 0 && event->type() == QEvent::Paint && watched->parent()
            && watched->parent()->objectName() == QLatin1String(part))
            at = clock->nsecsElapsed();
        return false;
    }
};

// Milliseconds from `open` until the first paint of `part` in the window it opens.
double timeToFirstPaint(const std::function<void()> &open, const char *window, const char *part)
{
    QElapsedTimer clock;
    FirstPaint watcher(part, &clock);
    qApp->installEventFilter(&watcher);
    clock.start();
    open();
    (void)QTest::qWaitFor([&] { return watcher.at >= 0; }, 10000);
    qApp->removeEventFilter(&watcher);
    QWidget *opened = openWindow(window);
    (void)QTest::qWaitFor([opened] { return !isEffectRunning(opened); });
    delete opened;
    QTest::qWait(50);
    return watcher.at / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds of each frame of a scroll from the table's top to its bottom, a page a frame.
std::vector<double> scrollFrames(QTableView *table)
{
    QScrollBar *bar = table->verticalScrollBar();
    std::vector<double> frames;
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
        QElapsedTimer frame;
        frame.start();
        bar->setValue(value);
        table->viewport()->repaint();
        frames.push_back(frame.nsecsElapsed() / 1e6);
    }
    return frames;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform reports every mask of the effects.
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    applyAppearance(app);
    QtDialogs dialogs;
    MainWindow main(dialogs);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    main.findChild<QCheckBox *>(QLatin1String(main_window::name::optionsBox))->setChecked(true);
    main.findChild<QCheckBox *>(QLatin1String(main_window::name::toDecimalBox))->setChecked(true);
    (void)QTest::qWaitFor([] { return openWindow(to_decimal::name::window); });
    QWidget *toDecimal = openWindow(to_decimal::name::window);
    toDecimal->findChild<QComboBox *>(QLatin1String(to_decimal::name::systemList))
        ->setCurrentIndex(2);
    auto *hexField =
        toDecimal->findChild<QLineEdit *>(QLatin1String(to_decimal::name::numberField));
    hexField->setText(QString(32767, u'F'));
    QTest::keyClick(hexField, Qt::Key_Return);
    // F2 in the system list: in the number field it would also repaint 32767 characters.
    QWidget *hexSystems =
        toDecimal->findChild<QComboBox *>(QLatin1String(to_decimal::name::systemList));
    auto *decimalField = main.findChild<QLineEdit *>(QLatin1String(main_window::name::numberField));
    main.findChild<QComboBox *>(QLatin1String(main_window::name::systemList))->setCurrentIndex(0);
    decimalField->setText(QStringLiteral("79228162514264337593543950335"));
    QTest::keyClick(decimalField, Qt::Key_Return);
    auto *listBox = main.findChild<QCheckBox *>(QLatin1String(main_window::name::temporaryListBox));
    // 28 decimal places in base 3: a period of about 10^19 digits, 128 rows shown.
    main.findChild<QCheckBox *>(QLatin1String(main_window::name::otherBaseBox))->setChecked(true);
    (void)QTest::qWaitFor([] { return openWindow(other_base::name::window); });
    QWidget *otherBase = openWindow(other_base::name::window);
    auto *baseField = otherBase->findChild<QLineEdit *>(QLatin1String(other_base::name::baseField));
    baseField->setText(QStringLiteral("3"));
    auto *fractionField =
        otherBase->findChild<QLineEdit *>(QLatin1String(other_base::name::numberField));
    fractionField->setText(QStringLiteral("7.9228162514264337593543950335"));
    QTest::keyClick(fractionField, Qt::Key_Return);

    // Rounds alternate the four openings, so that a slow moment weighs on all alike.
    std::vector<double> list, binary, hexadecimal, fraction;
    for (int round = 0; round < 9; ++round) {
        list.push_back(timeToFirstPaint([listBox] { listBox->setChecked(true); },
                                        temporary_list::name::window, temporary_list::name::list));
        listBox->setChecked(false);
        binary.push_back(
            timeToFirstPaint([decimalField] { QTest::keyClick(decimalField, Qt::Key_F2); },
                             working::name::window, working::name::table));
        hexadecimal.push_back(
            timeToFirstPaint([hexSystems] { QTest::keyClick(hexSystems, Qt::Key_F2); },
                             working::name::window, working::name::table));
        fraction.push_back(timeToFirstPaint([baseField] { QTest::keyClick(baseField, Qt::Key_F2); },
                                            working::name::window, working::name::fractionTable));
    }
    std::printf("open until the first frame, median of %zu:\n", list.size());
    std::printf("  temporary list window (reference)      %7.2f ms\n", median(list));
    std::printf("  working, 2^96 - 1 in binary (96 rows)  %7.2f ms  ratio %.2f\n", median(binary),
                median(binary) / median(list));
    std::printf("  working, 32767 hexadecimal digits      %7.2f ms  ratio %.2f\n",
                median(hexadecimal), median(hexadecimal) / median(list));
    std::printf("  working, 28 places in base 3 (period)  %7.2f ms  ratio %.2f\n", median(fraction),
                median(fraction) / median(list));
    std::fflush(stdout);

    // Each page of the longest workings, painted as the view shows it.
    const std::pair<QWidget *, const char *> scrolled[] = {
        {hexField, working::name::table}, {baseField, working::name::fractionTable}};
    for (const auto &[asker, table] : scrolled) {
        QTest::keyClick(asker, Qt::Key_F2);
        QWidget *working = nullptr;
        (void)QTest::qWaitFor([&working] {
            working = openWindow(working::name::window);
            return working && !isEffectRunning(working);
        });
        const std::vector<double> frames =
            scrollFrames(working->findChild<QTableView *>(QLatin1String(table)));
        std::printf("scroll the %s from top to bottom, a page at a time: %zu frames, median "
                    "%.2f ms, slowest %.2f ms (goal: none over 16 ms)\n",
                    table, frames.size(), median(frames),
                    *std::max_element(frames.begin(), frames.end()));
    }
    return 0;
}
