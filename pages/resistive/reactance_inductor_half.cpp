#include "pages/resistive/reactance_inductor_half.h"

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

    if (Entered(L, Inductance)) {
        if (!(F > 0 && XL > 0))
            return;
        const double value = checked::ToDouble(checked::Div(XL, TwoPi * F));
        const double shown = checked::ToDouble(checked::Div(value, kL));
        SolvedField = Inductance;
        L = value;
        values::ShowSolved(c.inductance, shown);
    }
    if (Entered(F, Frequency)) {
        if (!(L > 0 && XL > 0))
            return;
        const double value = checked::ToDouble(checked::Div(XL, TwoPi * L));
        const double shown = checked::ToDouble(checked::Div(value, kF));
        SolvedField = Frequency;
        F = value;
        values::ShowSolved(c.frequency, shown);
    }
    if (Entered(XL, Reactance)) {
        if (!(L > 0 && F > 0))
            return;
        const double value = checked::ToDouble(TwoPi * F * L);
        const double shown = checked::ToDouble(checked::Div(value, kXL));
        SolvedField = Reactance;
        XL = value;
        values::ShowSolved(c.reactance, shown);
    }
    // The impedance follows whatever the three fields hold; R may be 0.
    const Real impedance = checked::Sqrt(Real(R) * R + Real(XL) * XL);
    values::ShowSolved(c.impedance, checked::ToDouble(checked::Div(impedance, kZ)));
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
