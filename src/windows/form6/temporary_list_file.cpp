#include "windows/form6/temporary_list_file.h"

#include <QSaveFile>
#include <QSet>
#include <QStringEncoder>

#include <array>
#include <unordered_map>

namespace radixon::temporary_list {

namespace {

// Characters of bytes 0x80 to 0xFF; 0 where the code page has no character.
constexpr std::array<char16_t, 128> windows1253High{{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0,      0x2030, 0,      0x2039, 0,      0,      0,      0,      // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0,      0x2122, 0,      0x203A, 0,      0,      0,      0,      // 0x98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, // 0xB8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, // 0xC0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F, // 0xC8
    0x03A0, 0x03A1, 0,      0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7, // 0xD0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF, // 0xD8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, // 0xE0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, // 0xE8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7, // 0xF0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,      // 0xF8
}};

const std::unordered_map<char16_t, char> &windows1253Bytes()
{
    static const std::unordered_map<char16_t, char> bytes = [] {
        std::unordered_map<char16_t, char> map;
        for (std::size_t i = 0; i < windows1253High.size(); ++i) {
            if (windows1253High[i] != 0)
                map.emplace(windows1253High[i], static_cast<char>(0x80 + i));
        }
        return map;
    }();
    return bytes;
}

std::optional<QByteArray> toSystemEncoding(QStringView text)
{
    QStringEncoder encoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

const QString lineEnd = QStringLiteral("\r\n");

} // namespace

QStringList KillDoubles(const QStringList &lines)
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

std::optional<QByteArray> toWindows1253(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const auto &high = windows1253Bytes();
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            bytes.append(static_cast<char>(unit));
            continue;
        }
        const auto found = high.find(unit);
        if (found == high.end())
            return std::nullopt;
        bytes.append(found->second);
    }
    return bytes;
}

QByteArray savedListBytes(const QStringList &lines, CodePage codePage)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        const QString text = line + lineEnd;
        const std::optional<QByteArray> encoded = codePage == CodePage::Windows1253
                                                      ? toWindows1253(text)
                                                      : toSystemEncoding(text);
        if (!encoded) {
            bytes.clear();
            for (const QString &each : lines)
                bytes += (each + lineEnd).toUtf8();
            return bytes;
        }
        bytes += *encoded;
    }
    return bytes;
}

bool writeListFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace radixon::temporary_list
