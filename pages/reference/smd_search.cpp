#include "pages/reference/smd_search.h"

#include <array>

namespace pages::reference {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool Occurs(std::string_view key, std::string_view field)
{
    return !key.empty() && field.find(key) != kNone;
}

// The key occurs in the designation before its first "(", if it has one.
bool OccursBeforeBracket(std::string_view key, std::string_view designation, bool bracketRequired)
{
    if (key.empty())
        return false;
    const std::size_t at = designation.find(key);
    if (at == kNone)
        return false;
    const std::size_t bracket = designation.find('(');
    if (bracket == kNone)
        return !bracketRequired;
    return at < bracket;
}

// The key opens the designation and, somewhere in it, is followed by "(".
bool ColourCodeMatches(std::string_view key, std::string_view designation)
{
    if (key.empty() || designation.find(key) != 0)
        return false;
    for (std::size_t at = designation.find(key); at != kNone; at = designation.find(key, at + 1)) {
        if (at + key.size() < designation.size() && designation[at + key.size()] == '(')
            return true;
    }
    return false;
}

bool FieldMatches(std::string_view key, std::string_view field, bool partial, bool isDesignation)
{
    if (!partial)
        return field == key;
    if (isDesignation)
        return OccursBeforeBracket(key, field, false);
    return Occurs(key, field);
}

} // namespace

bool SmdLineMatches(std::string_view upperLine, const SmdQuery& query)
{
    if (!query.key)
        return false;
    const std::string_view key(query.key->constData(), static_cast<std::size_t>(query.key->size()));
    std::array<std::string_view, kSmdWords> words;
    SplitWords(upperLine, words);
    const std::string_view designation = words[0];

    if (query.colour && query.partial)
        return OccursBeforeBracket(key, designation, true);
    if (query.colour)
        return ColourCodeMatches(key, designation);
    if (query.field != SmdField::Any) {
        const auto index = static_cast<std::size_t>(query.field);
        return FieldMatches(key, words[index], query.partial, query.field == SmdField::Designation);
    }
    for (const std::string_view word : words) {
        if (query.partial ? Occurs(key, word) : word == key)
            return true;
    }
    return false;
}

std::vector<ByteSpan> FindSmdRecords(const QByteArray& upperContents, const SmdQuery& query)
{
    std::vector<ByteSpan> found;
    if (!query.key)
        return found;
    const std::string_view contents(upperContents.constData(), static_cast<std::size_t>(upperContents.size()));
    ForEachLine(contents, [&](std::string_view line) {
        if (SmdLineMatches(line, query))
            found.push_back(SpanOf(upperContents, line));
    });
    return found;
}

} // namespace pages::reference
