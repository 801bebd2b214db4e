#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace radixon {

// Every text of the interface exists in English and Greek; tables of these pairs
// are the single source of a window's captions.
struct TextPair {
    const char *english;
    const char *greek;

    QString in(bool greekInterface) const
    {
        return QString::fromUtf8(greekInterface ? greek : english);
    }
};

// Which property of a control a table row sets.
enum class TextRole { Title, Caption, ToolTip, AccessibleName };

struct TextRow {
    const char *objectName; // the control, or the window itself
    TextRole role;
    TextPair text;
};

// Applies rows in order to `window` and the descendants named in them, in the
// language the flag names, widening any control whose new caption would not fit
// (never past its container). Returns the object names of rows that found no
// control: a renamed control must not silently lose its caption, so debug builds
// stop there.
QStringList applyTexts(QWidget *window, const TextRow *rows, int count, bool greek);

template <int N>
QStringList applyTexts(QWidget *window, const TextRow (&rows)[N], bool greek)
{
    return applyTexts(window, rows, N, greek);
}

} // namespace radixon
