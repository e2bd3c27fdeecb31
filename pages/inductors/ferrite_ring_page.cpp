#include "pages/inductors/ferrite_ring_page.h"

namespace pages {

FerriteRingPage::FerriteRingPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS11"));
}

} // namespace pages
