#include "app/main_window.h"

#include "app/about_window.h"
#include "app/calculator.h"
#include "app/close_image.h"
#include "app/event_router.h"
#include "app/main_menu.h"
#include "app/page_catalog.h"
#include "controls/labelled_edit.h"
#include "controls/page.h"
#include "controls/value_edits.h"
#include "values/pictures.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace app {

namespace {

// Runs at scope exit, also when the work before it failed.
template <class F>
class AtExit {
public:
    explicit AtExit(F f) : f_(std::move(f)) {}
    ~AtExit() { f_(); }
    AtExit(const AtExit&) = delete;
    AtExit& operator=(const AtExit&) = delete;

private:
    F f_;
};

constexpr int kPageControlTop = 28;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    InitSkhemarResources();

    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Схемарь"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    router_ = new EventRouter(this);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("TForm1Client"));
    setCentralWidget(client);
    client->installEventFilter(this);
    BuildMainMenu(menuBar());

    pageControl_ = new QTabWidget(client);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setUsesScrollButtons(true);
    pageControl_->setElideMode(Qt::ElideNone);
    pageControl_->hide();

    auto* closeImage = new CloseImage(client);
    closeImage->move(705, 5);
    connect(closeImage, &CloseImage::clicked, this, [this] { router_->Dispatch([this] { CloseButtonClick(); }); });

    // The menu first: finding its items is quick while the pages are not there yet.
    connectMenu();
    buildPages();

    setOuterHeight(kCollapsedHeight);
    placeAtTop();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    for (const PageEntry& entry : PageCatalog()) {
        controls::Page* page = entry.make(pageControl_);
        page->setObjectName(QLatin1String(entry.sheet));
        const int index = pageControl_->addTab(page, QString::fromUtf16(entry.caption));
        pageControl_->setTabVisible(index, false);
        page->registerRoutes(router_->tables());
        pages_.push_back(page);
    }
    router_->wire(pageControl_);
    controls::NameControlsByCaptions(pageControl_);
    controls::PrepareValueEdits(pageControl_);
    controls::InstallPageCopy(pageControl_);
}

void MainWindow::connectMenu()
{
    for (const PageEntry& entry : PageCatalog()) {
        if (auto* item = findChild<QAction*>(QLatin1String(entry.menuItem)))
            connect(item, &QAction::triggered, this, [this, item] { PageActiv(item); });
    }
    if (auto* about = findChild<QAction*>(QStringLiteral("N6")))
        connect(about, &QAction::triggered, this, [this] { router_->Dispatch([this] { N6Click(); }); });
    if (auto* calculator = findChild<QAction*>(QStringLiteral("N23")))
        connect(calculator, &QAction::triggered, this, [this] { N23Click(); });
}

controls::Page* MainWindow::page(const QString& sheet) const
{
    for (controls::Page* page : pages_) {
        if (page->objectName() == sheet)
            return page;
    }
    return nullptr;
}

void MainWindow::ShowPage(controls::Page* page)
{
    const int index = pageControl_->indexOf(page);
    pageControl_->setTabVisible(index, true);
    pageControl_->setCurrentIndex(index);
}

void MainWindow::PageActiv(QAction* item)
{
    router_->Dispatch([this, item] {
        const auto& catalog = PageCatalog();
        for (std::size_t i = 0; i < catalog.size(); ++i) {
            if (item->objectName() != QLatin1String(catalog[i].menuItem))
                continue;
            // The window expands even when the opening work fails, so an
            // open tab is never left inside a collapsed window.
            const AtExit expand([this] {
                setOuterHeight(kExpandedHeight);
                pageControl_->show();
                refitNestedPageControls();
            });
            ShowPage(pages_[i]);
            pages_[i]->OnOpen();
            return;
        }
    });
}

void MainWindow::refitNestedPageControls()
{
    for (const auto& [sheet, nested] : {std::pair{"TS19", "PageControl13"}, std::pair{"TS20", "PageControl12"}}) {
        controls::Page* owner = page(QLatin1String(sheet));
        auto* control = owner ? owner->findChild<QTabWidget*>(QLatin1String(nested)) : nullptr;
        // Aligned to the bottom of its page: the top follows the height.
        if (control) {
            const int height = owner->height() - 5;
            control->setGeometry(control->x(), owner->height() - height, control->width(), height);
        }
    }
}

void MainWindow::CloseButtonClick()
{
    const int current = pageControl_->currentIndex();
    if (!pageControl_->isVisible() || current < 0 || !pageControl_->isTabVisible(current))
        return;
    pageControl_->setTabVisible(current, false);

    // The tab now at the same place in the row becomes current: the next open
    // page to the right, else the new last one.
    int next = -1;
    for (int i = current + 1; i < pageControl_->count() && next < 0; ++i) {
        if (pageControl_->isTabVisible(i))
            next = i;
    }
    for (int i = current - 1; i >= 0 && next < 0; --i) {
        if (pageControl_->isTabVisible(i))
            next = i;
    }
    if (next >= 0) {
        pageControl_->setCurrentIndex(next);
        return;
    }
    pageControl_->hide();
    setOuterHeight(kCollapsedHeight);
}

void MainWindow::N6Click()
{
    AboutWindow about(this);
    about.exec();
}

void MainWindow::N23Click()
{
    StartCalculator();
}

void MainWindow::setOuterHeight(int height)
{
    outerHeight_ = height;
    const int frame = frameGeometry().height() - geometry().height();
    const int clientHeight = height - frame;
    setFixedSize(kClientWidth, clientHeight);
}

void MainWindow::placeAtTop()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const int screenWidth = screen->geometry().width();
    move(screen->geometry().left() + (screenWidth - frameGeometry().width()) / 2, screen->geometry().top());
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Frame margins are known only once the window is shown.
    setOuterHeight(outerHeight_);
    placeAtTop();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The page control is aligned to the bottom of the client area.
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        fitPageControl();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::fitPageControl()
{
    const int height = std::max(0, centralWidget()->height() - kPageControlTop);
    pageControl_->setGeometry(0, kPageControlTop, kClientWidth, height);
}

} // namespace app
