// Reading the reference files: any bytes (NUL, CR, LF, 0x98 and Cyrillic
// included) split into lines and words, upper-cased, decoded, searched.
//
// Input: byte 0 holds the search options (bits 0-2 the field, bit 3 partial,
// bit 4 colour, bit 5 key typed as UTF-8 rather than as file bytes) and,
// in bits 6-7, extra words to split; byte 1 the key's length; then the key;
// the rest is the file's contents.
#include "pages/reference/reference_file.h"
#include "pages/reference/smd_search.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

using namespace pages::reference;

namespace {

void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken at line %d\n", line);
        __builtin_trap();
    }
}

bool Inside(std::string_view part, std::string_view whole)
{
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

// Every byte on its own, once: the code page round trip and the upper-casing
// agree with Qt's own upper case wherever they change a letter.
bool CheckBytesOnce()
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const QChar decoded = DecodeByte(byte);
        if (byte == 0x98) {
            Check(decoded == QChar(0xFFFD) && !EncodeChar(decoded));
        } else {
            Check(EncodeChar(decoded) == byte);
        }
        const unsigned char upper = UpperByte(byte);
        Check(UpperByte(upper) == upper);
        const bool letter = (b >= 'a' && b <= 'z') || b >= 224;
        Check((upper != byte) == letter);
        if (letter)
            Check(DecodeByte(upper) == decoded.toUpper());
    }
    Check(UpperByte(184) == 184);  // ё stays
    return true;
}

std::vector<std::string_view> Lines(std::string_view contents)
{
    std::vector<std::string_view> lines;
    ForEachLine(contents, [&](std::string_view line) { lines.push_back(line); });
    return lines;
}

// Lines cover the contents in order, separated by LF or CR LF, and hold no LF.
void CheckLines(std::string_view contents, const std::vector<std::string_view>& lines)
{
    Check(lines.empty() == contents.empty());
    std::size_t at = 0;
    for (const std::string_view line : lines) {
        Check(Inside(line, contents) && static_cast<std::size_t>(line.data() - contents.data()) == at);
        Check(line.find('\n') == std::string_view::npos);
        at += line.size();
        const std::string_view end = contents.substr(at, 2);
        if (end.starts_with("\r\n"))
            at += 2;
        else if (end.starts_with('\n'))
            at += 1, Check(!line.ends_with('\r'));
        else
            Check(at == contents.size());
    }
    Check(at == contents.size());
}

void CheckWords(std::string_view line, std::size_t count)
{
    const std::string_view trimmed = TrimBlanks(line);
    Check(Inside(trimmed, line));
    Check(!trimmed.starts_with(' ') && !trimmed.ends_with(' '));
    Check(trimmed.empty() == (line.find_first_not_of(' ') == std::string_view::npos));
    const std::size_t before = static_cast<std::size_t>(trimmed.data() - line.data());
    Check(line.find_first_not_of(' ') == (trimmed.empty() ? std::string_view::npos : before));

    // The words as runs of non-blanks, found the plain way.
    std::vector<std::string_view> runs;
    for (std::size_t i = 0; i < trimmed.size();) {
        const std::size_t end = std::min(trimmed.find(' ', i), trimmed.size());
        runs.push_back(trimmed.substr(i, end - i));
        i = std::min(trimmed.find_first_not_of(' ', end), trimmed.size());
    }
    std::array<std::string_view, 8> words;
    const std::string_view rest = SplitWords(line, std::span(words.data(), count));
    for (std::size_t i = 0; i < count; ++i)
        Check(words[i] == (i < runs.size() ? runs[i] : std::string_view()));
    if (runs.size() > count) {
        Check(rest.data() == runs[count].data() && rest.data() + rest.size() == trimmed.data() + trimmed.size());
    } else {
        Check(rest.empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool bytesChecked = CheckBytesOnce();
    (void)bytesChecked;
    if (size < 2)
        return 0;
    const std::size_t keyLength = std::min<std::size_t>(data[1] % 16, size - 2);
    const std::string_view keyBytes(reinterpret_cast<const char*>(data + 2), keyLength);
    const QByteArray file(reinterpret_cast<const char*>(data + 2 + keyLength),
                          static_cast<qsizetype>(size - 2 - keyLength));
    const std::string_view contents(file.constData(), static_cast<std::size_t>(file.size()));

    const std::vector<std::string_view> lines = Lines(contents);
    CheckLines(contents, lines);

    const QByteArray upper = UpperCased(contents);
    Check(upper.size() == file.size());
    const std::string_view upperView(upper.constData(), static_cast<std::size_t>(upper.size()));
    Check(UpperCased(upperView) == upper);
    const QString decoded = Decode(contents);
    Check(decoded.size() == file.size());
    for (qsizetype i = 0; i < file.size(); ++i) {
        const auto byte = static_cast<unsigned char>(file[i]);
        Check(static_cast<unsigned char>(upper[i]) == UpperByte(byte) && decoded[i] == DecodeByte(byte));
    }
    const std::size_t wordCount = 5 + (data[0] >> 6);
    for (const std::string_view line : lines) {
        CheckWords(line, wordCount);
        // A line typed back as a key: blanks dropped, upper-cased, or nothing
        // when it holds the one byte without a character.
        const std::optional<QByteArray> key = SearchKey(Decode(line));
        QByteArray expected = UpperCased(line);
        expected.replace(' ', QByteArray());
        Check(line.find('\x98') == std::string_view::npos ? key == expected : !key);
    }

    const QString typed = (data[0] & 0x20) ? QString::fromUtf8(keyBytes.data(), static_cast<qsizetype>(keyLength))
                                           : Decode(keyBytes);
    const SmdQuery query{SearchKey(typed), static_cast<SmdField>((data[0] & 7) % 6), (data[0] & 8) != 0,
                         (data[0] & 0x10) != 0};
    if (query.key)
        Check(!query.key->contains(' ') && UpperCased({query.key->constData(), std::size_t(query.key->size())}) == *query.key);
    const std::vector<ByteSpan> found = FindSmdRecords(upper, query);
    const std::vector<std::string_view> upperLines = Lines(upperView);
    std::size_t next = 0;
    for (const std::string_view line : upperLines) {
        if (!SmdLineMatches(line, query))
            continue;
        Check(next < found.size());
        const ByteSpan span = found[next++];
        Check(View(upper, span).data() == line.data() && View(upper, span).size() == line.size());
    }
    Check(next == found.size());

    return 0;
}
