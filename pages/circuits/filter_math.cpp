#include "pages/circuits/filter_math.h"

#include "values/field.h"

namespace pages::filter_math {

using namespace engineering::checked;

Real LcElement(Real k, Real other, Real fc)
{
    const Real omega = k * fc;
    return Div(1, other * omega * omega);
}

Real LcCutOff(Real k, Real inductance, Real capacitance)
{
    return Div(1, k * Sqrt(inductance * capacitance));
}

Real RcElement(Real other, Real fc)
{
    return Div(1, other * TwoPi * fc);
}

Real RcCutOff(Real resistance, Real capacitance)
{
    return Div(1, TwoPi * resistance * capacitance);
}

void StoreAndShow(QLineEdit* edit, double& stored, Real value, double divisor)
{
    const double result = ToDouble(value);
    const double shown = ToDouble(Div(result, divisor));
    stored = result;
    values::ShowSolved(edit, shown);
}

} // namespace pages::filter_math
