#include "pages/resistive/quenching_capacitor_page.h"

namespace pages {

QuenchingCapacitorPage::QuenchingCapacitorPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS18"));
}

} // namespace pages
