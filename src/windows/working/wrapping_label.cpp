#include "windows/working/wrapping_label.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace radixon {

namespace {

// Wide enough for a short sentence on one line before the window's width is known.
constexpr int preferredWidth = 360;

} // namespace

WrappingLabel::WrappingLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrappingLabel::layOut(int width, QPainter *painter, QPointF at) const
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal height = 0;
    for (const QString &paragraph : text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition({0, height});
            height += line.height();
        }
        layout.endLayout();
        if (painter)
            layout.draw(painter, at);
    }
    return int(std::ceil(height));
}

int WrappingLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    return layOut(width - margins.left() - margins.right()) + margins.top() + margins.bottom();
}

QSize WrappingLabel::sizeHint() const
{
    const int width = std::min(preferredWidth, fontMetrics().horizontalAdvance(text()) + 1);
    return {width, heightForWidth(width)};
}

QSize WrappingLabel::minimumSizeHint() const
{
    const int width = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    return {width, heightForWidth(width)};
}

void WrappingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    layOut(area.width(), &painter, area.topLeft());
}

} // namespace radixon
