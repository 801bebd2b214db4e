#pragma once

#include <QAbstractButton>
#include <QStyle>
#include <QWidget>

#include <functional>

class QStyleOptionTitleBar;

namespace radixon {

class TitleBar;

// One button of a TitleBar: paints the style's own title-bar glyph for its sub-control.
class TitleBarButton : public QAbstractButton {
    Q_OBJECT

public:
    TitleBarButton(QStyle::SubControl subControl, TitleBar *titleBar);

    QStyle::SubControl subControl() const { return m_subControl; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStyle::SubControl m_subControl;
    TitleBar *m_titleBar;
};

// The title bar a frameless top-level window draws itself, with the style's title-bar
// primitives. Its title and icon follow the window's.
class TitleBar : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Normal, Tool };
    enum Button { CloseButton = 0x1, MinimizeButton = 0x2 };
    Q_DECLARE_FLAGS(Buttons, Button)
    // Called on a left press on the bar itself; true when it handled the move.
    using DragStart = std::function<bool(QWidget *window, const QPoint &globalPos)>;

    // The close button is always there, whatever `buttons` says.
    TitleBar(QWidget *window, Buttons buttons, Kind kind, DragStart onDragStart = {});

    // Sets the accessible names and tool tips; the program passes them in its language.
    void setButtonNames(const QString &close, const QString &minimize);
    TitleBarButton *closeButton() const { return m_closeButton; }

    // The bar's height in the current style and font.
    int barHeight() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Describes the whole bar (in this widget's coordinates) for the style; `text` is
    // elided to the room the style leaves for the label.
    void initStyleOption(QStyleOptionTitleBar *option) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void placeButtons();

    Kind m_kind;
    Buttons m_buttons;
    DragStart m_onDragStart;
    TitleBarButton *m_closeButton = nullptr;
    TitleBarButton *m_minimizeButton = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TitleBar::Buttons)

} // namespace radixon
