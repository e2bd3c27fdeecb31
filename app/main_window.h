#pragma once

#include "values/units.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QTabWidget;

namespace controls {
class Page;
}

namespace app {

class CloseImage;
class EventRouter;
class PageArea;

// The one window of the program: the menu, the close image and the page
// control holding every computation page from start-up, tabs hidden until
// the menu opens them.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 730;
    static constexpr int kCollapsedHeight = 85;   // outer height: title, menu, close image
    static constexpr int kExpandedHeight = 685;
    // Where the screen's available area is smaller, the window takes that
    // area and the page scrolls.

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void PageActiv(QAction* item);
    void CloseButtonClick();
    void N6Click();
    void N23Click();
    void ShowPage(controls::Page* page);
    // Opens the standard values page with a value in base units of the kind.
    void OpenStandardValues(double value, values::UnitKind kind);

    EventRouter& router() { return *router_; }
    QTabWidget* pageControl() const { return pageControl_; }
    PageArea* pageArea() const { return pageArea_; }
    controls::Page* page(const QString& sheet) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPages();
    void connectMenu();
    void connectShortcuts();
    void setOuterHeight(int height);
    QRect screenArea() const;
    void placeAtTop();
    void keepOnScreen();
    void followScreen();
    void refitNestedPageControls();
    void fitPageArea();
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous open page, round the row.
    void stepPage(int step);
    int outerHeight_ = kCollapsedHeight;
    bool followsScreen_ = false;

    EventRouter* router_ = nullptr;
    PageArea* pageArea_ = nullptr;
    QTabWidget* pageControl_ = nullptr;
    CloseImage* closeImage_ = nullptr;
    std::vector<controls::Page*> pages_;
};

} // namespace app
