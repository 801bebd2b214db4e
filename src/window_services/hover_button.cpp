#include "window_services/hover_button.h"

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

void hoverOff(QAbstractButton *control)
{
    if (highlighted() != control)
        return;
    highlighted() = nullptr;
    ClearBold(control);
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
            if (QAbstractButton *stale = highlighted(); stale && stale != control && !stale->underMouse())
                hoverOff(stale);
            HoverOn(control);
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

void HoverOn(QAbstractButton *control)
{
    if (!control || highlighted())
        return;
    highlighted() = control;
    SetBold(control);
}

void enableHover(QAbstractButton *control)
{
    if (!control)
        return;
    control->removeEventFilter(&hoverFilter());
    control->installEventFilter(&hoverFilter());
}

void SetBold(QAbstractButton *control)
{
    if (!control)
        return;
    QFont font = control->font();
    font.setBold(true);
    control->setFont(font);
}

void ClearBold(QAbstractButton *control)
{
    if (!control)
        return;
    QFont font = control->font();
    font.setBold(false);
    control->setFont(font);
}

QAbstractButton *hoveredControl()
{
    return highlighted();
}

} // namespace radixon
