#include "pages/resistive/voltmeter_page.h"

namespace pages {

VoltmeterPage::VoltmeterPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS25"));
}

} // namespace pages
