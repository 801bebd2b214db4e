#include "windows/common/language.h"

#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <map>
#include <utility>

namespace radixon {

namespace {

const Language *startLanguage = nullptr;

} // namespace

Language::Language(QString code, std::unique_ptr<QTranslator> catalogue)
    : m_code(std::move(code)), m_catalogue(std::move(catalogue))
{}

QTranslator *Language::qtCatalogue() const
{
    if (!m_catalogue || std::exchange(m_qtCatalogueSought, true))
        return m_qtCatalogue.get();
    m_qtCatalogue = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + m_code;
    if (!m_qtCatalogue->load(name, QStringLiteral(":/i18n"))
        && !m_qtCatalogue->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_qtCatalogue.reset();
    return m_qtCatalogue.get();
}

Language::~Language() = default;

const Language &Language::english() { return *find(QStringLiteral("en")); }

const Language &Language::greek() { return *find(QStringLiteral("el")); }

const Language *Language::find(const QString &code)
{
    static std::map<QString, std::unique_ptr<Language>> found;
    if (const auto known = found.find(code); known != found.end())
        return known->second.get();
    std::unique_ptr<QTranslator> catalogue;
    if (code != QLatin1String("en")) {
        catalogue = std::make_unique<QTranslator>();
        if (!catalogue->load(QStringLiteral(":/i18n/radixon_%1.qm").arg(code)))
            return nullptr;
    }
    return (found[code] = std::unique_ptr<Language>(new Language(code, std::move(catalogue))))
        .get();
}

QStringList Language::carried()
{
    QStringList codes{QStringLiteral("en")};
    for (const QString &file :
         QDir(QStringLiteral(":/i18n"), QStringLiteral("radixon_*.qm")).entryList())
        codes << file.section(u'_', 1).section(u'.', 0, 0);
    return codes;
}

const Language &Language::ticked()
{
    return !startLanguage || startLanguage == &english() ? greek() : *startLanguage;
}

void Language::setStartLanguage(const Language &language) { startLanguage = &language; }

QString Language::text(const char *context, const char *source) const
{
    const QString translated = m_catalogue ? m_catalogue->translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

} // namespace radixon
