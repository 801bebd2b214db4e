#include "main_window/main_window.h"
#include "main_window/single_instance.h"
#include "main_window/startup.h"
#include "windows/common/appearance.h"
#include "windows/common/dialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    radixon::preferX11OnWayland();
    QApplication::setApplicationName(QStringLiteral("radixon"));
    QApplication::setApplicationVersion(QStringLiteral(RADIXON_VERSION));
    const radixon::Language &language = radixon::readCommandLine(argc, argv);
    QApplication app(argc, argv);
    radixon::applyAppearance(app);
    radixon::QtDialogs dialogs;
    radixon::SingleInstance instance;
    const std::unique_ptr<radixon::MainWindow> window =
        radixon::startMainWindow(dialogs, instance, language);
    if (!window)
        return 0;
    // From now on, later copies see this one.
    instance.claimSlot();
    window->show();
    return QApplication::exec();
}
