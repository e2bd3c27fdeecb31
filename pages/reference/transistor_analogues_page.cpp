#include "pages/reference/transistor_analogues_page.h"

namespace pages {

TransistorAnaloguesPage::TransistorAnaloguesPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS28"));
}

} // namespace pages
