#include "controls/string_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace controls {

namespace {

constexpr int kRowHeight = 20;
constexpr int kCaptionPixelSize = 10;

bool ScrollBarNeeded(const QTableView* view)
{
    const QScrollBar* bar = view->verticalScrollBar();
    return bar->maximum() > bar->minimum();
}

// Ctrl+C copies whole records rather than the one cell under the cursor.
class RowCopier : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        const QString text = SelectedRowsText(static_cast<QTableView*>(watched));
        if (!text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
        return true;
    }
};

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
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->installEventFilter(new RowCopier(view));
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
    int room = view->width() - margin;
    if (ScrollBarNeeded(view)) {
        const int inside = view->width() - 2 * view->frameWidth() - view->verticalScrollBar()->sizeHint().width();
        room = std::min(room, inside);
    }
    view->setColumnWidth(last, std::max(minimum, room - others));
}

void KeepLastColumnClear(QTableView* view, int margin)
{
    QObject::connect(view->verticalScrollBar(), &QScrollBar::rangeChanged, view,
                     [view, margin, needed = false](int minimum, int maximum) mutable {
                         if ((maximum > minimum) == needed)
                             return;
                         needed = maximum > minimum;
                         FitLastColumn(view, margin);
                     });
}

void ClearLastColumnOfScrollBar(QTableView* view, int margin)
{
    if (ScrollBarNeeded(view))
        FitLastColumn(view, margin);
}

QString SelectedRowsText(const QTableView* view)
{
    const auto* grid = qobject_cast<const StringGridModel*>(view->model());
    if (!grid || grid->shownRecords() == 0)
        return {};
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() && view->currentIndex().isValid())
        rows << view->currentIndex().row();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells << grid->index(row, column).data().toString();
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n');
}

} // namespace controls
