#include "pages/resistive/parallel_resistors_page.h"

namespace pages {

ParallelResistorsPage::ParallelResistorsPage(QWidget* parent) : Page(parent)
{
    setObjectName(QStringLiteral("TS16"));
}

} // namespace pages
