#include "pages/resistive/ammeter_shunt_page.h"

#include "engineering/meter_ranges.h"
#include "engineering/resistive_circuits.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"
#include "values/update_guard.h"

#include "ui_ammeter_shunt_page.h"

#include "pages/resistive/solved_field.h"

#include <QScopedValueRollback>

namespace pages {

using values::Real;
using values::UnitKind;
namespace checked = values::checked;

namespace {

enum MeterField : std::uint8_t { MeterResistance = 1, MeterCurrent = 2, MeterVoltage = 3 };
enum ShuntField : std::uint8_t { MeasuredCurrent = 1, ShuntResistance = 2 };
enum CircuitField : std::uint8_t { SourceVoltage = 1, LoadVoltage = 2 };

} // namespace

AmmeterShuntPage::AmmeterShuntPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::AmmeterShuntPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS24"));
    values::LoadPicture(ui->RshImage1, QStringLiteral("RshImage1"));
    values::LoadPicture(ui->RshImage2, QStringLiteral("RshImage2"));
}

AmmeterShuntPage::~AmmeterShuntPage() = default;

void AmmeterShuntPage::registerRoutes(controls::RouteTables& routes)
{
    // What the user types stays: the stage takes the edit as an input and
    // does not write into it while its change is computed.
    using Stage = void (AmmeterShuntPage::*)();
    const auto typedInto = [&](QLineEdit* edit, Stage stage, std::uint8_t& state, std::uint8_t field) {
        routes.edits.add({edit}, [this, edit, stage, &state, field](QObject*) {
            TakeAsInput(edit, state, field);
            const QScopedValueRollback<const QLineEdit*> typing(typing_, edit);
            (this->*stage)();
        });
    };
    typedInto(ui->RshRa, &AmmeterShuntPage::ComputeMeter, meterState_, MeterResistance);
    typedInto(ui->RshIa, &AmmeterShuntPage::ComputeMeter, meterState_, MeterCurrent);
    typedInto(ui->RshUa, &AmmeterShuntPage::ComputeMeter, meterState_, MeterVoltage);
    typedInto(ui->RshI, &AmmeterShuntPage::ComputeShunt, shuntState_, MeasuredCurrent);
    typedInto(ui->RshR, &AmmeterShuntPage::ComputeShunt, shuntState_, ShuntResistance);
    typedInto(ui->RshE, &AmmeterShuntPage::ComputeCircuit, circuitState_, SourceVoltage);
    typedInto(ui->RshU, &AmmeterShuntPage::ComputeCircuit, circuitState_, LoadVoltage);
    routes.buttons.add({ui->RshButton1}, [this](QObject*) { Clear(); });
    routes.combos.add({ui->RshRaCB, ui->RshIaCB, ui->RshUaCB}, [this](QObject*) { ComputeMeter(); });
    routes.combos.add({ui->RshICB, ui->RshRCB}, [this](QObject*) { ComputeShunt(); });
    routes.combos.add({ui->RshECB, ui->RshUCB}, [this](QObject*) { ComputeCircuit(); });
}

void AmmeterShuntPage::TakeAsInput(QLineEdit* edit, std::uint8_t& state, std::uint8_t field)
{
    if (state == field)
        state = 0;
    values::ClearUnsolvable(edit);
    values::SetFieldColour(edit, values::WindowColour());
}

bool AmmeterShuntPage::Free(const QLineEdit* edit, double value, std::uint8_t state, std::uint8_t field) const
{
    return edit != typing_ && (value == 0 || state == field);
}

// Yellow, but the lock stays as it was: the user may type over a result.
template <class Computation>
bool AmmeterShuntPage::WriteResult(QLineEdit* edit, double& target, double factor, Computation&& compute)
{
    double value = 0;
    QString text;
    const bool computed = values::SolveInto(edit, [&] {
        value = checked::ToDouble(compute());
        text = values::FormatNumber(checked::ToDouble(checked::Div(value, factor)));
    });
    if (!computed)
        return false;
    values::SetFieldColour(edit, values::ResultColour);
    values::WriteGuarded(edit, text);
    target = value;
    return true;
}

void AmmeterShuntPage::ComputeMeter()
{
    double kRa = 1, kIa = 1, kUa = 1;
    Ra = values::ReadWithUnit(ui->RshRa, ui->RshRaCB, UnitKind::R, kRa);
    Ia = values::ReadWithUnit(ui->RshIa, ui->RshIaCB, UnitKind::I, kIa);
    Ua = values::ReadWithUnit(ui->RshUa, ui->RshUaCB, UnitKind::U, kUa);
    for (QLineEdit* edit : {ui->RshRa, ui->RshIa, ui->RshUa})
        values::ClearUnsolvable(edit);

    if (Free(ui->RshRa, Ra, meterState_, MeterResistance)) {
        if (!(Ia > 0 && Ua > 0) || !WriteResult(ui->RshRa, Ra, kRa, [&] { return engineering::OhmResistance(Ua, Ia); }))
            return;
        meterState_ = MeterResistance;
        ComputeShunt();
    }
    if (Free(ui->RshIa, Ia, meterState_, MeterCurrent)) {
        if (!(Ra > 0 && Ua > 0) || !WriteResult(ui->RshIa, Ia, kIa, [&] { return engineering::OhmCurrent(Ua, Ra); }))
            return;
        meterState_ = MeterCurrent;
        ComputeShunt();
    }
    if (!Free(ui->RshUa, Ua, meterState_, MeterVoltage) || !(Ia > 0 && Ra > 0))
        return;
    if (!WriteResult(ui->RshUa, Ua, kUa, [&] { return engineering::OhmVoltage(Ia, Ra); }))
        return;
    meterState_ = MeterVoltage;
    ComputeShunt();
}

void AmmeterShuntPage::ComputeShunt()
{
    double kI = 1, kR = 1;
    I = values::ReadWithUnit(ui->RshI, ui->RshICB, UnitKind::I, kI);
    R = values::ReadWithUnit(ui->RshR, ui->RshRCB, UnitKind::R, kR);
    for (QLineEdit* edit : {ui->RshI, ui->RshR})
        values::ClearUnsolvable(edit);
    values::ClearUnsolvable(ui->RshLabel6);
    ui->RshLabel6->setText(QStringLiteral("0"));

    if (Free(ui->RshI, I, shuntState_, MeasuredCurrent)) {
        if (!(R != 0 && Ra != 0 && Ia != 0))
            return;
        if (!WriteResult(ui->RshI, I, kI, [&] { return engineering::ShuntedRange(Ia, Ra, R); }))
            return;
        shuntState_ = MeasuredCurrent;
        ComputeCircuit();
    }
    const auto shuntPower = [this] { return engineering::ShuntPower(Ia, R, I); };
    if (R != 0 && shuntState_ != ShuntResistance) {
        ShowFigure(ui->RshLabel6, shuntPower);
        return;
    }
    if (ui->RshR == typing_ || !(I != 0 && Ra != 0 && Ia != 0))
        return;
    if (I > Ia) {
        if (!WriteResult(ui->RshR, R, kR, [&] { return engineering::ShuntForRange(Ia, Ra, I); }))
            return;
        shuntState_ = ShuntResistance;
        ComputeCircuit();
        ShowFigure(ui->RshLabel6, shuntPower);
    } else {
        // No shunt turns a meter into one for a smaller current.
        WriteResult(ui->RshR, R, kR, [] { return Real(0); });
        ComputeCircuit();
    }
}

void AmmeterShuntPage::ComputeCircuit()
{
    if (!(Ia > 0 && Ra > 0))
        return;
    double kE = 1, kU = 1;
    E = values::ReadWithUnit(ui->RshE, ui->RshECB, UnitKind::U, kE);
    U = values::ReadWithUnit(ui->RshU, ui->RshUCB, UnitKind::U, kU);
    for (QLineEdit* edit : {ui->RshE, ui->RshU})
        values::ClearUnsolvable(edit);
    values::ClearUnsolvable(ui->RshLabel7);
    ui->RshLabel7->setText(QStringLiteral("0"));

    if (Free(ui->RshE, E, circuitState_, SourceVoltage)) {
        if (!(U > 0) || !WriteResult(ui->RshE, E, kE, [&] { return engineering::SourceAcrossMeter(U, Ua); }))
            return;
        circuitState_ = SourceVoltage;
    }
    if (Free(ui->RshU, U, circuitState_, LoadVoltage)) {
        if (!(E > 0))
            return;
        circuitState_ = LoadVoltage;
        const Real load = engineering::LoadBesideMeter(E, Ua);
        if (load < 0 || !WriteResult(ui->RshU, U, kU, [&] { return load; }))
            return;
    }
    ShowFigure(ui->RshLabel7, [&] { return engineering::Power(U, I); });
}

void AmmeterShuntPage::Clear()
{
    meterState_ = shuntState_ = circuitState_ = 0;
    // The stages read each other's last values: forget them with the fields.
    Ra = Ia = Ua = I = R = E = U = 0;
    {
        const values::UpdateGuardScope guard;
        for (QLineEdit* edit : {ui->RshRa, ui->RshIa, ui->RshR, ui->RshI, ui->RshE, ui->RshU, ui->RshUa}) {
            values::ClearUnsolvable(edit);
            edit->setText(QStringLiteral("0"));
            values::SetFieldColour(edit, values::WindowColour());
        }
    }
    for (QLabel* label : {ui->RshLabel6, ui->RshLabel7}) {
        values::ClearUnsolvable(label);
        label->setText(QStringLiteral("??"));
    }
    ui->RshRaCB->setCurrentIndex(0);
    ui->RshIaCB->setCurrentIndex(2);
    ui->RshUaCB->setCurrentIndex(1);
    ui->RshRCB->setCurrentIndex(0);
    ui->RshICB->setCurrentIndex(2);
    ui->RshUCB->setCurrentIndex(1);
    ui->RshECB->setCurrentIndex(1);
}

} // namespace pages
