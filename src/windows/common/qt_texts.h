#pragma once

#include "windows/common/language.h"

#include <QObject>

class QTranslator;

namespace radixon {

// Qt's own texts (a text field's menu, standard buttons, the file dialog) are made from
// the translators installed when they are made. While one of these lives, they are made
// in `language`, the language of the window they appear in.
class QtTexts {
public:
    explicit QtTexts(const Language &language);
    ~QtTexts();
    QtTexts(const QtTexts &) = delete;
    QtTexts &operator=(const QtTexts &) = delete;

private:
    QTranslator *m_installed;
};

// Makes the menus of every text field and spin box in the language of their window.
class WindowLanguageMenus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_making = false;
};

} // namespace radixon
