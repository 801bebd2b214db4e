#include "windows/about/about_window.h"

#include "window_services/placement.h"
#include "window_services/qt_window_system.h"
#include "windows/about/about_names.h"
#include "windows/about/about_texts.h"
#include "windows/common/appearance.h"
#include "windows/common/layout.h"
#include "windows/common/web_address.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>

#include <utility>

namespace radixon {

namespace {

constexpr Qt::WindowFlags toolWindowWithClose = Qt::Tool | Qt::CustomizeWindowHint
                                                | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                | Qt::WindowCloseButtonHint;

// Client area; the frames keep a 90-twip margin to the window's edges.
const QSize clientSize(twipsToPixels(8370), twipsToPixels(4320));

QLabel *textLabel(QWidget *frame, const char *name, QRect twips)
{
    auto *label = place(new QLabel(frame), name, twips);
    // "<< Radixon >>" must not be taken for markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutWindow::AboutWindow(CompanionHost &host)
    : CompanionWindow(host, toolWindowWithClose),
      m_urlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QLatin1String(about::name::window));
    createControls();
    setClientSize(this, clientSize);
}

void AboutWindow::createControls()
{
    m_aboutFrame =
        place(new QGroupBox(this), about::name::aboutFrame, twipsRect(90, 90, 8190, 2910));
    m_picture =
        place(new QLabel(m_aboutFrame), about::name::picture, twipsRect(180, 315, 960, 960));
    m_aboutText = textLabel(m_aboutFrame, about::name::aboutText, twipsRect(1305, 315, 6750, 2475));
    // The long lines break between words rather than widen the window.
    m_aboutText->setWordWrap(true);
    m_picture->setPixmap(programIcon(64));
    m_picture->setAlignment(Qt::AlignCenter);

    m_licenceFrame =
        place(new QGroupBox(this), about::name::licenceFrame, twipsRect(90, 3090, 8190, 810));
    m_licenceText =
        textLabel(m_licenceFrame, about::name::licenceText, twipsRect(180, 270, 7830, 450));

    createLink();
}

void AboutWindow::createLink()
{
    m_webAddressLink =
        place(new QLabel(this), about::name::webAddressLink, twipsRect(90, 3945, 8190, 285));
    m_webAddressLink->setTextFormat(Qt::PlainText);
    m_webAddressLink->setAlignment(Qt::AlignCenter);
    m_webAddressLink->setText(QLatin1String(webAddress));
    QFont underlined = m_webAddressLink->font();
    underlined.setUnderline(true);
    m_webAddressLink->setFont(underlined);
    setCaptionColour(m_webAddressLink, m_webAddressLink->palette().color(QPalette::Link));
    m_webAddressLink->setCursor(Qt::PointingHandCursor);
    m_webAddressLink->installEventFilter(this);

    // Only the address itself answers the mouse, centred under the frames.
    const int width = m_webAddressLink->sizeHint().width() + 8;
    m_webAddressLink->setGeometry(clientOrigin(this).x() + (clientSize.width() - width) / 2,
                                  m_webAddressLink->y(), width, m_webAddressLink->height());
}

void AboutWindow::load()
{
    applyLanguage(m_host.language());
    centreOverMainWindow();
    playOpenEffect();
}

void AboutWindow::setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_webAddressLink && event->type() == QEvent::MouseButtonRelease) {
        const auto *release = static_cast<QMouseEvent *>(event);
        // As on a button, a release away from the address cancels the click.
        if (release->button() == Qt::LeftButton
            && m_webAddressLink->rect().contains(release->position().toPoint())) {
            openWebAddress();
            return true;
        }
    }
    return CompanionWindow::eventFilter(watched, event);
}

void AboutWindow::applyLanguage(const Language &language)
{
    applyTexts(this, about::context, about::texts, language);
}

void AboutWindow::centreOverMainWindow()
{
    QWidget *main = m_host.mainWindow();
    QScreen *screen = main ? main->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QRect placed(QPoint(), size().grownBy(decorationMargins()));
    placed.moveCenter(main ? main->frameGeometry().center() : area.center());
    // A main window near the screen's edge must not push the window off the screen.
    if (area.isValid()) {
        const Rect inside = movedInside(toRect(placed), toRect(area));
        placed.moveTopLeft({inside.left, inside.top});
    }
    move(placed.topLeft());
}

void AboutWindow::openWebAddress()
{
    // The page is a courtesy: when no handler opens it, nothing is reported.
    if (m_urlOpener)
        m_urlOpener(QUrl(QLatin1String(webAddress)));
}

} // namespace radixon
