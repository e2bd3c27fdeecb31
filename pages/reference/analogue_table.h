#pragma once

#include "pages/reference/reference_file.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace pages::reference {

// Baase/Tr.db as loaded at the page's last opening: every line, each a
// foreign type (word 1) and its Russian analogue (word 2).
class AnalogueTable {
public:
    // Throws values::FileError when the file cannot be read.
    static std::shared_ptr<const AnalogueTable> Load();

    int lineCount() const { return static_cast<int>(pairs_.size()); }

    // Lines whose analogue or foreign type contains the key, in file order.
    std::vector<int> Find(const std::optional<QByteArray>& key) const;

    QString foreignType(int line) const;
    QString russianType(int line) const;

private:
    static std::shared_ptr<const AnalogueTable> FromContents(QByteArray contents);

    struct Pair {
        ByteSpan foreign;
        ByteSpan russian;
    };

    QByteArray contents_;
    QByteArray upper_;  // same offsets as contents_
    std::vector<Pair> pairs_;
};

} // namespace pages::reference
