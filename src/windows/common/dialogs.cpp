#include "windows/common/dialogs.h"

#include "windows/common/qt_texts.h"
#include "windows/common/window_texts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace radixon {

// Each dialog's buttons and labels are in the language of the window that opens it, or
// of the start for a dialog before any window.
void QtDialogs::inform(QWidget *parent, const QString &title, const QString &text, Icon icon)
{
    const QtTexts texts(languageOf(parent));
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    const QtTexts texts(languageOf(parent));
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::saveFileName(QWidget *parent, const QString &title,
                                               const QString &defaultName, const QString &filter)
{
    const QtTexts texts(languageOf(parent));
    // The typed name is used as it stands: no default suffix is added.
    const QString path = QFileDialog::getSaveFileName(parent, title, defaultName, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace radixon
