#include "windows/temporary_list/temporary_list_file.h"

#include <QSaveFile>
#include <QSet>
#include <QStringEncoder>

namespace radixon::temporary_list {

namespace {

// Every line is encoded on its own, so that one that cannot be represented is
// found before anything is written.
std::optional<QByteArray> encoded(QStringView text, CodePage codePage)
{
    QStringEncoder encoder =
        codePage == CodePage::Windows1253
            ? QStringEncoder("windows-1253", QStringConverter::Flag::Stateless)
            : QStringEncoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

const QString lineEnd = QStringLiteral("\r\n");

} // namespace

QStringList withoutRepeats(const QStringList &lines)
{
    QStringList kept;
    QSet<QString> seen;
    seen.reserve(lines.size());
    for (const QString &line : lines) {
        const auto before = seen.size();
        seen.insert(line);
        if (seen.size() != before)
            kept.append(line);
    }
    return kept;
}

CodePage codePageFor(const QLocale &locale)
{
    return locale.language() == QLocale::Greek ? CodePage::Windows1253 : CodePage::System;
}

QByteArray savedListBytes(const QStringList &lines, CodePage codePage)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        const QString text = line + lineEnd;
        const std::optional<QByteArray> lineBytes = encoded(text, codePage);
        if (!lineBytes) {
            bytes.clear();
            for (const QString &each : lines)
                bytes += (each + lineEnd).toUtf8();
            return bytes;
        }
        bytes += *lineBytes;
    }
    return bytes;
}

bool writeListFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a write that fails (a full disk) is seen here; a buffer
    // flushed on commit would fail unnoticed and replace the old file with a cut one.
    // Never committed, the old file stays as it was.
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
           && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace radixon::temporary_list
