#include "app/page_area.h"

#include "app/tab_strip.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace app {

namespace {

// Room left below and right of the lowest and rightmost control.
constexpr int kExtentMargin = 2;
// Room kept around a field scrolled into view.
constexpr int kFocusMargin = 8;

} // namespace

QSize ControlsExtent(const QWidget* sheet)
{
    QRect bounds;
    for (const QObject* child : sheet->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        QRect area = widget->geometry();
        if (const auto* nested = qobject_cast<const QTabWidget*>(widget); nested && nested->currentWidget()) {
            int inner = 0;
            for (int i = 0; i < nested->count(); ++i)
                inner = std::max(inner, ControlsExtent(nested->widget(i)).height());
            area.setHeight(nested->height() - nested->currentWidget()->height() + inner);
        }
        bounds |= area;
    }
    if (bounds.isNull())
        return {};
    return {bounds.right() + 1 + kExtentMargin, bounds.bottom() + 1 + kExtentMargin};
}

PageArea::PageArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageArea"));

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PageScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    pageControl_ = new QTabWidget;
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    // The strip above shows the tabs, on as many rows as they need.
    pageControl_->tabBar()->hide();
    scroll_->setWidget(pageControl_);
    strip_ = new TabStrip(pageControl_, this);
    // Each page opens at its top: the pages share one scroll position.
    connect(pageControl_, &QTabWidget::currentChanged, this, [this] {
        fitPage();
        scroll_->verticalScrollBar()->setValue(0);
        scroll_->horizontalScrollBar()->setValue(0);
    });
}

void PageArea::addPage(QWidget* page, const QString& caption)
{
    const int index = pageControl_->addTab(page, caption);
    pageControl_->setTabVisible(index, false);
    strip_->addPage(index);
}

void PageArea::setPagesShown(bool shown)
{
    setVisible(shown);
    pageControl_->setVisible(shown);
    refresh();
}

void PageArea::refresh()
{
    fitPage();
}

void PageArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitPage();
}

void PageArea::focusFirstInput()
{
    QWidget* page = pageControl_->currentWidget();
    if (!page)
        return;
    QWidget* first = nullptr;
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || !w->isVisibleTo(page) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        const auto* edit = qobject_cast<QLineEdit*>(w);
        if (edit && !edit->isReadOnly() && !qobject_cast<QComboBox*>(edit->parentWidget())) {
            first = w;
            break;
        }
        // A sub-page's tab is a way through the page, not an input.
        if (!first && !qobject_cast<QTabBar*>(w) && !qobject_cast<QTabWidget*>(w))
            first = w;
    }
    if (first) {
        first->setFocus(Qt::OtherFocusReason);
        scroll_->ensureWidgetVisible(first, kFocusMargin, kFocusMargin);
    }
}

QSize PageArea::paneFrame() const
{
    // What the page control's frame takes around a sheet, the bar being hidden.
    QStyleOptionTabWidgetFrame option;
    option.initFrom(pageControl_);
    option.lineWidth = pageControl_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, pageControl_);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = QSize(0, 0);
    option.rect = QRect(0, 0, 1000, 1000);
    const QRect contents = pageControl_->style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, pageControl_);
    return QSize(1000, 1000) - contents.size();
}

void PageArea::fitPage()
{
    const int stripHeight = strip_->heightForWidth(width());
    strip_->setGeometry(0, 0, width(), stripHeight);
    strip_->refresh();
    scroll_->setGeometry(0, stripHeight, width(), std::max(0, height() - stripHeight));

    const QWidget* sheet = pageControl_->currentWidget();
    const QSize needed = sheet ? ControlsExtent(sheet) + paneFrame() : QSize();
    QSize room = scroll_->maximumViewportSize();
    const int barWidth = scroll_->verticalScrollBar()->sizeHint().width();
    const int barHeight = scroll_->horizontalScrollBar()->sizeHint().height();
    bool tall = needed.height() > room.height();
    const bool wide = needed.width() > room.width() - (tall ? barWidth : 0);
    tall = needed.height() > room.height() - (wide ? barHeight : 0);
    if (tall)
        room.rwidth() -= barWidth;
    if (wide)
        room.rheight() -= barHeight;
    pageControl_->resize(room.expandedTo(needed));
}

} // namespace app
