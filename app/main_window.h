#pragma once

#include <QMainWindow>

#include <vector>

class QAction;
class QTabWidget;

namespace controls {
class Page;
}

namespace app {

class EventRouter;

// The one window of the program: the menu, the close image and the page
// control holding every computation page from start-up, tabs hidden until
// the menu opens them.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 730;
    static constexpr int kCollapsedHeight = 85;   // outer height: title, menu, close image
    static constexpr int kExpandedHeight = 685;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void PageActiv(QAction* item);
    void CloseButtonClick();
    void N6Click();
    void N23Click();
    void ShowPage(controls::Page* page);

    EventRouter& router() { return *router_; }
    QTabWidget* pageControl() const { return pageControl_; }
    controls::Page* page(const QString& sheet) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPages();
    void connectMenu();
    void setOuterHeight(int height);
    void placeAtTop();
    void refitNestedPageControls();
    void fitPageControl();
    int outerHeight_ = kCollapsedHeight;

    EventRouter* router_ = nullptr;
    QTabWidget* pageControl_ = nullptr;
    std::vector<controls::Page*> pages_;
};

} // namespace app
