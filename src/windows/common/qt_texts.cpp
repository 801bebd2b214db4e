#include "windows/common/qt_texts.h"

#include "windows/common/window_texts.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTranslator>

namespace radixon {

QtTexts::QtTexts(const Language &language) : m_installed(language.qtCatalogue())
{
    if (m_installed)
        QCoreApplication::installTranslator(m_installed);
}

QtTexts::~QtTexts()
{
    if (m_installed)
        QCoreApplication::removeTranslator(m_installed);
}

bool WindowLanguageMenus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu || m_making
        || !(qobject_cast<QLineEdit *>(watched) || qobject_cast<QAbstractSpinBox *>(watched)))
        return false;
    // The field makes its menu as usual, with its window's language installed meanwhile.
    const QtTexts texts(languageOf(static_cast<QWidget *>(watched)));
    m_making = true;
    QCoreApplication::sendEvent(watched, event);
    m_making = false;
    return true;
}

} // namespace radixon
