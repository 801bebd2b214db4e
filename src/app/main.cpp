#include "main_window/form_numeric.h"
#include "main_window/single_instance.h"
#include "main_window/startup.h"
#include "windows/common/appearance.h"
#include "windows/common/dialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    radixon::applyAppearance(app);
    radixon::QtDialogs dialogs;
    const radixon::SingleInstance instance;
    const std::unique_ptr<radixon::Form_Numeric> window = radixon::startMainWindow(dialogs, instance);
    if (!window)
        return 0;
    window->show();
    return QApplication::exec();
}
