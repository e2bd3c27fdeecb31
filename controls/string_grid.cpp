#include "controls/string_grid.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace controls {

namespace {

constexpr int kRowHeight = 20;
constexpr int kCaptionPixelSize = 10;

} // namespace

StringGridModel::StringGridModel(int columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns)
{
}

void StringGridModel::setCaptions(const QStringList& captions)
{
    captions_ = captions;
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

void StringGridModel::showRows(std::shared_ptr<const StringGridRows> rows)
{
    beginResetModel();
    rows_ = rows && rows->count() > 0 ? std::move(rows) : nullptr;
    endResetModel();
}

int StringGridModel::shownRecords() const
{
    return rows_ ? rows_->count() : 0;
}

int StringGridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return rows_ ? rows_->count() : 1;
}

int StringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    if (!rows_)
        return QString();
    return rows_->cell(index.row(), index.column()).left(kLongestCellText);
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section < captions_.size() ? captions_[section] : QString();
}

StringGridModel* MakeStringGrid(QTableView* view, int columns)
{
    auto* model = new StringGridModel(columns, view);
    view->setModel(model);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setMinimumSectionSize(kRowHeight);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setStretchLastSection(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Captions are sized to their columns in a font of about the form's size, leading
    // blanks and all; a larger desktop font would cut their ends off.
    QFont captionFont = view->horizontalHeader()->font();
    captionFont.setPixelSize(kCaptionPixelSize);
    view->horizontalHeader()->setFont(captionFont);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return model;
}

void SetColumnWidths(QTableView* view, std::initializer_list<int> widths)
{
    int column = 0;
    for (const int width : widths)
        view->setColumnWidth(column++, width);
}

void FitLastColumn(QTableView* view, int margin)
{
    const int last = view->model()->columnCount() - 1;
    int others = 0;
    for (int column = 0; column < last; ++column)
        others += view->columnWidth(column);
    // A column dragged wider than the grid leaves the last one at its
    // narrowest, still there to be grabbed.
    const int minimum = view->horizontalHeader()->minimumSectionSize();
    view->setColumnWidth(last, std::max(minimum, view->width() - others - margin));
}

} // namespace controls
