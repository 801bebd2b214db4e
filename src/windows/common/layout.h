#pragma once

#include "window_services/window_frame.h"

#include <QCheckBox>
#include <QColor>
#include <QPalette>
#include <QRect>
#include <QWidget>

#include <cmath>
#include <vector>

namespace radixon {

// Window layouts are designed in twips; at 96 dots per inch 15 twips make a pixel.
constexpr int twipsPerPixel = 15;

// Rounded to the nearest pixel, ties to even, as the layouts were designed.
inline int twipsToPixels(int twips)
{
    const double pixels = static_cast<double>(twips) / twipsPerPixel;
    return static_cast<int>(std::nearbyint(pixels));
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Names a control as the layout does and puts it at its designed place.
template <class Control>
Control *place(Control *control, const char *name, QRect pixels)
{
    control->setObjectName(QLatin1String(name));
    // Layouts are designed for the client area, which starts below a title bar that the
    // window draws itself.
    if (const QWidget *parent = control->parentWidget(); parent && parent->isWindow())
        pixels.translate(clientOrigin(parent));
    control->setGeometry(pixels);
    return control;
}

// Tab moves through the controls in this order.
inline void chainTabOrder(const std::vector<QWidget *> &order)
{
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

// Boxes and labels of some windows carry a caption colour of their own.
inline void setCaptionColour(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

// A check box at its designed place, its caption in the given colour when valid.
inline QCheckBox *placeCheckBox(QWidget *container, const char *name, QRect pixels,
                                const QColor &colour = {})
{
    auto *box = place(new QCheckBox(container), name, pixels);
    if (colour.isValid())
        setCaptionColour(box, colour);
    return box;
}

} // namespace radixon
