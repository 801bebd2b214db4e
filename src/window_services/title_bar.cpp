#include "window_services/title_bar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTitleBar>
#include <QStylePainter>

namespace radixon {

namespace {

// The style lays out the buttons from these flags, so they must match the buttons we create.
Qt::WindowFlags titleBarFlags(TitleBar::Kind kind, TitleBar::Buttons buttons)
{
    Qt::WindowFlags flags = Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    flags |= kind == TitleBar::Kind::Tool ? Qt::Tool : Qt::Window;
    if (buttons.testFlag(TitleBar::MinimizeButton))
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace

TitleBarButton::TitleBarButton(QStyle::SubControl subControl, TitleBar *titleBar)
    : QAbstractButton(titleBar), m_subControl(subControl), m_titleBar(titleBar)
{
    // Like a window manager's buttons: clickable, but never in the window's tab chain.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QSize TitleBarButton::sizeHint() const
{
    QStyleOptionTitleBar option;
    m_titleBar->initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_TitleBar, &option, m_subControl, m_titleBar).size();
}

void TitleBarButton::paintEvent(QPaintEvent *)
{
    QStyleOptionTitleBar option;
    m_titleBar->initStyleOption(&option);
    option.subControls = m_subControl;
    if (isDown() || underMouse())
        option.activeSubControls = m_subControl;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    else if (underMouse())
        option.state |= QStyle::State_MouseOver;
    // The style draws the whole bar's background too; clipped to this button it matches
    // the bar behind it.
    QPainter painter(this);
    painter.translate(-pos());
    style()->drawComplexControl(QStyle::CC_TitleBar, &option, &painter, m_titleBar);
}

TitleBar::TitleBar(QWidget *window, Buttons buttons, Kind kind, DragStart onDragStart)
    : QWidget(window), m_kind(kind), m_buttons(buttons | CloseButton),
      m_onDragStart(std::move(onDragStart))
{
    setObjectName(QStringLiteral("titleBar"));
    setAttribute(Qt::WA_Hover);
    if (m_buttons.testFlag(MinimizeButton)) {
        m_minimizeButton = new TitleBarButton(QStyle::SC_TitleBarMinButton, this);
        m_minimizeButton->setObjectName(QStringLiteral("titleBarMinimizeButton"));
        connect(m_minimizeButton, &QAbstractButton::clicked, this,
                [this] { this->window()->showMinimized(); });
    }
    m_closeButton = new TitleBarButton(QStyle::SC_TitleBarCloseButton, this);
    m_closeButton->setObjectName(QStringLiteral("titleBarCloseButton"));
    // Through close() so the window's own closeEvent decides, as for Alt+F4.
    connect(m_closeButton, &QAbstractButton::clicked, this, [this] { this->window()->close(); });
    setButtonNames(QStringLiteral("Close"), QStringLiteral("Minimize"));
    this->window()->installEventFilter(this);
    resize(sizeHint());
}

void TitleBar::setButtonNames(const QString &close, const QString &minimize)
{
    m_closeButton->setAccessibleName(close);
    m_closeButton->setToolTip(close);
    if (m_minimizeButton) {
        m_minimizeButton->setAccessibleName(minimize);
        m_minimizeButton->setToolTip(minimize);
    }
}

int TitleBar::barHeight() const
{
    QStyleOptionTitleBar option;
    option.initFrom(this);
    option.titleBarFlags = titleBarFlags(m_kind, m_buttons);
    return style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this);
}

QSize TitleBar::sizeHint() const { return {width(), barHeight()}; }

void TitleBar::initStyleOption(QStyleOptionTitleBar *option) const
{
    const QWidget *win = window();
    option->initFrom(this);
    // The window's border is the bar's outline, so the style's own outline and rounded
    // corners fall just outside the widget and are clipped away.
    option->rect = rect().adjusted(-1, -1, 1, 0);
    // No icon: the windows are narrow and their titles long, and the taskbar shows it.
    option->subControls = QStyle::SC_TitleBarLabel;
    option->titleBarFlags = titleBarFlags(m_kind, m_buttons);
    option->icon = win->windowIcon();
    // initFrom has taken the active state and colours from the window. Its minimised or
    // maximised state is left out: the bar keeps one layout.
    option->titleBarState = int(option->state & QStyle::State_Active);
    option->text = win->windowTitle();
    const QRect label =
        style()->subControlRect(QStyle::CC_TitleBar, option, QStyle::SC_TitleBarLabel, this);
    option->text = option->fontMetrics.elidedText(option->text, Qt::ElideRight, label.width());
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window()) {
        switch (event->type()) {
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::ActivationChange:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TitleBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) {
        updateGeometry();
        placeButtons();
    }
    QWidget::changeEvent(event);
}

void TitleBar::resizeEvent(QResizeEvent *event)
{
    placeButtons();
    QWidget::resizeEvent(event);
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QStyleOptionTitleBar option;
    initStyleOption(&option);
    QStylePainter painter(this);
    painter.drawComplexControl(QStyle::CC_TitleBar, option);
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    if (m_onDragStart)
        m_onDragStart(window(), event->globalPosition().toPoint());
}

// The windows have a fixed size, so there is nothing to maximise; and the default would
// treat the second click as another press and start a second drag.
void TitleBar::mouseDoubleClickEvent(QMouseEvent *) {}

void TitleBar::placeButtons()
{
    QStyleOptionTitleBar option;
    initStyleOption(&option);
    for (TitleBarButton *button : {m_minimizeButton, m_closeButton}) {
        if (button)
            button->setGeometry(
                style()->subControlRect(QStyle::CC_TitleBar, &option, button->subControl(), this));
    }
}

} // namespace radixon
