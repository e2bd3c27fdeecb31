#include "pages/resistive/reactance_page.h"

namespace pages {

ReactancePage::ReactancePage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS23"));
}

} // namespace pages
