#include "pages/circuits/extended_circuit_page.h"

#include "values/pictures.h"

#include "ui_extended_circuit_page.h"

#include <QLineEdit>

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

    // One keystroke here rewrites six numbers across the groups; plain digits
    // need no OpenType shaping, which would be most of the cost of showing them.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        QFont font = edit->font();
        font.setStyleStrategy(QFont::PreferNoShaping);
        edit->setFont(font);
    }

    values::LoadPicture(ui->TS26Image1, QStringLiteral("TS26Image1"));
    values::LoadPicture(ui->TS26Image2, QStringLiteral("TS26Image2"));
    values::LoadPicture(ui->TS26Image3, QStringLiteral("TS26Image3"));
}

ExtendedCircuitPage::~ExtendedCircuitPage() = default;

void ExtendedCircuitPage::registerRoutes(controls::RouteTables& routes)
{
    using extended::UnitChange;
    const auto circuit = [this](UnitChange changed) { return [this, changed](QObject*) { circuit_.ComputeCircuit(changed); }; };
    const auto wave = [this](UnitChange changed) { return [this, changed](QObject*) { wave_.ComputeWave(changed); }; };
    const auto coil = [this](UnitChange changed) { return [this, changed](QObject*) { coil_.ComputeCoil(changed); }; };

    // Each group reads all its fields on every change, so its edits share a row;
    // a unit that another group shares has a row of its own.
    routes.edits.add({ui->TS26C, ui->TS26F, ui->TS26L}, circuit(UnitChange::None));
    routes.edits.add({ui->TS26EditF, ui->TS26EditT, ui->TS26EditJ, ui->TS26EditJ4}, wave(UnitChange::None));
    routes.edits.add({ui->TS26W, ui->TS26Dk, ui->TS26Dp, ui->TS26J, ui->TS26Ll}, coil(UnitChange::None));

    routes.buttons.add({ui->TS26Button1}, [this](QObject*) { circuit_.ClearCircuit(); });
    routes.buttons.add({ui->TS26Button2}, [this](QObject*) { wave_.ClearWave(); });
    routes.buttons.add({ui->TS26Button3}, [this](QObject*) { coil_.ClearCoil(); });

    routes.combos.add({ui->TS26CCB}, circuit(UnitChange::None));
    routes.combos.add({ui->TS26LCB}, circuit(UnitChange::Inductance));
    routes.combos.add({ui->TS26FCB}, circuit(UnitChange::Frequency));
    routes.combos.add({ui->TS26CBF}, wave(UnitChange::Frequency));
    routes.combos.add({ui->TS26CBT, ui->TS26CBJ, ui->TS26CBJ4}, wave(UnitChange::None));
    routes.combos.add({ui->TS26LlCB}, coil(UnitChange::Inductance));

    routes.options.add({ui->TS26ChB1}, coil(UnitChange::None));
}

} // namespace pages
