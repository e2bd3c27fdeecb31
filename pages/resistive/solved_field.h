#pragma once

#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"

#include <QLabel>
#include <QString>

#include <optional>

class QLineEdit;

namespace pages {

// Computes a field's value in base units and shows it solved in the unit of
// its combo (the value divided by the factor); returns the value. A value
// that cannot be computed or does not fit turns the field red instead, the
// field keeps its earlier text, and nothing is returned.
template <class Computation>
std::optional<double> SolveField(QLineEdit* edit, double factor, Computation&& compute)
{
    double value = 0;
    double shown = 0;
    const bool computed = values::SolveInto(edit, [&] {
        value = values::checked::ToDouble(compute());
        shown = values::checked::ToDouble(values::checked::Div(value, factor));
    });
    if (!computed)
        return std::nullopt;
    values::ShowSolved(edit, shown);
    return value;
}

// Writes a read-out: the prefix, then the figure in base units as text. A
// figure that cannot be computed or does not fit turns the label red instead,
// and the label keeps its earlier text.
template <class Computation>
bool ShowFigure(QLabel* label, Computation&& compute, const QString& prefix = QString())
{
    QString text;
    if (!values::SolveInto(label, [&] { text = values::FormatNumber(values::checked::ToDouble(compute())); }))
        return false;
    label->setText(prefix + text);
    return true;
}

} // namespace pages
