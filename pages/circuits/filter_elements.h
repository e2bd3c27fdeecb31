#pragma once

#include "engineering/filter_design.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace pages {

// One part of a designed ladder as the page lists it.
struct FilterElement {
    QString name;    // "C1", "L2" …: the part's letter and its rung
    QString place;   // across the line or in it, and its resonator partner
    double exact;    // F or H
    double snapped;  // the standard value that replaces it
    bool inductor;
};

// Every part of the ladder in order from the source; a resonator rung gives
// its coil and then its capacitor.
std::vector<FilterElement> ListElements(const engineering::filter::Ladder& exact,
                                        const engineering::filter::Ladder& snapped);

// A value with its unit as the table shows it: "0.4292 мкГн", "65.6 пФ".
QString ElementValueText(double value, bool inductor);

// The table of parts: name, place, designed value, standard value.
class FilterElementsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(std::vector<FilterElement> elements, const QString& seriesName);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list as tab-separated lines under a header line, for the clipboard.
    QString plainText() const;

private:
    QString cell(int row, int column) const;

    std::vector<FilterElement> elements_;
    QString seriesName_;
};

} // namespace pages
