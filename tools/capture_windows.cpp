// Saves a picture of every window, in Greek and in English, for the README:
//   radixon_capture_windows OUTPUT_FOLDER
// Run on a real display (scripts/take-screenshots.sh starts one).

#include "main_window/main_window.h"
#include "tools/window_pictures.h"
#include "windows/common/appearance.h"
#include "windows/common/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

using namespace radixon;

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
    const bool shown = showEveryWindow(main, [&folder](QWidget *window, const QString &name) {
        const QString file = folder.filePath(name);
        window->grab().save(file);
        std::printf("%s\n", qPrintable(file));
    });
    return shown ? 0 : 1;
}
