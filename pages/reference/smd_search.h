#pragma once

#include "pages/reference/reference_file.h"

#include <QByteArray>

#include <optional>
#include <string_view>
#include <vector>

namespace pages::reference {

// Fields 1 to 5 of a marking record, in the order of the search types; the
// sixth search type looks in all five.
enum class SmdField { Designation, Name, Maker, Type, Package, Any };

struct SmdQuery {
    std::optional<QByteArray> key;  // upper-cased; none when it cannot occur in the file
    SmdField field = SmdField::Designation;
    bool partial = false;
    bool colour = false;
};

constexpr int kSmdWords = 5;

// Whether one line of the file, upper-cased, is a match.
bool SmdLineMatches(std::string_view upperLine, const SmdQuery& query);

// The lines of the file that match, in file order; the spans index both the
// contents and their upper-cased copy, which share every offset.
std::vector<ByteSpan> FindSmdRecords(const QByteArray& upperContents, const SmdQuery& query);

} // namespace pages::reference
