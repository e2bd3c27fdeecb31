#include "pages/codes/resistor_code_page.h"

#include "pages/codes/resistor_reading_tab.h"
#include "pages/codes/resistor_writing_tab.h"
#include "values/pictures.h"

#include "ui_resistor_code_page.h"

namespace pages {

ResistorCodePage::ResistorCodePage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::ResistorCodePage>())
{
    ui->setupUi(this);
}

ResistorCodePage::~ResistorCodePage() = default;

void ResistorCodePage::OnOpen()
{
    values::LoadBandPictures(this, QStringLiteral("ColorRImage"));
}

void ResistorCodePage::registerRoutes(controls::RouteTables& routes)
{
    ui->TabSheet32->registerRoutes(routes);
    ui->TabSheet33->registerRoutes(routes);
}

} // namespace pages
