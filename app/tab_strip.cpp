#include "app/tab_strip.h"

#include <QResizeEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace app {

namespace {

QStyleOptionTab TabOption(const QAbstractButton* tab, int position)
{
    QStyleOptionTab option;
    option.initFrom(tab);
    option.shape = QTabBar::RoundedNorth;
    option.text = tab->text();
    option.position = static_cast<QStyleOptionTab::TabPosition>(position);
    option.state &= ~QStyle::State_HasFocus;
    if (tab->isChecked())
        option.state |= QStyle::State_Selected;
    return option;
}

} // namespace

PageTab::PageTab(const QString& caption, QWidget* parent) : QAbstractButton(parent)
{
    setText(caption);
    setCheckable(true);
    // Ctrl+Tab moves between pages; the tabs themselves stay out of the Tab chain.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QSize PageTab::sizeHint() const
{
    // As QTabBar sizes a tab: the caption, the style's spacing, the style's frame.
    const QStyleOptionTab option = TabOption(this, position_);
    const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QFontMetrics metrics = fontMetrics();
    const QSize contents(metrics.size(Qt::TextShowMnemonic, text()).width() + hspace, metrics.height() + vspace);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

void PageTab::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTab option = TabOption(this, position_);
    option.rect = rect();
    painter.drawControl(QStyle::CE_TabBarTab, option);
}

TabStrip::TabStrip(QTabWidget* pages, QWidget* parent) : QWidget(parent), pages_(pages)
{
    setObjectName(QStringLiteral("PageTabs"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    connect(pages_, &QTabWidget::currentChanged, this, &TabStrip::markCurrent);
}

void TabStrip::addPage(int index)
{
    auto* tab = new PageTab(pages_->tabText(index), this);
    tab->setObjectName(QStringLiteral("Tab") + pages_->widget(index)->objectName());
    tab->hide();
    connect(tab, &QAbstractButton::pressed, this, [this, index] { pages_->setCurrentIndex(index); });
    if (tabs_.size() <= static_cast<std::size_t>(index))
        tabs_.resize(static_cast<std::size_t>(index) + 1, nullptr);
    tabs_[static_cast<std::size_t>(index)] = tab;
}

int TabStrip::rowHeight() const
{
    return tabs_.empty() ? 0 : tabs_.front()->sizeHint().height();
}

int TabStrip::places(int width, std::vector<QRect>& at) const
{
    at.assign(tabs_.size(), QRect());
    const int height = rowHeight();
    int rows = 0;
    int x = 0;
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        if (!tabs_[i] || !pages_->isTabVisible(static_cast<int>(i)))
            continue;
        const int tabWidth = std::min(tabs_[i]->sizeHint().width(), std::max(width, 1));
        if (rows == 0 || x + tabWidth > width) {
            ++rows;
            x = 0;
        }
        at[i] = QRect(x, (rows - 1) * height, tabWidth, height);
        x += tabWidth;
    }
    return rows;
}

int TabStrip::heightForWidth(int width) const
{
    std::vector<QRect> at;
    return places(width, at) * rowHeight();
}

QSize TabStrip::sizeHint() const
{
    return {width(), heightForWidth(width())};
}

void TabStrip::refresh()
{
    arrange();
    markCurrent();
    updateGeometry();
}

void TabStrip::arrange()
{
    std::vector<QRect> at;
    rows_ = places(width(), at);
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        PageTab* tab = tabs_[i];
        if (!tab)
            continue;
        if (at[i].isNull()) {
            tab->hide();
            continue;
        }
        // The style draws a row's first and last tab with their own ends.
        const bool first = at[i].left() == 0;
        const bool last = std::none_of(at.begin() + static_cast<std::ptrdiff_t>(i) + 1, at.end(),
                                       [&](const QRect& r) { return !r.isNull() && r.top() == at[i].top(); });
        const auto position = first && last ? QStyleOptionTab::OnlyOneTab
            : first                         ? QStyleOptionTab::Beginning
            : last                          ? QStyleOptionTab::End
                                            : QStyleOptionTab::Middle;
        tab->setRowPosition(position);
        tab->setGeometry(at[i]);
        tab->show();
    }
}

void TabStrip::markCurrent()
{
    const int current = pages_->currentIndex();
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        if (tabs_[i])
            tabs_[i]->setChecked(static_cast<int>(i) == current);
    }
}

void TabStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        arrange();
}

} // namespace app
