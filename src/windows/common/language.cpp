#include "windows/common/language.h"

#include <QTranslator>

#include <map>

namespace radixon {

Language::Language(QString code, std::unique_ptr<QTranslator> catalogue)
    : m_code(std::move(code)), m_catalogue(std::move(catalogue))
{}

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

QString Language::text(const char *context, const char *source) const
{
    const QString translated = m_catalogue ? m_catalogue->translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

} // namespace radixon
