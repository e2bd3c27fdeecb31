#pragma once

#include "values/checked_math.h"
#include "values/field.h"

#include <QLineEdit>

#include <utility>

namespace pages {

// A read-out beside a page's own fields: a read-only edit that shows a
// figure in the result colour, red with the reason when the inputs give
// none (keeping its last text), and a flat "0" while there is nothing to show.
template <class Computation>
bool ShowReadOut(QLineEdit* readOut, Computation&& compute)
{
    return values::SolveInto(readOut, [&] {
        values::ShowResult(readOut, values::ResultColour, true, values::checked::ToDouble(compute()));
    });
}

inline void ClearReadOut(QLineEdit* readOut)
{
    values::ShowResult(readOut, values::WindowColour(), true, 0);
}

// The figure while its inputs are known, the flat "0" while they are not.
template <class Computation>
void ShowReadOutWhen(bool known, QLineEdit* readOut, Computation&& compute)
{
    if (known)
        ShowReadOut(readOut, std::forward<Computation>(compute));
    else
        ClearReadOut(readOut);
}

} // namespace pages
