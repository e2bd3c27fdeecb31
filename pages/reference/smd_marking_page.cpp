#include "pages/reference/smd_marking_page.h"

namespace pages {

SmdMarkingPage::SmdMarkingPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS27"));
}

} // namespace pages
