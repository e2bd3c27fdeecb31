#include "pages/resistive/added_resistor_page.h"

namespace pages {

AddedResistorPage::AddedResistorPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS17"));
}

} // namespace pages
