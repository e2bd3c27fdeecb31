#include "pages/resistive/ohms_law_page.h"

namespace pages {

OhmsLawPage::OhmsLawPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS15"));
}

} // namespace pages
