#include "pages/resistive/reactance_inductor_half.h"

#include "pages/resistive/solved_field.h"

#include "engineering/reactance.h"
#include "values/field.h"

#include <QComboBox>
#include <QLineEdit>

namespace pages {

using values::UnitKind;

void ReactanceInductorHalf::Compute()
{
    const double kL = values::UnitScale(c.inductanceUnit, UnitKind::L);
    const double kF = values::UnitScale(c.frequencyUnit, UnitKind::F);
    const double kXL = values::UnitScale(c.reactanceUnit, UnitKind::R);
    const double kR = values::UnitScale(c.resistanceUnit, UnitKind::R);
    const double kZ = values::UnitScale(c.impedanceUnit, UnitKind::R);
    L = values::ReadValue(c.inductance, kL);
    F = values::ReadValue(c.frequency, kF);
    XL = values::ReadValue(c.reactance, kXL);
    R = values::ReadValue(c.resistance, kR);

    for (QLineEdit* edit : {c.inductance, c.resistance, c.frequency, c.reactance, c.impedance})
        values::ClearUnsolvable(edit);

    if (Entered(L, Inductance)) {
        if (!(F > 0 && XL > 0))
            return;
        const auto value = SolveField(c.inductance, kL, [&] { return engineering::InductanceOfReactance(XL, F); });
        if (!value)
            return;
        SolvedField = Inductance;
        L = *value;
    }
    if (Entered(F, Frequency)) {
        if (!(L > 0 && XL > 0))
            return;
        const auto value =
            SolveField(c.frequency, kF, [&] { return engineering::FrequencyOfInductiveReactance(XL, L); });
        if (!value)
            return;
        SolvedField = Frequency;
        F = *value;
    }
    if (Entered(XL, Reactance)) {
        if (!(L > 0 && F > 0))
            return;
        const auto value = SolveField(c.reactance, kXL, [&] { return engineering::InductiveReactance(L, F); });
        if (!value)
            return;
        SolvedField = Reactance;
        XL = *value;
    }
    // The impedance follows whatever the three fields hold; R may be 0.
    SolveField(c.impedance, kZ, [&] { return engineering::SeriesImpedance(R, XL); });
}

void ReactanceInductorHalf::Clear()
{
    SolvedField = None;
    for (QLineEdit* edit : {c.inductance, c.resistance, c.frequency, c.reactance, c.impedance})
        values::ShowCleared(edit);
    values::SetUnit(c.inductanceUnit, 0, QStringLiteral("Микрогенри"));
    values::SetUnit(c.frequencyUnit, 2, QStringLiteral("Мегагерц"));
    values::SetUnit(c.reactanceUnit, 0, QStringLiteral("Ом"));
    values::SetUnit(c.resistanceUnit, 0, QStringLiteral("Ом"));
    values::SetUnit(c.impedanceUnit, 0, QStringLiteral("Ом"));
}

} // namespace pages
