#include "pages/circuits/high_pass_page.h"

namespace pages {

HighPassPage::HighPassPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS4"));
}

} // namespace pages
