#include "app/main_window.h"

#include "app/about_window.h"
#include "app/calculator.h"
#include "app/close_image.h"
#include "app/error_reporter.h"
#include "app/event_router.h"
#include "app/main_menu.h"
#include "app/menu_keys.h"
#include "app/page_area.h"
#include "app/page_catalog.h"
#include "controls/labelled_edit.h"
#include "controls/page.h"
#include "controls/value_edits.h"
#include "pages/resistive/standard_values_page.h"
#include "values/pictures.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QWindow>

#include <algorithm>

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
constexpr int kCloseImageInset = 25; // from the right edge of the client area

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

    EnableMenuBarKeys(menuBar());

    pageArea_ = new PageArea(client);
    pageControl_ = pageArea_->pageControl();

    closeImage_ = new CloseImage(client);
    closeImage_->move(kClientWidth - kCloseImageInset, 5);
    connect(closeImage_, &CloseImage::clicked, this, [this] { router_->Dispatch([this] { CloseButtonClick(); }); });

    // The menu first: finding its items is quick while the pages are not there yet.
    connectMenu();
    connectShortcuts();
    buildPages();
    pageArea_->setPagesShown(false);

    setOuterHeight(kCollapsedHeight);
    placeAtTop();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    for (const PageEntry& entry : PageCatalog()) {
        controls::Page* page = entry.make(pageControl_);
        page->setObjectName(QLatin1String(entry.sheet));
        pageArea_->addPage(page, QString::fromUtf16(entry.caption));
        page->registerRoutes(router_->tables());
        pages_.push_back(page);
    }
    router_->wire(pageControl_);
    controls::NameControlsByCaptions(pageControl_);
    controls::PrepareValueEdits(pageControl_, [this](double value, values::UnitKind kind) {
        OpenStandardValues(value, kind);
    });
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

void MainWindow::connectShortcuts()
{
    const auto add = [this](const QKeySequence& keys, auto work) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, work] { router_->Dispatch([this, work] { work(this); }); });
    };
    // Both close the current page as the close image does.
    add(QKeySequence(Qt::CTRL | Qt::Key_W), [](MainWindow* w) { w->CloseButtonClick(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_F4), [](MainWindow* w) { w->CloseButtonClick(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), [](MainWindow* w) { w->stepPage(1); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [](MainWindow* w) { w->stepPage(-1); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [](MainWindow* w) { w->stepPage(-1); });
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
    pageArea_->refresh();
}

void MainWindow::OpenStandardValues(double value, values::UnitKind kind)
{
    auto* item = findChild<QAction*>(QStringLiteral("NESeries"));
    auto* standard = qobject_cast<pages::StandardValuesPage*>(page(QStringLiteral("TSESeries")));
    if (!item || !standard)
        return;
    PageActiv(item);
    router_->Dispatch([standard, value, kind] { standard->ShowValue(value, kind); });
}

void MainWindow::stepPage(int step)
{
    const int count = pageControl_->count();
    const int current = pageControl_->currentIndex();
    if (!pageControl_->isVisible() || current < 0)
        return;
    for (int i = (current + step + count) % count; i != current; i = (i + step + count) % count) {
        if (pageControl_->isTabVisible(i)) {
            pageControl_->setCurrentIndex(i);
            pageArea_->focusFirstInput();
            return;
        }
    }
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
                pageArea_->setPagesShown(true);
                refitNestedPageControls();
                pageArea_->focusFirstInput();
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
        pageArea_->refresh();
        pageArea_->focusFirstInput();
        return;
    }
    pageArea_->setPagesShown(false);
    setOuterHeight(kCollapsedHeight);
}

void MainWindow::N6Click()
{
    AboutWindow about(this);
    about.exec();
}

void MainWindow::N23Click()
{
    if (!StartCalculator())
        ReportError(CalculatorMissingMessage());
}

QRect MainWindow::screenArea() const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void MainWindow::setOuterHeight(int height)
{
    outerHeight_ = height;
    const QSize frame = frameGeometry().size() - geometry().size();
    QSize outer(kClientWidth + frame.width(), height);
    if (const QRect area = screenArea(); area.isValid()) {
        // A window cut short scrolls its page up and down; it grows by the
        // scroll bar, where the screen has the room, so pages need not scroll sideways.
        if (outer.height() > area.height())
            outer.rwidth() += pageArea_->scrollArea()->verticalScrollBar()->sizeHint().width();
        outer = outer.boundedTo(area.size());
    }
    setFixedSize(outer - frame);
    keepOnScreen();
}

void MainWindow::placeAtTop()
{
    const QRect area = screenArea();
    if (!area.isValid())
        return;
    move(area.left() + (area.width() - frameGeometry().width()) / 2, area.top());
    keepOnScreen();
}

void MainWindow::keepOnScreen()
{
    const QRect area = screenArea();
    if (!area.isValid())
        return;
    const QRect frame = frameGeometry();
    const QPoint corner(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())),
                        std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
    if (corner != frame.topLeft())
        move(corner);
}

void MainWindow::followScreen()
{
    // Another screen, or a panel that came or went, changes the room there is.
    if (followsScreen_ || !windowHandle())
        return;
    followsScreen_ = true;
    const auto refit = [this] { setOuterHeight(outerHeight_); };
    connect(windowHandle(), &QWindow::screenChanged, this, refit);
    for (const QScreen* screen : QGuiApplication::screens())
        connect(screen, &QScreen::availableGeometryChanged, this, refit);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Frame margins are known only once the window is shown.
    setOuterHeight(outerHeight_);
    placeAtTop();
    followScreen();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The page area is aligned to the bottom of the client area.
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        fitPageArea();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::fitPageArea()
{
    const int width = centralWidget()->width();
    const int height = std::max(0, centralWidget()->height() - kPageControlTop);
    pageArea_->setGeometry(0, kPageControlTop, width, height);
    closeImage_->move(width - kCloseImageInset, closeImage_->y());
}

} // namespace app
