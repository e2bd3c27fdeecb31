#include "pages/resistive/voltage_divider_page.h"

namespace pages {

VoltageDividerPage::VoltageDividerPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS22"));
}

} // namespace pages
