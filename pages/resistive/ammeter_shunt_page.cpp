#include "pages/resistive/ammeter_shunt_page.h"

namespace pages {

AmmeterShuntPage::AmmeterShuntPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS24"));
}

} // namespace pages
