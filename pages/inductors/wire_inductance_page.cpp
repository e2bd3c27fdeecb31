#include "pages/inductors/wire_inductance_page.h"

namespace pages {

WireInductancePage::WireInductancePage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS10"));
}

} // namespace pages
