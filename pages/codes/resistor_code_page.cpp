#include "pages/codes/resistor_code_page.h"

#include <QTabWidget>

namespace pages {

ResistorCodePage::ResistorCodePage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS19"));
    auto* pageControl = new QTabWidget(this);
    pageControl->setObjectName(QStringLiteral("PageControl13"));
    pageControl->setGeometry(0, 72, 722, 520);
    auto* reading = new QWidget;
    reading->setObjectName(QStringLiteral("TabSheet32"));
    pageControl->addTab(reading, QStringLiteral("Цвето маркировка -> Номинал"));
    auto* writing = new QWidget;
    writing->setObjectName(QStringLiteral("TabSheet33"));
    pageControl->addTab(writing, QStringLiteral("Номинал -> Цвето маркировка"));
}

} // namespace pages
