#include "pages/circuits/filter_elements.h"

#include "values/number_text.h"

#include <QStringList>

namespace pages {

namespace {

using engineering::filter::Branch;
using engineering::filter::Parts;
using engineering::filter::Place;

} // namespace

std::vector<FilterElement> ListElements(const engineering::filter::Ladder& exact,
                                        const engineering::filter::Ladder& snapped)
{
    std::vector<FilterElement> elements;
    for (std::size_t i = 0; i < exact.branches.size(); ++i) {
        const Branch& branch = exact.branches[i];
        const Branch& standard = snapped.branches[i];
        const QString rung = QString::number(i + 1);
        const QString place = branch.place == Place::Shunt ? QStringLiteral("к земле") : QStringLiteral("в линии");
        const bool resonator = branch.parts == Parts::ParallelLC || branch.parts == Parts::SeriesLC;
        // A resonator's two parts name each other: "∥ C3" beside the coil of a
        // parallel pair, "+ C3" in a series one, as series resistances add.
        const QString pairing = branch.parts == Parts::ParallelLC ? QStringLiteral(" ∥ ") : QStringLiteral(" + ");
        if (branch.inductance > 0) {
            elements.push_back({u'L' + rung, resonator ? place + pairing + u'C' + rung : place,
                                double(branch.inductance), double(standard.inductance), true});
        }
        if (branch.capacitance > 0) {
            elements.push_back({u'C' + rung, resonator ? place + pairing + u'L' + rung : place,
                                double(branch.capacitance), double(standard.capacitance), false});
        }
    }
    return elements;
}

QString ElementValueText(double value, bool inductor)
{
    // Coils in мкГн and capacitors up to мкФ, as they are sold and marked.
    return inductor ? values::EngineeringText(value, QStringLiteral("Гн"), -6, 0)
                    : values::EngineeringText(value, QStringLiteral("Ф"), -12, -6);
}

void FilterElementsModel::show(std::vector<FilterElement> elements, const QString& seriesName)
{
    beginResetModel();
    elements_ = std::move(elements);
    seriesName_ = seriesName;
    endResetModel();
}

int FilterElementsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(elements_.size());
}

int FilterElementsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QString FilterElementsModel::cell(int row, int column) const
{
    const FilterElement& element = elements_[std::size_t(row)];
    switch (column) {
    case 0: return element.name;
    case 1: return element.place;
    case 2: return ElementValueText(element.exact, element.inductor);
    default: return ElementValueText(element.snapped, element.inductor);
    }
}

QVariant FilterElementsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= 2)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant FilterElementsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0: return QStringLiteral("Элемент");
    case 1: return QStringLiteral("Включение");
    case 2: return QStringLiteral("Расчёт");
    default: return seriesName_.isEmpty() ? QStringLiteral("Номинал") : QStringLiteral("Ряд ") + seriesName_;
    }
}

QString FilterElementsModel::plainText() const
{
    QStringList lines;
    QStringList header;
    for (int column = 0; column < columnCount(); ++column)
        header << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << header.join(u'\t');
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column)
            cells << cell(row, column);
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace pages
