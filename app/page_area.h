#pragma once

#include <QWidget>

class QScrollArea;
class QTabWidget;

namespace app {

class TabStrip;

// The page control under its wrapping tab row. The page sits in a scroll
// area: where the window is capped to a small screen, or many rows of tabs
// leave less room than a page's controls take, the page scrolls, so that
// every control stays reachable.
class PageArea : public QWidget {
    Q_OBJECT

public:
    explicit PageArea(QWidget* parent);

    QTabWidget* pageControl() const { return pageControl_; }
    TabStrip* tabStrip() const { return strip_; }
    QScrollArea* scrollArea() const { return scroll_; }

    // Adds a page with its tab, hidden until the menu opens it.
    void addPage(QWidget* page, const QString& caption);
    // Shows or hides the tab row, the page control and the page below it.
    void setPagesShown(bool shown);
    // Lays the tab rows and the page out again, after a page's tab was shown
    // or hidden or another page became current.
    void refresh();
    // Puts the keyboard focus into the current page's first input: its
    // first editable field, else its first control that takes the focus.
    void focusFirstInput();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitPage();
    QSize paneFrame() const;

    QTabWidget* pageControl_ = nullptr;
    TabStrip* strip_ = nullptr;
    QScrollArea* scroll_ = nullptr;
};

// The room a tab sheet's controls take from its top-left corner, its hidden
// controls included (a page's options may show them); a nested page control
// counts with the largest of its sub-pages.
QSize ControlsExtent(const QWidget* sheet);

} // namespace app
