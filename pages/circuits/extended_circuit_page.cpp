#include "pages/circuits/extended_circuit_page.h"

#include "values/pictures.h"

#include "ui_extended_circuit_page.h"

namespace pages {

ExtendedCircuitPage::ExtendedCircuitPage(QWidget* parent)
    : Page(parent),
      ui(std::make_unique<Ui::ExtendedCircuitPage>()),
      circuit_(*ui),
      wave_(*ui),
      coil_(*ui)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS26"));
    circuit_.link(wave_, coil_);
    wave_.link(circuit_, coil_);
    coil_.link(circuit_, wave_);

    values::LoadPicture(ui->TS26Image1, QStringLiteral("TS26Image1"));
    values::LoadPicture(ui->TS26Image2, QStringLiteral("TS26Image2"));
    values::LoadPicture(ui->TS26Image3, QStringLiteral("TS26Image3"));
}

ExtendedCircuitPage::~ExtendedCircuitPage() = default;

void ExtendedCircuitPage::registerRoutes(controls::RouteTables& routes)
{
    const auto computeCircuit = [this](QObject* control) { circuit_.ComputeCircuit(control); };
    const auto computeWave = [this](QObject* control) { wave_.ComputeWave(control); };
    const auto computeCoil = [this](QObject* control) { coil_.ComputeCoil(control); };

    routes.edits.add({ui->TS26C, ui->TS26F, ui->TS26L}, computeCircuit);
    routes.edits.add({ui->TS26EditF, ui->TS26EditT, ui->TS26EditJ, ui->TS26EditJ4}, computeWave);
    routes.edits.add({ui->TS26W, ui->TS26Dk, ui->TS26Dp, ui->TS26J, ui->TS26Ll}, computeCoil);

    routes.buttons.add({ui->TS26Button1}, [this](QObject*) { circuit_.ClearCircuit(); });
    routes.buttons.add({ui->TS26Button2}, [this](QObject*) { wave_.ClearWave(); });
    routes.buttons.add({ui->TS26Button3}, [this](QObject*) { coil_.ClearCoil(); });

    routes.combos.add({ui->TS26CCB, ui->TS26LCB, ui->TS26FCB}, computeCircuit);
    routes.combos.add({ui->TS26CBF, ui->TS26CBT, ui->TS26CBJ, ui->TS26CBJ4}, computeWave);
    routes.combos.add({ui->TS26LlCB}, computeCoil);

    routes.options.add({ui->TS26ChB1}, computeCoil);
}

} // namespace pages
