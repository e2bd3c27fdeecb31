#include "pages/circuits/store_and_show.h"

#include "values/field.h"

namespace pages {

void StoreAndShow(QLineEdit* edit, double& stored, engineering::Real value, double divisor)
{
    using namespace engineering::checked;
    const double result = ToDouble(value);
    const double shown = ToDouble(Div(result, divisor));
    stored = result;
    values::ShowSolved(edit, shown);
}

} // namespace pages
