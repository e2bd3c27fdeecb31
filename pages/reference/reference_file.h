#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>
#include <string_view>

// Reading of the two reference files: 8-bit Windows-1251 text, one record a
// line, records split into blank-separated words, compared upper-cased.
namespace pages::reference {

// A run of bytes inside a file's contents, kept as offsets so that a list of
// matches stays small and valid however the contents are copied.
struct ByteSpan {
    qsizetype begin = 0;
    qsizetype size = 0;
};

inline std::string_view View(const QByteArray& bytes, ByteSpan span)
{
    return {bytes.constData() + span.begin, static_cast<std::size_t>(span.size)};
}

inline ByteSpan SpanOf(const QByteArray& bytes, std::string_view part)
{
    return {static_cast<qsizetype>(part.data() - bytes.constData()), static_cast<qsizetype>(part.size())};
}

// Windows-1251 byte to character; the one byte the code page leaves
// undefined (0x98) becomes U+FFFD.
QChar DecodeByte(unsigned char byte);
QString Decode(std::string_view bytes);

// The byte a character is stored as in Windows-1251, if it has one.
std::optional<unsigned char> EncodeChar(QChar character);

// Latin a-z and Cyrillic а-я (224-255) to upper case; nothing else changes,
// ё (184) included.
constexpr unsigned char UpperByte(unsigned char byte)
{
    if (byte >= 'a' && byte <= 'z')
        return static_cast<unsigned char>(byte - 32);
    if (byte >= 224)
        return static_cast<unsigned char>(byte - 32);
    return byte;
}

QByteArray UpperCased(std::string_view bytes);

// A typed search text as the files store it: blanks removed, encoded,
// upper-cased. No value when a character has no Windows-1251 byte: such a
// key matches nothing.
std::optional<QByteArray> SearchKey(const QString& typed);

// Calls lineFound(line) for every line of the contents, in order. A line
// ends at LF or CR LF; a last line without an end counts, an empty file has
// no lines.
template <class LineFound>
void ForEachLine(std::string_view contents, LineFound lineFound)
{
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t feed = contents.find('\n', start);
        const std::size_t end = feed == std::string_view::npos ? contents.size() : feed;
        std::size_t lineEnd = end;
        if (feed != std::string_view::npos && lineEnd > start && contents[lineEnd - 1] == '\r')
            --lineEnd;
        lineFound(contents.substr(start, lineEnd - start));
        if (feed == std::string_view::npos)
            break;
        start = feed + 1;
    }
}

// The line without leading and trailing blanks (code 32 only).
std::string_view TrimBlanks(std::string_view line);

// Fills words with words 1 to words.size() of the trimmed line (empty past
// the last word) and returns the rest of the trimmed line from the next word
// on, inner blanks included.
std::string_view SplitWords(std::string_view line, std::span<std::string_view> words);

// Where a reference file of that name is read from: Baase/ under the current
// directory, or, where the current directory has none, the data directory
// installed beside the program.
QString ReferencePath(const QString& fileName);

// The whole contents of Baase/<fileName>; throws values::FileError when the
// file is missing, is a directory, a pipe or a device, or cannot be read.
QByteArray ReadReferenceFile(const QString& fileName);

} // namespace pages::reference
