#include "pages/resistive/reactance_capacitor_half.h"

#include "pages/resistive/solved_field.h"

#include "values/checked_math.h"
#include "values/field.h"

#include <QComboBox>
#include <QLineEdit>

namespace pages {

using values::Real;
using values::UnitKind;
namespace checked = values::checked;

namespace {

constexpr Real TwoPi = 6.283185307179586477L;

} // namespace

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
        const auto value = SolveField(c.capacitance, kC, [&] { return checked::Div(1, Real(XC) * TwoPi * F); });
        if (!value)
            return;
        SolvedField = Capacitance;
        C = *value;
    }
    if (Entered(F, Frequency)) {
        if (!(C > 0 && XC > 0))
            return;
        const auto value = SolveField(c.frequency, kF, [&] { return checked::Div(1, Real(XC) * TwoPi * C); });
        if (!value)
            return;
        SolvedField = Frequency;
        F = *value;
    }
    if (!Entered(XC, Reactance) || !(F > 0 && C > 0))
        return;
    if (const auto value = SolveField(c.reactance, kXC, [&] { return checked::Div(1, Real(C) * TwoPi * F); })) {
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
