#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace radixon {

// A language of the interface. English is the language of the source texts; every
// other language reads its texts from the catalogue the program carries for it
// (translations/radixon_<code>.ts). Each window asks its own language, so windows in
// different languages can stand side by side.
class Language {
public:
    static const Language &english();
    static const Language &greek();
    // The language of that code ("el"), or nullptr when the program has no catalogue
    // for it. A language, once found, lasts as long as the program.
    static const Language *find(const QString &code);
    // The codes of every language the program carries, English first.
    static QStringList carried();
    // The language the language boxes tick: the one the program started in, or Greek
    // when that is English. Set once, at the start.
    static const Language &ticked();
    static void setStartLanguage(const Language &language);

    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

    QString code() const { return m_code; }
    // The source text in this language: its translation in the window's context, or
    // the source itself where the catalogue has none.
    QString text(const char *context, const char *source) const;
    // The catalogue of Qt's own texts (menus, standard buttons, the file dialog): the one
    // the program carries, else the system's; none for English or where there is none.
    QTranslator *qtCatalogue() const;

private:
    Language(QString code, std::unique_ptr<QTranslator> catalogue);

    QString m_code;
    std::unique_ptr<QTranslator> m_catalogue; // none for English
    // Loaded when first asked for: most sessions never open a menu or a dialog.
    mutable std::unique_ptr<QTranslator> m_qtCatalogue;
    mutable bool m_qtCatalogueSought = false;
};

} // namespace radixon
