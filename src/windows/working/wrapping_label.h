#pragma once

#include <QGlyphRun>
#include <QLabel>
#include <QList>

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
    void changeEvent(QEvent *event) override;

private:
    // The text laid out in `width` pixels of content, as glyphs in place, kept while
    // text and width stay: the layout asks for the height again and again, and every
    // frame of the open effect paints.
    void layOut(int width) const;

    mutable QString m_laidOutText;
    mutable int m_laidOutWidth = -1;
    mutable int m_laidOutHeight = 0;
    mutable QList<QGlyphRun> m_glyphs;
};

} // namespace radixon
