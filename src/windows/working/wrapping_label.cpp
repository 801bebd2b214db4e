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

void WrappingLabel::layOut(int width) const
{
    if (width == m_laidOutWidth && text() == m_laidOutText)
        return;
    m_laidOutWidth = width;
    m_laidOutText = text();
    m_glyphs.clear();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal height = 0;
    for (const QString &paragraph : m_laidOutText.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition({0, height});
            height += line.height();
        }
        layout.endLayout();
        m_glyphs += layout.glyphRuns();
    }
    m_laidOutHeight = int(std::ceil(height));
}

int WrappingLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    layOut(width - margins.left() - margins.right());
    return m_laidOutHeight + margins.top() + margins.bottom();
}

// The heights come from heightForWidth(); the hints only say how narrow the label may go,
// without laying the text out at widths it will never have.
QSize WrappingLabel::sizeHint() const
{
    return {std::min(preferredWidth, fontMetrics().horizontalAdvance(text()) + 1),
            fontMetrics().height()};
}

QSize WrappingLabel::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QLatin1Char('M')), fontMetrics().height()};
}

void WrappingLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_laidOutWidth = -1; // laid out again in the new font
    QLabel::changeEvent(event);
}

void WrappingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    layOut(area.width());
    for (const QGlyphRun &glyphs : std::as_const(m_glyphs))
        painter.drawGlyphRun(area.topLeft(), glyphs);
}

} // namespace radixon
