#include "pages/reference/analogue_table.h"

#include "controls/string_grid.h"

#include <array>

namespace pages::reference {

std::shared_ptr<const AnalogueTable> AnalogueTable::Load()
{
    return FromContents(ReadReferenceFile(QStringLiteral("Tr.db")));
}

std::shared_ptr<const AnalogueTable> AnalogueTable::FromContents(QByteArray contents)
{
    auto table = std::make_shared<AnalogueTable>();
    table->contents_ = std::move(contents);
    const std::string_view all(table->contents_.constData(), static_cast<std::size_t>(table->contents_.size()));
    table->upper_ = UpperCased(all);
    ForEachLine(all, [&](std::string_view line) {
        std::array<std::string_view, 2> words;
        SplitWords(line, words);
        table->pairs_.push_back({SpanOf(table->contents_, words[0]), SpanOf(table->contents_, words[1])});
    });
    return table;
}

std::vector<int> AnalogueTable::Find(const std::optional<QByteArray>& key) const
{
    std::vector<int> found;
    if (!key || key->isEmpty())
        return found;
    const std::string_view wanted(key->constData(), static_cast<std::size_t>(key->size()));
    for (std::size_t line = 0; line < pairs_.size(); ++line) {
        const Pair& pair = pairs_[line];
        if (View(upper_, pair.russian).find(wanted) != std::string_view::npos
            || View(upper_, pair.foreign).find(wanted) != std::string_view::npos)
            found.push_back(static_cast<int>(line));
    }
    return found;
}

QString AnalogueTable::foreignType(int line) const
{
    return Decode(View(contents_, pairs_[static_cast<std::size_t>(line)].foreign).substr(0, controls::kLongestCellText));
}

QString AnalogueTable::russianType(int line) const
{
    return Decode(View(contents_, pairs_[static_cast<std::size_t>(line)].russian).substr(0, controls::kLongestCellText));
}

} // namespace pages::reference
