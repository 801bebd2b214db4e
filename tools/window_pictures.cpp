#include "tools/window_pictures.h"

#include "conversion/to_radix.h"
#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "window_services/window_effects.h"
#include "windows/about/about_names.h"
#include "windows/common/companion_window.h"
#include "windows/lists/lists_names.h"
#include "windows/other_base/other_base_names.h"
#include "windows/practice/practice_names.h"
#include "windows/practice/practice_window.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/working/working_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <memory>
#include <random>
#include <utility>

namespace radixon {

namespace {

QWidget *window(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

template <class T>
T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

// Every window by its object name, and the file name its pictures take.
const std::pair<const char *, const char *> pictures[] = {
    {main_window::name::window, "main-window"}, {lists::name::window, "lists"},
    {other_base::name::window, "other-base"},   {about::name::window, "about"},
    {to_decimal::name::window, "to-decimal"},   {temporary_list::name::window, "temporary-list"},
};

void type(QWidget *window, const char *field, const char *text)
{
    auto *entry = control<QLineEdit>(window, field);
    entry->setText(QLatin1String(text));
    QTest::keyClick(entry, Qt::Key_Return);
}

// A little of what a user would have typed, so that no window stands empty.
void fill(QWidget *main)
{
    type(main, main_window::name::numberField, "255");
    control<QComboBox>(main, main_window::name::systemList)->setCurrentIndex(2);
    type(main, main_window::name::numberField, "255");
    control<QListWidget>(window(lists::name::window), lists::name::binaryList)->setCurrentRow(9);
    QWidget *otherBase = window(other_base::name::window);
    control<QLineEdit>(otherBase, other_base::name::baseField)->setText(QStringLiteral("60"));
    type(otherBase, other_base::name::numberField, "123");
    QWidget *toDecimal = window(to_decimal::name::window);
    control<QComboBox>(toDecimal, to_decimal::name::systemList)->setCurrentIndex(2);
    type(toDecimal, to_decimal::name::numberField, "FF");
}

// The working of one calculation in each converting window, each opened by F2 there.
struct WorkingPicture {
    const char *stem;
    const char *asker;
    const char *field;   // where the number is typed and F2 pressed
    const char *systems; // the list to choose from, or the base field
    const char *system;  // the index in the list, or the base
    const char *number;
};
const WorkingPicture workings[] = {
    {"working-12.75-binary", main_window::name::window, main_window::name::numberField,
     main_window::name::systemList, "0", "12.75"},
    {"working-0.1-binary", main_window::name::window, main_window::name::numberField,
     main_window::name::systemList, "0", "0.1"},
    {"working-2024-hexadecimal", main_window::name::window, main_window::name::numberField,
     main_window::name::systemList, "2", "2024"},
    {"working-ff-to-decimal", to_decimal::name::window, to_decimal::name::numberField,
     to_decimal::name::systemList, "2", "FF"},
    {"working-1000000-base-36", other_base::name::window, other_base::name::numberField,
     other_base::name::baseField, "36", "1000000"},
    {"working-not-a-binary-digit", to_decimal::name::window, to_decimal::name::numberField,
     to_decimal::name::systemList, "0", "1021"},
};

bool takeWorkings(const QString &language, const PictureTaker &take)
{
    for (const WorkingPicture &picture : workings) {
        QWidget *asker = window(picture.asker);
        if (auto *systems = control<QComboBox>(asker, picture.systems))
            systems->setCurrentIndex(QByteArray(picture.system).toInt());
        else
            control<QLineEdit>(asker, picture.systems)->setText(QLatin1String(picture.system));
        type(asker, picture.field, picture.number);
        QTest::keyClick(control<QWidget>(asker, picture.field), Qt::Key_F2);
        QWidget *working = nullptr;
        if (!QTest::qWaitFor([&working] {
                working = window(working::name::window);
                return working && !isEffectRunning(working);
            }))
            return false;
        working->activateWindow();
        if (!QTest::qWaitFor([working] { return working->isActiveWindow(); }))
            return false;
        QApplication::processEvents(); // the new working laid out, though it was active already
        take(working, QStringLiteral("%1-%2.png").arg(QLatin1String(picture.stem), language));
    }
    qobject_cast<CompanionWindow *>(window(working::name::window))->unload();
    return true;
}

QWidget *settled(const char *name)
{
    QWidget *shown = nullptr;
    const bool open = QTest::qWaitFor([&shown, name] {
        shown = window(name);
        return shown && !isEffectRunning(shown);
    });
    return open ? shown : nullptr;
}

// The number a practice exercise asks for, written in binary.
QString binaryAnswer(QWidget *practice)
{
    const QString question = control<QLabel>(practice, practice::name::questionLine)->text();
    const auto number = QRegularExpression(QStringLiteral("\\d+")).match(question).captured();
    return QString::fromStdString(*toRadix(decimalFromInteger(number.toULongLong()), 2));
}

// Practice in the main window's binary, from numbers of a fixed seed: an exercise, its right
// answer, and a wrong one with the working that marks its step.
bool takePractice(const QString &language, const PictureTaker &take)
{
    QWidget *main = window(main_window::name::window);
    control<QComboBox>(main, main_window::name::systemList)->setCurrentIndex(0);
    QTest::keyClick(control<QWidget>(main, main_window::name::numberField), Qt::Key_F3);
    QWidget *practice = settled(practice::name::window);
    if (!practice)
        return false;
    control<QComboBox>(practice, practice::name::levelList)->setCurrentIndex(1);
    qobject_cast<PracticeWindow *>(practice)->setRandomSource(
        [random = std::make_shared<std::mt19937_64>(45)](std::uint64_t bound) {
            return (*random)() % bound;
        });
    const auto shoot = [&language, &take](QWidget *shown, const char *stem) {
        shown->activateWindow();
        if (!QTest::qWaitFor([shown] { return shown->isActiveWindow(); }))
            return false;
        take(shown, QStringLiteral("%1-%2.png").arg(QLatin1String(stem), language));
        return true;
    };
    auto *field = control<QLineEdit>(practice, practice::name::answerField);
    if (!shoot(practice, "practice-exercise"))
        return false;
    field->setText(binaryAnswer(practice));
    QTest::keyClick(field, Qt::Key_Return);
    if (!shoot(practice, "practice-right"))
        return false;
    QTest::keyClick(field, Qt::Key_Return); // the next exercise, answered with a digit wrong
    QString wrong = binaryAnswer(practice);
    const int middle = int(wrong.size()) / 2;
    wrong[middle] = wrong[middle] == u'1' ? u'0' : u'1';
    field->setText(wrong);
    QTest::keyClick(field, Qt::Key_Return);
    QWidget *working = settled(working::name::window);
    if (!working || !shoot(practice, "practice-wrong") || !shoot(working, "working-marked"))
        return false;
    qobject_cast<CompanionWindow *>(working)->unload();
    qobject_cast<CompanionWindow *>(practice)->unload();
    return true;
}

bool noCompanionLeft()
{
    const QWidgetList all = QApplication::topLevelWidgets();
    return std::none_of(all.begin(), all.end(), [](const QWidget *w) {
        return qobject_cast<const CompanionWindow *>(w) != nullptr;
    });
}

} // namespace

bool showEveryWindow(MainWindow &main, const PictureTaker &take)
{
    QApplication::setCursorFlashTime(0);
    QCursor::setPos(0, 0); // no window under the pointer, none highlighted
    for (const char *language : {"greek", "english"}) {
        control<QCheckBox>(&main, main_window::name::languageBox)
            ->setChecked(QLatin1String(language) == QLatin1String("greek"));
        control<QCheckBox>(&main, main_window::name::optionsBox)->setChecked(true);
        control<QCheckBox>(&main, main_window::name::showAllBox)->setChecked(true);
        QTest::mouseClick(control<QWidget>(&main, main_window::name::aboutPicture), Qt::LeftButton);
        // "Show All" opens the windows one after the other, each with its effect.
        for (const auto &picture : pictures) {
            if (!QTest::qWaitFor([&picture] {
                    const QWidget *shown = window(picture.first);
                    return shown && !isEffectRunning(shown);
                }))
                return false;
        }
        fill(&main);
        for (const auto &[name, stem] : pictures) {
            QWidget *shown = window(name);
            shown->activateWindow();
            if (!QTest::qWaitFor([shown] { return shown->isActiveWindow(); }))
                return false;
            take(shown,
                 QStringLiteral("%1-%2.png").arg(QLatin1String(stem), QLatin1String(language)));
        }
        if (!takeWorkings(QLatin1String(language), take)
            || !takePractice(QLatin1String(language), take))
            return false;
        control<QCheckBox>(&main, main_window::name::showAllBox)->setChecked(false);
        if (auto *about = qobject_cast<CompanionWindow *>(window(about::name::window)))
            about->unload();
        // "Show All" closes the windows one after the other.
        if (!QTest::qWaitFor(noCompanionLeft))
            return false;
    }
    return true;
}

} // namespace radixon
