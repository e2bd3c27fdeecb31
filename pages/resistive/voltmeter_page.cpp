#include "pages/resistive/voltmeter_page.h"

#include "engineering/meter_ranges.h"
#include "engineering/resistive_circuits.h"
#include "values/field.h"
#include "values/pictures.h"

#include "ui_voltmeter_page.h"

#include "pages/resistive/solved_field.h"

namespace pages {

using values::UnitKind;

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

    for (QLineEdit* edit : {ui->RoRu, ui->RoIu, ui->RoUu, ui->RoE, ui->RoR})
        values::ClearUnsolvable(edit);
    values::ClearUnsolvable(ui->RoLabel2);
    values::ClearUnsolvable(ui->RoLabel4);

    if (!CompleteMeter())
        return;

    if (E == 0 || rangeState_ == RangeVoltage) {
        if (!(R > 0))
            return;
        const auto value = SolveField(ui->RoE, kE, [&] { return engineering::VoltmeterRange(Iu, Uu, R); });
        if (!value)
            return;
        E = *value;
        rangeState_ = RangeVoltage;
    }
    if (R != 0 && rangeState_ != SeriesResistance) {
        ShowReadouts();
        return;
    }
    if (!(E > 0))
        return;
    if (E > Uu) {
        const auto value = SolveField(ui->RoR, kR, [&] { return engineering::VoltmeterSeries(Iu, Uu, E); });
        if (!value)
            return;
        R = *value;
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
    // A block solves its field and stores it, or leaves the field red.
    const auto solve = [](QLineEdit* edit, double& target, double factor, auto&& compute) {
        const auto value = SolveField(edit, factor, compute);
        if (value)
            target = *value;
        return value.has_value();
    };
    if (Ru == 0 || meterState_ == MeterResistance) {
        if (!(Uu > 0 && Iu > 0) || !solve(ui->RoRu, Ru, kRu, [&] { return engineering::OhmResistance(Uu, Iu); }))
            return false;
        meterState_ = MeterResistance;
    }
    if (Iu == 0 || meterState_ == MeterCurrent) {
        if (!(Uu > 0 && Ru > 0) || !solve(ui->RoIu, Iu, kIu, [&] { return engineering::OhmCurrent(Uu, Ru); }))
            return false;
        meterState_ = MeterCurrent;
    }
    if (Uu == 0 || meterState_ == MeterVoltage) {
        if (!(Iu > 0 && Ru > 0) || !solve(ui->RoUu, Uu, kUu, [&] { return engineering::OhmVoltage(Iu, Ru); }))
            return false;
        meterState_ = MeterVoltage;
    }
    return true;
}

void VoltmeterPage::ShowReadouts()
{
    ShowFigure(ui->RoLabel2, [&] { return engineering::PowerOfCurrent(Iu, R); });
    ShowFigure(ui->RoLabel4, [&] { return engineering::OhmVoltage(Iu, R); });
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
    for (QLabel* label : {ui->RoLabel2, ui->RoLabel4}) {
        values::ClearUnsolvable(label);
        label->setText(QStringLiteral("??"));
    }
}

} // namespace pages
