#include "windows/common/window_texts.h"

#include "window_services/window_frame.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace radixon {

namespace {

// Where a window keeps the code of its language, for the texts Qt draws in it.
constexpr char languageProperty[] = "radixonLanguage";

constexpr const char *closeButtonName = QT_TRANSLATE_NOOP("TitleBar", "Close");
constexpr const char *minimizeButtonName = QT_TRANSLATE_NOOP("TitleBar", "Minimize");

QWidget *findTarget(QWidget *window, const char *objectName)
{
    if (window->objectName() == QLatin1String(objectName))
        return window;
    return window->findChild<QWidget *>(QLatin1String(objectName));
}

void setCaption(QWidget *control, const QString &text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(text);
}

// The title bar the window draws itself speaks the window's language, as its title does.
void nameTitleBarButtons(QWidget *window, const Language &language)
{
    if (TitleBar *bar = titleBarOf(window))
        bar->setButtonNames(language.text("TitleBar", closeButtonName),
                            language.text("TitleBar", minimizeButtonName));
}

int captionWidthNeeded(const QWidget *control)
{
    // A frame's caption only has to fit its title bar; other controls their box.
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->fontMetrics().horizontalAdvance(frame->title()) + 16;
    return control->sizeHint().width();
}

// Controls only grow: a caption that fits in one language keeps the width the
// other needed, and the layout stays still when the language changes back.
void widenToFitCaption(QWidget *control)
{
    if (control->isWindow())
        return;
    const int designed = control->width();
    int width = qMax(designed, captionWidthNeeded(control));
    if (const QWidget *parent = control->parentWidget())
        width = qMin(width, parent->width() - control->x() - 2);
    control->resize(qMax(width, designed), control->height());
}

} // namespace

const Language &languageOf(const QWidget *widget)
{
    const QVariant code = widget ? widget->window()->property(languageProperty) : QVariant();
    const Language *language = code.isValid() ? Language::find(code.toString()) : nullptr;
    return language ? *language : Language::ticked();
}

QStringList applyTexts(QWidget *window, const char *context, const TextRow *rows, int count,
                       const Language &language)
{
    window->window()->setProperty(languageProperty, language.code());
    QStringList missing;
    for (int i = 0; i < count; ++i) {
        const TextRow &row = rows[i];
        QWidget *target = findTarget(window, row.objectName);
        Q_ASSERT_X(target, "applyTexts", row.objectName);
        if (!target) {
            // A fault of the table, told of in release builds too.
            qWarning("applyTexts: no control named %s", row.objectName);
            missing << QLatin1String(row.objectName);
            continue;
        }
        const QString text = language.text(context, row.source);
        switch (row.role) {
        case TextRole::Title:
            target->setWindowTitle(text);
            nameTitleBarButtons(target, language);
            break;
        case TextRole::Caption:
            setCaption(target, text);
            widenToFitCaption(target);
            break;
        case TextRole::ToolTip:
            target->setToolTip(text);
            break;
        case TextRole::AccessibleName:
            target->setAccessibleName(text);
            break;
        }
    }
    return missing;
}

} // namespace radixon
