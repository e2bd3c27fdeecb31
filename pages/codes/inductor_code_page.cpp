#include "pages/codes/inductor_code_page.h"

#include "pages/codes/inductor_reading_tab.h"
#include "pages/codes/inductor_writing_tab.h"
#include "values/pictures.h"

#include "ui_inductor_code_page.h"

namespace pages {

InductorCodePage::InductorCodePage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::InductorCodePage>())
{
    ui->setupUi(this);
}

InductorCodePage::~InductorCodePage() = default;

void InductorCodePage::OnOpen()
{
    values::LoadBandPictures(this, QStringLiteral("ColorLImage"));
}

void InductorCodePage::registerRoutes(controls::RouteTables& routes)
{
    ui->TabSheet30->registerRoutes(routes);
    ui->TabSheet31->registerRoutes(routes);
}

} // namespace pages
