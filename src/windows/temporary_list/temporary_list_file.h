#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace radixon::temporary_list {

// The lines without repeats: the first occurrence of every line stays, in order.
// Lines are equal only when identical character for character.
QStringList withoutRepeats(const QStringList &lines);

// The 8-bit code page a list is saved in.
enum class CodePage { Windows1253, System };

// Windows-1253 for a Greek locale, the system's own encoding otherwise.
CodePage codePageFor(const QLocale &locale);

// The contents of a saved list: every line followed by CR LF, the last one too.
// When a line holds a character the code page cannot represent, the whole list is
// written in UTF-8 instead, so that no line is corrupted.
QByteArray savedListBytes(const QStringList &lines, CodePage codePage);

// Replaces the file at `path` with `bytes` only once all of them are written; on
// failure a file already there is left as it was. True on success.
bool writeListFile(const QString &path, const QByteArray &bytes);

} // namespace radixon::temporary_list
