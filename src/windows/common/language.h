#pragma once

#include <QString>

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

    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

    QString code() const { return m_code; }
    // The source text in this language: its translation in the window's context, or
    // the source itself where the catalogue has none.
    QString text(const char *context, const char *source) const;

private:
    Language(QString code, std::unique_ptr<QTranslator> catalogue);

    QString m_code;
    std::unique_ptr<QTranslator> m_catalogue; // none for English
};

} // namespace radixon
