#include "pages/inductors/multilayer_coil_page.h"

namespace pages {

MultilayerCoilPage::MultilayerCoilPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS8"));
}

} // namespace pages
