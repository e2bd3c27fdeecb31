#pragma once

#include <QAbstractButton>
#include <QWidget>

#include <vector>

class QTabWidget;

namespace app {

// One tab of the strip: a button drawn as a tab, checked while its page is
// the current one.
class PageTab : public QAbstractButton {
    Q_OBJECT

public:
    PageTab(const QString& caption, QWidget* parent);

    QSize sizeHint() const override;
    // Where the tab stands in its row, for the style to draw its ends.
    void setRowPosition(int position) { position_ = position; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int position_ = 0;
};

// The tab row of a page control, wrapped onto as many rows as the open pages
// need so that every open page shows its whole caption. It drives a
// QTabWidget whose own bar is hidden: a tab per page in the page control's
// order, shown while the page's tab is visible.
class TabStrip : public QWidget {
    Q_OBJECT

public:
    TabStrip(QTabWidget* pages, QWidget* parent);

    // Gives the page at this index of the page control its tab.
    void addPage(int index);
    // Follows the page control after a page's tab was shown or hidden.
    void refresh();

    PageTab* tab(int index) const { return tabs_[static_cast<std::size_t>(index)]; }
    int rowCount() const { return rows_; }
    int rowHeight() const;
    // Height the strip needs at the given width to show every open page.
    int heightForWidth(int width) const override;
    bool hasHeightForWidth() const override { return true; }
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The place of every open page's tab at the given width, row by row
    // (an empty rectangle for a hidden page); returns the number of rows.
    int places(int width, std::vector<QRect>& at) const;
    void arrange();
    void markCurrent();

    QTabWidget* pages_;
    std::vector<PageTab*> tabs_;
    int rows_ = 0;
};

} // namespace app
