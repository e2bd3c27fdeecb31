#include "pages/circuits/oscillating_circuit_page.h"

namespace pages {

OscillatingCircuitPage::OscillatingCircuitPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS1"));
}

} // namespace pages
