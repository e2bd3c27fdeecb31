#include "pages/resistive/reactance_capacitor_half.h"

#include "pages/resistive/solved_field.h"

#include "engineering/reactance.h"
#include "values/field.h"

#include <QComboBox>
#include <QLineEdit>

namespace pages {

using values::UnitKind;

void ReactanceCapacitorHalf::Compute()
{
    const double kC = values::UnitScale(c.capacitanceUnit, UnitKind::C);
    const double kF = values::UnitScale(c.frequencyUnit, UnitKind::F);
    const double kXC = values::UnitScale(c.reactanceUnit, UnitKind::R);
    C = values::ReadValue(c.capacitance, kC);
    F = values::ReadValue(c.frequency, kF);
    XC = values::ReadValue(c.reactance, kXC);

    for (QLineEdit* edit : {c.capacitance, c.frequency, c.reactance})
        values::ClearUnsolvable(edit);

    if (Entered(C, Capacitance)) {
        if (!(F > 0 && XC > 0))
            return;
        const auto value = SolveField(c.capacitance, kC, [&] { return engineering::CapacitanceOfReactance(XC, F); });
        if (!value)
            return;
        SolvedField = Capacitance;
        C = *value;
    }
    if (Entered(F, Frequency)) {
        if (!(C > 0 && XC > 0))
            return;
        const auto value =
            SolveField(c.frequency, kF, [&] { return engineering::FrequencyOfCapacitiveReactance(XC, C); });
        if (!value)
            return;
        SolvedField = Frequency;
        F = *value;
    }
    if (!Entered(XC, Reactance) || !(F > 0 && C > 0))
        return;
    if (const auto value = SolveField(c.reactance, kXC, [&] { return engineering::CapacitiveReactance(C, F); })) {
        SolvedField = Reactance;
        XC = *value;
    }
}

void ReactanceCapacitorHalf::Clear()
{
    SolvedField = None;
    for (QLineEdit* edit : {c.capacitance, c.frequency, c.reactance})
        values::ShowCleared(edit);
    values::SetUnit(c.capacitanceUnit, 2, QStringLiteral("Микрофарад"));
    values::SetUnit(c.frequencyUnit, 2, QStringLiteral("Мегагерц"));
    values::SetUnit(c.reactanceUnit, 0, QStringLiteral("Ом"));
}

} // namespace pages
