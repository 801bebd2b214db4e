#pragma once

#include <QLabel>

namespace radixon {

// A label whose plain text wraps between words and, where a word is wider than the
// label, such as a long number, between any two of its characters. Its text stays as
// given, so screen readers and tests read the digits alone.
class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappingLabel(QWidget *parent);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Lays the text out in `width` pixels; paints it at `at` when a painter is given.
    int layOut(int width, QPainter *painter = nullptr, QPointF at = {}) const;
};

} // namespace radixon
