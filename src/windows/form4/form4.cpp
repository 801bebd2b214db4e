#include "windows/form4/form4.h"

#include "windows/common/appearance.h"
#include "windows/common/layout.h"
#include "windows/form4/form4_texts.h"
#include "windows/form4/web_address.h"

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

Form4::Form4(CompanionHost &host)
    : CompanionWindow(host, Companion::About, toolWindowWithClose),
      urlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("Form4"));
    createControls();
    setFixedSize(clientSize);
}

void Form4::createControls()
{
    Frame1 = place(new QGroupBox(this), "Frame1", twipsRect(90, 90, 8190, 2910));
    Picture1 = place(new QLabel(Frame1), "Picture1", twipsRect(180, 315, 960, 960));
    Label1 = textLabel(Frame1, "Label1", twipsRect(1305, 315, 6750, 2475));
    // The long lines break between words rather than widen the window.
    Label1->setWordWrap(true);
    Picture1->setPixmap(programIcon(64));
    Picture1->setAlignment(Qt::AlignCenter);

    Frame2 = place(new QGroupBox(this), "Frame2", twipsRect(90, 3090, 8190, 810));
    lblDisclaimer = textLabel(Frame2, "lblDisclaimer", twipsRect(180, 270, 7830, 450));

    createLink();
}

void Form4::createLink()
{
    Label3 = place(new QLabel(this), "Label3", twipsRect(90, 3945, 8190, 285));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setText(QLatin1String(webAddress));
    QFont underlined = Label3->font();
    underlined.setUnderline(true);
    Label3->setFont(underlined);
    setCaptionColour(Label3, Label3->palette().color(QPalette::Link));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->installEventFilter(this);

    // Only the address itself answers the mouse, centred under the frames.
    const int width = Label3->sizeHint().width() + 8;
    Label3->setGeometry((clientSize.width() - width) / 2, Label3->y(), width, Label3->height());
}

void Form4::load()
{
    applyLanguage(host.greek());
    centreOverMainWindow();
    playOpenEffect();
}

void Form4::setUrlOpener(UrlOpener opener) { urlOpener = std::move(opener); }

bool Form4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label3 && event->type() == QEvent::MouseButtonRelease) {
        const auto *release = static_cast<QMouseEvent *>(event);
        // As on a button, a release away from the address cancels the click.
        if (release->button() == Qt::LeftButton
            && Label3->rect().contains(release->position().toPoint())) {
            openWebAddress();
            return true;
        }
    }
    return CompanionWindow::eventFilter(watched, event);
}

void Form4::applyLanguage(bool greek) { applyTexts(this, form4::texts, greek); }

void Form4::centreOverMainWindow()
{
    QWidget *main = host.mainWindow();
    QScreen *screen = main ? main->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QRect placed(QPoint(), size().grownBy(decorationMargins()));
    placed.moveCenter(main ? main->frameGeometry().center() : area.center());
    // A main window near the screen's edge must not push the window off the screen.
    if (area.isValid()) {
        placed.moveRight(qMin(placed.right(), area.right()));
        placed.moveBottom(qMin(placed.bottom(), area.bottom()));
        placed.moveLeft(qMax(placed.left(), area.left()));
        placed.moveTop(qMax(placed.top(), area.top()));
    }
    move(placed.topLeft());
}

void Form4::openWebAddress()
{
    // The page is a courtesy: when no handler opens it, nothing is reported.
    if (urlOpener)
        urlOpener(QUrl(QLatin1String(webAddress)));
}

} // namespace radixon
