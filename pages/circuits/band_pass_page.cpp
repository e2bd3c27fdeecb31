#include "pages/circuits/band_pass_page.h"

namespace pages {

BandPassPage::BandPassPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS5"));
}

} // namespace pages
