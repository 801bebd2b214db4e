#include "main_window/startup.h"

#include "main_window/main_window.h"
#include "main_window/main_window_texts.h"
#include "main_window/single_instance.h"
#include "window_services/window_frame.h"
#include "windows/common/dialogs.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace radixon {

namespace {

// The command-line options of Qt's GUI application and its X11 platform.
constexpr const char *qtOptionsWithValue[] = {"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "qwindowicon",
                                              "qwindowtitle",
                                              "session",
                                              "display",
                                              "geometry",
                                              "title",
                                              "icon",
                                              "style",
                                              "stylesheet",
                                              "name",
                                              "visual",
                                              "ncols",
                                              "cmap",
                                              "qmljsdebugger"};
constexpr const char *qtFlags[] = {"reverse", "testability", "nograb",
                                   "dograb",  "widgetcount", "sync"};

// "el (Ελληνικά, the default), en (English), …": every language with a catalogue.
QString carriedLanguages()
{
    QStringList named;
    for (const QString &code : Language::carried()) {
        const QLocale locale(code);
        const QString name = locale.language() == QLocale::English // not "American English"
                                 ? QLocale::languageToString(QLocale::English)
                                 : locale.nativeLanguageName();
        named << QStringLiteral("%1 (%2%3)")
                     .arg(code, name.left(1).toUpper() + name.mid(1),
                          code == QLatin1String("el") ? QStringLiteral(", the default")
                                                      : QString());
    }
    return named.join(QStringLiteral(", "));
}

QCommandLineOption hidden(QCommandLineOption option)
{
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

} // namespace

void preferX11OnWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

const Language &readCommandLine(int argc, char *argv[])
{
    // Parsed before the application connects to a display, so that help, the version
    // and a wrong option work in a terminal without one. The options the GUI
    // application takes for itself are known here, and not shown.
    int count = argc;
    const QCoreApplication app(count, argv);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Number-system calculator with a Greek and an English interface."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption systemFramesOption(
        QStringLiteral("system-frames"),
        QStringLiteral("Keep the window manager's title bars and borders (for tiling window "
                       "managers); windows then snap when a move by the title bar ends."));
    parser.addOption(systemFramesOption);
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Start in the language of that code: %1. The language box then "
                       "switches between that language (Greek when it is English) and English.")
            .arg(carriedLanguages()),
        QStringLiteral("code"));
    parser.addOption(languageOption);
    for (const char *name : qtOptionsWithValue)
        parser.addOption(
            hidden(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value"))));
    for (const char *name : qtFlags)
        parser.addOption(hidden(QCommandLineOption(QLatin1String(name))));
    parser.process(app);
    setSystemFrames(parser.isSet(systemFramesOption));
    const QString code =
        parser.isSet(languageOption) ? parser.value(languageOption) : QStringLiteral("el");
    if (const Language *language = Language::find(code)) {
        Language::setStartLanguage(*language);
        return *language;
    }
    std::fprintf(stderr, "%s: No catalogue for the language '%s'.\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(code));
    std::exit(EXIT_FAILURE);
}

QPoint centredOnScreen(const QRect &screen, const QSize &size)
{
    const double top = screen.height() * 0.95 / 2 - size.height() / 2.0;
    const double left = screen.width() / 2.0 - size.width() / 2.0;
    return screen.topLeft()
           + QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

std::unique_ptr<MainWindow> startMainWindow(Dialogs &dialogs, const SingleInstance &instance,
                                            const Language &language)
{
    if (!instance.anotherCopyRunning())
        return std::make_unique<MainWindow>(dialogs, MainWindow::Height::Usual, language);
    if (!dialogs.askYesNo(nullptr, QString::fromUtf8(main_window::anotherCopyTitle),
                          QString::fromUtf8(main_window::anotherCopyQuestion)))
        return nullptr;

    // A second copy is centred with the size it was designed with, options panel in
    // view, and then stands one window width further right, so that it does not
    // hide the first.
    auto window =
        std::make_unique<MainWindow>(dialogs, MainWindow::Height::OnePixelTaller, language);
    const QSize client = window->size().shrunkBy(frameMargins(window.get()));
    const QSize frame = window->frameGeometry().size() - client;
    const QSize designed = QSize(MainWindow::clientWidth, MainWindow::openHeight) + frame;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window->move(centredOnScreen(screen, designed) + QPoint(designed.width(), 0));
    return window;
}

} // namespace radixon
