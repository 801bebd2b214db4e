// Saves a picture of every window, in Greek and in English, for the README:
//   radixon_capture_windows OUTPUT_FOLDER
// Run on a real display (scripts/take-screenshots.sh starts one).

#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "window_services/window_effects.h"
#include "windows/about/about_names.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"
#include "windows/common/dialogs.h"
#include "windows/lists/lists_names.h"
#include "windows/other_base/other_base_names.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/to_decimal/to_decimal_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <utility>

using namespace radixon;

namespace {

QWidget *window(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Every window by its object name, and the file name its pictures take.
const std::pair<const char *, const char *> pictures[] = {
    {main_window::name::window, "main-window"}, {lists::name::window, "lists"},
    {other_base::name::window, "other-base"},   {about::name::window, "about"},
    {to_decimal::name::window, "to-decimal"},   {temporary_list::name::window, "temporary-list"},
};

void save(const QDir &folder, const char *name, const char *stem, const char *language)
{
    if (QWidget *shown = window(name)) {
        const QString file = folder.filePath(
            QStringLiteral("%1-%2.png").arg(QLatin1String(stem), QLatin1String(language)));
        shown->grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
}

void fill(QWidget *main)
{
    // A little of what a user would have typed, so that no window stands empty.
    auto *entry = main->findChild<QLineEdit *>(QLatin1String(main_window::name::numberField));
    entry->setText(QStringLiteral("255"));
    QTest::keyClick(entry, Qt::Key_Return);
    main->findChild<QComboBox *>(QLatin1String(main_window::name::systemList))->setCurrentIndex(2);
    QTest::keyClick(entry, Qt::Key_Return);
    if (QWidget *lists = window(lists::name::window))
        lists->findChild<QListWidget *>(QLatin1String(lists::name::binaryList))->setCurrentRow(9);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QtDialogs dialogs;
    MainWindow main(dialogs);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;

    for (const char *language : {"greek", "english"}) {
        auto *greek = main.findChild<QCheckBox *>(QLatin1String(main_window::name::languageBox));
        greek->setChecked(QLatin1String(language) == QLatin1String("greek"));
        main.findChild<QCheckBox *>(QLatin1String(main_window::name::optionsBox))->setChecked(true);
        main.findChild<QCheckBox *>(QLatin1String(main_window::name::showAllBox))->setChecked(true);
        QTest::mouseClick(main.findChild<QWidget *>(QLatin1String(main_window::name::aboutPicture)),
                          Qt::LeftButton);
        // "Show All" opens the windows one after the other, each with its effect.
        for (const auto &picture : pictures) {
            if (!QTest::qWaitFor(
                    [&picture] {
                        const QWidget *shown = window(picture.first);
                        return shown && !isEffectRunning(shown);
                    },
                    10000))
                return 1;
        }
        fill(&main);
        QTest::qWait(100);
        for (const auto &[name, stem] : pictures)
            save(folder, name, stem, language);
        main.findChild<QCheckBox *>(QLatin1String(main_window::name::showAllBox))
            ->setChecked(false);
        if (auto *about = qobject_cast<CompanionWindow *>(window(about::name::window)))
            about->unload();
        // "Show All" closes the windows one after the other.
        if (!QTest::qWaitFor(
                [] {
                    const QWidgetList all = QApplication::topLevelWidgets();
                    return std::none_of(all.begin(), all.end(), [](const QWidget *w) {
                        return qobject_cast<const CompanionWindow *>(w) != nullptr;
                    });
                },
                10000))
            return 1;
    }
    return 0;
}
