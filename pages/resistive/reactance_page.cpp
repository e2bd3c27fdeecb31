#include "pages/resistive/reactance_page.h"

#include "pages/resistive/reactance_capacitor_half.h"
#include "pages/resistive/reactance_inductor_half.h"
#include "values/pictures.h"

#include "ui_reactance_page.h"

namespace pages {

ReactancePage::ReactancePage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::ReactancePage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS23"));
    values::LoadPicture(ui->RLCFLImage, QStringLiteral("RLCFLImage"));
    values::LoadPicture(ui->RLCFCImage, QStringLiteral("RLCFCImage"));

    inductor_ = std::make_unique<ReactanceInductorHalf>(ReactanceInductorHalf::Controls{
        ui->RLCFLL, ui->RLCFLCBL, ui->RLCFLF, ui->RLCFLCBF, ui->RLCFLRxl, ui->RLCFLCBRxl, ui->RLCFLR,
        ui->RLCFLCBR, ui->RLCFLRRxl, ui->RLCFLCBRRxl});
    capacitor_ = std::make_unique<ReactanceCapacitorHalf>(ReactanceCapacitorHalf::Controls{
        ui->RLCFCC, ui->RLCFCCBC, ui->RLCFCF, ui->RLCFCCBF, ui->RLCFCRxc, ui->RLCFCCBRxc});
}

ReactancePage::~ReactancePage() = default;

void ReactancePage::registerRoutes(controls::RouteTables& routes)
{
    const auto computeInductor = [this](QObject*) { inductor_->Compute(); };
    const auto computeCapacitor = [this](QObject*) { capacitor_->Compute(); };
    routes.edits.add({ui->RLCFLL, ui->RLCFLR, ui->RLCFLF, ui->RLCFLRxl, ui->RLCFLRRxl}, computeInductor);
    routes.edits.add({ui->RLCFCC, ui->RLCFCF, ui->RLCFCRxc}, computeCapacitor);
    routes.buttons.add({ui->RLCFLButton}, [this](QObject*) { inductor_->Clear(); });
    routes.buttons.add({ui->RLCFCButton}, [this](QObject*) { capacitor_->Clear(); });
    routes.combos.add({ui->RLCFLCBL, ui->RLCFLCBR, ui->RLCFLCBF, ui->RLCFLCBRxl, ui->RLCFLCBRRxl}, computeInductor);
    routes.combos.add({ui->RLCFCCBC, ui->RLCFCCBF, ui->RLCFCCBRxc}, computeCapacitor);
}

} // namespace pages
