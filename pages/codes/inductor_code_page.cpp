#include "pages/codes/inductor_code_page.h"

#include <QTabWidget>

namespace pages {

InductorCodePage::InductorCodePage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS20"));
    auto* pageControl = new QTabWidget(this);
    pageControl->setObjectName(QStringLiteral("PageControl12"));
    pageControl->setGeometry(0, 72, 722, 520);
    auto* reading = new QWidget;
    reading->setObjectName(QStringLiteral("TabSheet30"));
    pageControl->addTab(reading, QStringLiteral("Цвето маркировка -> Номинал"));
    auto* writing = new QWidget;
    writing->setObjectName(QStringLiteral("TabSheet31"));
    pageControl->addTab(writing, QStringLiteral("Номинал -> Цвето маркировка"));
}

} // namespace pages
