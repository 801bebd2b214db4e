#include "windows/common/appearance.h"

#include "windows/common/qt_texts.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QStyleOptionTitleBar>

namespace radixon {

namespace {

// Rows of check boxes stand 14 pixels apart, so the indicator must stay within 13.
// Frames carry their caption on the top border line, so that controls placed just
// below the caption stay clear of the line.
class CompactStyle : public QProxyStyle {
public:
    CompactStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        if (control == CC_TitleBar && part == SC_TitleBarLabel)
            return titleLabelRect(option, widget);
        const auto *frame = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !frame)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const int captionHeight = frame->fontMetrics.height();
        switch (part) {
        case SC_GroupBoxFrame:
            return frame->rect.adjusted(0, captionHeight / 2, 0, 0);
        case SC_GroupBoxLabel:
            return {frame->rect.left() + 6, frame->rect.top(),
                    frame->fontMetrics.horizontalAdvance(frame->text) + 4, captionHeight};
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }

    // The windows are narrow and their titles long: the title takes all the room left
    // of the buttons instead of keeping a margin for buttons the windows do not have.
    QRect titleLabelRect(const QStyleOptionComplex *option, const QWidget *widget) const
    {
        const QRect styled =
            QProxyStyle::subControlRect(CC_TitleBar, option, SC_TitleBarLabel, widget);
        int right = option->rect.right() - 4;
        for (SubControl button : {SC_TitleBarCloseButton, SC_TitleBarMinButton}) {
            const QRect r = QProxyStyle::subControlRect(CC_TitleBar, option, button, widget);
            if (r.isValid())
                right = qMin(right, r.left() - 4);
        }
        const int left = option->rect.left() + 6;
        return {left, styled.top(), qMax(0, right - left + 1), styled.height()};
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        const auto *frame = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !frame) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
        const QRectF border = QRectF(subControlRect(control, option, SC_GroupBoxFrame, widget))
                                  .adjusted(0.5, 0.5, -0.5, -0.5);
        painter->save();
        QRegion outside(frame->rect);
        if (!frame->text.isEmpty())
            outside -= caption;
        painter->setClipRegion(outside);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(frame->palette.color(QPalette::Window).darker(135));
        painter->drawRoundedRect(border, 2, 2);
        painter->restore();
        proxy()->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic,
                              frame->palette, frame->state & State_Enabled, frame->text,
                              QPalette::WindowText);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return 13;
        case PM_CheckBoxLabelSpacing:
            return 4;
        case PM_TitleBarHeight:
            // Tool windows have the small title bar of a palette.
            if (const auto *bar = qstyleoption_cast<const QStyleOptionTitleBar *>(option);
                bar && (bar->titleBarFlags & Qt::WindowType_Mask) == Qt::Tool)
                return bar->fontMetrics.height() + 10;
            return QProxyStyle::pixelMetric(metric, option, widget);
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

QPixmap programIcon(int size)
{
    // Named and not probed: asking every image plugin whether it reads these bytes
    // would load them all at start-up, only to use Qt's own PNG reader.
    QImageReader reader(QStringLiteral(":/radixon/radixon-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void applyAppearance(QApplication &app)
{
    app.setStyle(new CompactStyle);
    QApplication::setWindowIcon(QIcon(programIcon(64)));
    QFont font = QApplication::font();
    font.setPixelSize(10);
    QApplication::setFont(font);
    app.installEventFilter(new WindowLanguageMenus(&app));
}

} // namespace radixon
