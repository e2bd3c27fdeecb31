#include "pages/inductors/single_layer_coil_page.h"

namespace pages {

SingleLayerCoilPage::SingleLayerCoilPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS7"));
}

} // namespace pages
