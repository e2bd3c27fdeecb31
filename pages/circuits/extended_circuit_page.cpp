#include "pages/circuits/extended_circuit_page.h"

namespace pages {

ExtendedCircuitPage::ExtendedCircuitPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS26"));
}

} // namespace pages
