#include "pages/resistive/voltmeter_page.h"

#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

#include "ui_voltmeter_page.h"

namespace pages {

using values::Real;
using values::UnitKind;
namespace checked = values::checked;

namespace {

// Solves one field: the value is checked before the page changes.
void ShowSolvedValue(QLineEdit* edit, double& target, Real value, double factor)
{
    const double base = checked::ToDouble(value);
    const double shown = checked::ToDouble(checked::Div(base, factor));
    target = base;
    values::ShowSolved(edit, shown);
}

} // namespace

VoltmeterPage::VoltmeterPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::VoltmeterPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS25"));
    values::LoadPicture(ui->RoImage1, QStringLiteral("RoImage1"));
    values::LoadPicture(ui->RoImage2, QStringLiteral("RoImage2"));
}

VoltmeterPage::~VoltmeterPage() = default;

void VoltmeterPage::registerRoutes(controls::RouteTables& routes)
{
    const auto compute = [this](QObject*) { Compute(); };
    routes.edits.add({ui->RoRu, ui->RoIu, ui->RoUu, ui->RoE, ui->RoR}, compute);
    routes.buttons.add({ui->RoButton1}, [this](QObject*) { Clear(); });
    routes.combos.add({ui->RoRuCB, ui->RoIuCB, ui->RoUuCB, ui->RoECB, ui->RoRCB}, compute);
}

void VoltmeterPage::Compute()
{
    kRu = values::UnitScale(ui->RoRuCB, UnitKind::R);
    kIu = values::UnitScale(ui->RoIuCB, UnitKind::I);
    kUu = values::UnitScale(ui->RoUuCB, UnitKind::U);
    kE = values::UnitScale(ui->RoECB, UnitKind::U);
    kR = values::UnitScale(ui->RoRCB, UnitKind::R);
    Ru = values::ReadValue(ui->RoRu, kRu);
    Iu = values::ReadValue(ui->RoIu, kIu);
    Uu = values::ReadValue(ui->RoUu, kUu);
    E = values::ReadValue(ui->RoE, kE);
    R = values::ReadValue(ui->RoR, kR);

    if (!CompleteMeter())
        return;

    if (E == 0 || rangeState_ == RangeVoltage) {
        if (!(R > 0))
            return;
        ShowSolvedValue(ui->RoE, E, Real(R) * Iu + Uu, kE);
        rangeState_ = RangeVoltage;
    }
    if (R != 0 && rangeState_ != SeriesResistance) {
        ShowReadouts();
        return;
    }
    if (!(E > 0))
        return;
    if (E > Uu) {
        ShowSolvedValue(ui->RoR, R, checked::Div(Real(E) - Uu, Iu), kR);
        rangeState_ = SeriesResistance;
        ShowReadouts();
    } else {
        // The range does not exceed the meter's own: no series resistor.
        R = 0;
        values::ShowCleared(ui->RoR);
        ui->RoLabel2->setText(QStringLiteral("0"));
        ui->RoLabel4->setText(QStringLiteral("0"));
    }
}

bool VoltmeterPage::CompleteMeter()
{
    if (Ru == 0 || meterState_ == MeterResistance) {
        if (!(Uu > 0 && Iu > 0))
            return false;
        ShowSolvedValue(ui->RoRu, Ru, checked::Div(Uu, Iu), kRu);
        meterState_ = MeterResistance;
    }
    if (Iu == 0 || meterState_ == MeterCurrent) {
        if (!(Uu > 0 && Ru > 0))
            return false;
        ShowSolvedValue(ui->RoIu, Iu, checked::Div(Uu, Ru), kIu);
        meterState_ = MeterCurrent;
    }
    if (Uu == 0 || meterState_ == MeterVoltage) {
        if (!(Iu > 0 && Ru > 0))
            return false;
        ShowSolvedValue(ui->RoUu, Uu, Real(Iu) * Ru, kUu);
        meterState_ = MeterVoltage;
    }
    return true;
}

void VoltmeterPage::ShowReadouts()
{
    const QString power = values::FormatNumber(checked::ToDouble(Real(Iu) * Iu * R));
    const QString drop = values::FormatNumber(checked::ToDouble(Real(Iu) * R));
    ui->RoLabel2->setText(power);
    ui->RoLabel4->setText(drop);
}

void VoltmeterPage::Clear()
{
    meterState_ = rangeState_ = 0;
    for (QLineEdit* edit : {ui->RoRu, ui->RoIu, ui->RoUu, ui->RoE, ui->RoR})
        values::ShowCleared(edit);
    values::SetUnit(ui->RoRuCB, 0, QStringLiteral("Ом"));
    values::SetUnit(ui->RoIuCB, 2, QStringLiteral("Ампер"));
    values::SetUnit(ui->RoUuCB, 1, QStringLiteral("Вольт"));
    values::SetUnit(ui->RoECB, 1, QStringLiteral("Вольт"));
    values::SetUnit(ui->RoRCB, 0, QStringLiteral("Ом"));
    ui->RoLabel2->setText(QStringLiteral("??"));
    ui->RoLabel4->setText(QStringLiteral("??"));
}

} // namespace pages
