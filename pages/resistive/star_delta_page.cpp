#include "pages/resistive/star_delta_page.h"

namespace pages {

StarDeltaPage::StarDeltaPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS21"));
}

} // namespace pages
