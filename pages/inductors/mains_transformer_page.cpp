#include "pages/inductors/mains_transformer_page.h"

namespace pages {

MainsTransformerPage::MainsTransformerPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS12"));
}

} // namespace pages
