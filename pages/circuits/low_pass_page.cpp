#include "pages/circuits/low_pass_page.h"

namespace pages {

LowPassPage::LowPassPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS3"));
}

} // namespace pages
