#include "main_window/startup.h"

#include "main_window/form_numeric.h"
#include "main_window/form_numeric_texts.h"
#include "main_window/single_instance.h"
#include "windows/common/dialogs.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace radixon {

QPoint CenterOnScreen(const QRect &screen, const QSize &size)
{
    const double top = screen.height() * 0.95 / 2 - size.height() / 2.0;
    const double left = screen.width() / 2.0 - size.width() / 2.0;
    return screen.topLeft()
        + QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

std::unique_ptr<Form_Numeric> startMainWindow(Dialogs &dialogs, const SingleInstance &instance)
{
    if (!instance.anotherCopyRunning())
        return std::make_unique<Form_Numeric>(dialogs);
    if (!dialogs.askYesNo(nullptr, QString::fromUtf8(form_numeric::anotherCopyTitle),
                          QString::fromUtf8(form_numeric::anotherCopyQuestion)))
        return nullptr;

    // A second copy stands one window width to the right of the centred place, so
    // that it does not hide the first.
    auto window = std::make_unique<Form_Numeric>(dialogs, Form_Numeric::Copy::Second);
    const QSize designed(Form_Numeric::clientWidth, Form_Numeric::openHeight);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window->move(CenterOnScreen(screen, designed) + QPoint(window->width(), 0));
    return window;
}

} // namespace radixon
