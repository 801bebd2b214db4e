#pragma once

#include "windows/common/language.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace radixon {

// Every window's language box: ticked is the language the program started in (Greek
// unless another was asked for), cleared is English.
inline const Language &languageOfBox(bool ticked)
{
    return ticked ? Language::ticked() : Language::english();
}

// The language `widget`'s window last wrote its texts in; the ticked one before it has.
const Language &languageOf(const QWidget *widget);

// Which property of a control a table row sets.
enum class TextRole { Title, Caption, ToolTip, AccessibleName };

// A window's texts are tables of these rows. The texts are the English source texts,
// marked with QT_TRANSLATE_NOOP and the window's class as their context, so that
// lupdate finds them for the catalogues.
struct TextRow {
    const char *objectName; // the control, or the window itself
    TextRole role;
    const char *source;
};

// Applies rows in order to `window` and the descendants named in them, in the
// language given, widening any control whose new caption would not fit (never past
// its container). Returns the object names of rows that found no control: a renamed
// control must not silently lose its caption, so debug builds stop there.
QStringList applyTexts(QWidget *window, const char *context, const TextRow *rows, int count,
                       const Language &language);

template <int N>
QStringList applyTexts(QWidget *window, const char *context, const TextRow (&rows)[N],
                       const Language &language)
{
    return applyTexts(window, context, rows, N, language);
}

} // namespace radixon
