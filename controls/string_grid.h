#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <initializer_list>
#include <memory>

class QTableView;

namespace controls {

// Cells show at most this many characters: a grid column is a few hundred
// pixels wide, and laying out a text of megabytes would stall every repaint.
inline constexpr int kLongestCellText = 4096;

// The records a string grid shows below its header. The grid asks for the
// cells it paints, so a long result is never copied into the grid.
class StringGridRows {
public:
    virtual ~StringGridRows() = default;
    virtual int count() const = 0;
    virtual QString cell(int row, int column) const = 0;
};

// A string grid's contents: the header captions as the horizontal header,
// and either the rows given or, when there are none, one row of empty cells.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    StringGridModel(int columns, QObject* parent);

    void setCaptions(const QStringList& captions);
    void showRows(std::shared_ptr<const StringGridRows> rows);
    void showEmptyRow() { showRows(nullptr); }
    int shownRecords() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int columns_;
    QStringList captions_;
    std::shared_ptr<const StringGridRows> rows_;
};

// Makes the view a string grid: fixed 20-pixel rows, no row header, whole-row
// selection, column borders the user can drag, vertical scroll bar only;
// Ctrl+C copies the selected rows, a tab between cells. Returns the model,
// owned by the view.
StringGridModel* MakeStringGrid(QTableView* view, int columns);

void SetColumnWidths(QTableView* view, std::initializer_list<int> widths);

// Widens or narrows the last column to fill the grid's width, less margin,
// and less the vertical scroll bar while the grid shows one.
void FitLastColumn(QTableView* view, int margin);

// Refits the last column (as FitLastColumn) whenever the vertical scroll bar
// comes or goes, so that the bar never covers it.
void KeepLastColumnClear(QTableView* view, int margin);

// Refits the last column now if the scroll bar is there.
void ClearLastColumnOfScrollBar(QTableView* view, int margin);

// The selected rows (or else the current one) as text: a tab between cells,
// a line feed between rows; empty while the grid shows no records.
QString SelectedRowsText(const QTableView* view);

} // namespace controls
