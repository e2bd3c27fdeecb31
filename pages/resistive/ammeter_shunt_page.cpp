#include "pages/resistive/ammeter_shunt_page.h"

#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"
#include "values/update_guard.h"

#include "ui_ammeter_shunt_page.h"

namespace pages {

using values::Real;
using values::UnitKind;
namespace checked = values::checked;

namespace {

enum MeterField : std::uint8_t { MeterResistance = 1, MeterCurrent = 2, MeterVoltage = 3 };
enum ShuntField : std::uint8_t { MeasuredCurrent = 1, ShuntResistance = 2 };
enum CircuitField : std::uint8_t { SourceVoltage = 1, LoadVoltage = 2 };

QString PowerText(Real watts)
{
    return values::FormatNumber(checked::ToDouble(watts));
}

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
    const auto meter = [this](QObject*) { ComputeMeter(); };
    const auto shunt = [this](QObject*) { ComputeShunt(); };
    const auto circuit = [this](QObject*) { ComputeCircuit(); };
    routes.edits.add({ui->RshRa, ui->RshIa, ui->RshUa}, meter);
    routes.edits.add({ui->RshI, ui->RshR}, shunt);
    routes.edits.add({ui->RshE, ui->RshU}, circuit);
    routes.buttons.add({ui->RshButton1}, [this](QObject*) { Clear(); });
    routes.combos.add({ui->RshRaCB, ui->RshIaCB, ui->RshUaCB}, meter);
    routes.combos.add({ui->RshICB, ui->RshRCB}, shunt);
    routes.combos.add({ui->RshECB, ui->RshUCB}, circuit);
}

// Yellow, but the lock stays as it was: the user may type over a result.
void AmmeterShuntPage::WriteResult(QLineEdit* edit, double value, double factor)
{
    const QString text = values::FormatNumber(checked::ToDouble(checked::Div(value, factor)));
    values::SetFieldColour(edit, values::ResultColour);
    values::WriteGuarded(edit, text);
}

void AmmeterShuntPage::ComputeMeter()
{
    double kRa = 1, kIa = 1, kUa = 1;
    Ra = values::ReadWithUnit(ui->RshRa, ui->RshRaCB, UnitKind::R, kRa);
    Ia = values::ReadWithUnit(ui->RshIa, ui->RshIaCB, UnitKind::I, kIa);
    Ua = values::ReadWithUnit(ui->RshUa, ui->RshUaCB, UnitKind::U, kUa);

    if (Ra == 0 || meterState_ == MeterResistance) {
        if (!(Ia > 0 && Ua > 0))
            return;
        const double value = checked::ToDouble(checked::Div(Ua, Ia));
        WriteResult(ui->RshRa, value, kRa);
        meterState_ = MeterResistance;
        Ra = value;
        ComputeShunt();
    }
    if (Ia == 0 || meterState_ == MeterCurrent) {
        if (!(Ra > 0 && Ua > 0))
            return;
        const double value = checked::ToDouble(checked::Div(Ua, Ra));
        WriteResult(ui->RshIa, value, kIa);
        meterState_ = MeterCurrent;
        Ia = value;
        ComputeShunt();
    }
    if (!(Ua == 0 || meterState_ == MeterVoltage) || !(Ia > 0 && Ra > 0))
        return;
    const double value = checked::ToDouble(Real(Ia) * Ra);
    WriteResult(ui->RshUa, value, kUa);
    meterState_ = MeterVoltage;
    Ua = value;
    ComputeShunt();
}

void AmmeterShuntPage::ComputeShunt()
{
    double kI = 1, kR = 1;
    I = values::ReadWithUnit(ui->RshI, ui->RshICB, UnitKind::I, kI);
    R = values::ReadWithUnit(ui->RshR, ui->RshRCB, UnitKind::R, kR);
    ui->RshLabel6->setText(QStringLiteral("0"));

    if (I == 0 || shuntState_ == MeasuredCurrent) {
        if (!(R != 0 && Ra != 0 && Ia != 0))
            return;
        const double value = checked::ToDouble(checked::Div(Real(Ia) * (Real(Ra) + R), R));
        WriteResult(ui->RshI, value, kI);
        shuntState_ = MeasuredCurrent;
        I = value;
        ComputeCircuit();
    }
    const auto shuntPower = [this] { return (Real(I) - Ia) * (Real(I) - Ia) * R; };
    if (R != 0 && shuntState_ != ShuntResistance) {
        ui->RshLabel6->setText(PowerText(shuntPower()));
        return;
    }
    if (!(I != 0 && Ra != 0 && Ia != 0))
        return;
    if (I > Ia) {
        const double value = checked::ToDouble(checked::Div(Real(Ra) * Ia, Real(I) - Ia));
        WriteResult(ui->RshR, value, kR);
        shuntState_ = ShuntResistance;
        R = value;
        ComputeCircuit();
        ui->RshLabel6->setText(PowerText(shuntPower()));
    } else {
        // No shunt turns a meter into one for a smaller current.
        WriteResult(ui->RshR, 0, kR);
        R = 0;
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
    ui->RshLabel7->setText(QStringLiteral("0"));

    if (E == 0 || circuitState_ == SourceVoltage) {
        if (!(U > 0))
            return;
        const double value = checked::ToDouble(Real(U) + Ua);
        WriteResult(ui->RshE, value, kE);
        circuitState_ = SourceVoltage;
        E = value;
    }
    if (U == 0 || circuitState_ == LoadVoltage) {
        if (!(E > 0))
            return;
        circuitState_ = LoadVoltage;
        const double value = checked::ToDouble(Real(E) - Ua);
        if (value < 0)
            return;
        WriteResult(ui->RshU, value, kU);
        U = value;
    }
    ui->RshLabel7->setText(PowerText(Real(U) * I));
}

void AmmeterShuntPage::Clear()
{
    meterState_ = shuntState_ = circuitState_ = 0;
    // The stages read each other's last values: forget them with the fields.
    Ra = Ia = Ua = I = R = E = U = 0;
    {
        const values::UpdateGuardScope guard;
        for (QLineEdit* edit : {ui->RshRa, ui->RshIa, ui->RshR, ui->RshI, ui->RshE, ui->RshU, ui->RshUa}) {
            edit->setText(QStringLiteral("0"));
            values::SetFieldColour(edit, values::WindowColour());
        }
    }
    ui->RshLabel6->setText(QStringLiteral("??"));
    ui->RshLabel7->setText(QStringLiteral("??"));
    ui->RshRaCB->setCurrentIndex(0);
    ui->RshIaCB->setCurrentIndex(2);
    ui->RshUaCB->setCurrentIndex(1);
    ui->RshRCB->setCurrentIndex(0);
    ui->RshICB->setCurrentIndex(2);
    ui->RshUCB->setCurrentIndex(1);
    ui->RshECB->setCurrentIndex(1);
}

} // namespace pages
