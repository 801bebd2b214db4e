#include "window_services/hover_highlight.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPointer>

namespace radixon {

namespace {

QPointer<QAbstractButton> &highlighted()
{
    static QPointer<QAbstractButton> control;
    return control;
}

void setBold(QAbstractButton *control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

void hoverOn(QAbstractButton *control)
{
    if (!control || highlighted())
        return;
    highlighted() = control;
    setBold(control, true);
}

void hoverOff(QAbstractButton *control)
{
    if (highlighted() != control)
        return;
    highlighted() = nullptr;
    setBold(control, false);
}

class HoverFilter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *control = qobject_cast<QAbstractButton *>(watched);
        if (!control)
            return false;
        switch (event->type()) {
        case QEvent::Enter:
            // A highlight whose leave never came (its window was covered, say) gives way.
            if (QAbstractButton *stale = highlighted();
                stale && stale != control && !stale->underMouse())
                hoverOff(stale);
            hoverOn(control);
            break;
        case QEvent::Leave:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            // A hidden or disabled control gets no leave event later on.
            if (event->type() != QEvent::EnabledChange || !control->isEnabled())
                hoverOff(control);
            break;
        default:
            break;
        }
        return false;
    }
};

HoverFilter &hoverFilter()
{
    static HoverFilter filter;
    return filter;
}

} // namespace

void enableHover(QAbstractButton *control)
{
    if (!control)
        return;
    control->removeEventFilter(&hoverFilter());
    control->installEventFilter(&hoverFilter());
}

QAbstractButton *hoveredControl() { return highlighted(); }

} // namespace radixon
