#include "pages/circuits/extended_fields.h"

#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/update_guard.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <optional>

namespace pages::extended {

namespace {

using values::Real;
namespace checked = values::checked;

// Relative difference below which numbers shown in two units are one
// quantity: a text written in another unit differs only beyond its 15th digit.
constexpr double SameWithin = 1e-12;

std::optional<double> NumberOf(const QLineEdit* edit)
{
    try {
        return values::ParseNumber(edit->text());
    } catch (const values::ConversionError&) {
        return std::nullopt;  // reported where the field is read for its group
    }
}

} // namespace

void WriteText(QLineEdit* edit, const QString& text)
{
    values::WriteGuarded(edit, text);
}

void WriteUnit(QComboBox* combo, const QString& text)
{
    const values::UpdateGuardScope guard;
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(text);
}

void ShowComputed(QLineEdit* edit, double value)
{
    const values::UpdateGuardScope guard;
    values::ShowResult(edit, values::ResultColour, false, value);
}

void ShowEmpty(QLineEdit* edit)
{
    const values::UpdateGuardScope guard;
    values::ShowCleared(edit);
}

bool SameQuantity(const UnitValue& a, const UnitValue& b)
{
    if (a.factor == b.factor)
        return a.edit->text() == b.edit->text();
    const auto x = NumberOf(a.edit);
    const auto y = NumberOf(b.edit);
    if (!x || !y)
        return false;
    const Real qa = Real(*x) * a.factor;
    const Real qb = Real(*y) * b.factor;
    return qa == qb || std::fabs(qa - qb) <= SameWithin * std::max(std::fabs(qa), std::fabs(qb));
}

bool PassQuantity(const UnitValue& from, const UnitValue& to)
{
    // In the same unit the text goes over as it is, and so does a text that
    // is no number: it is reported where the field is read for its group.
    const auto number = from.factor == to.factor ? std::nullopt : NumberOf(from.edit);
    if (!number) {
        WriteText(to.edit, from.edit->text());
        return true;
    }
    return values::SolveInto(to.edit, [&] {
        const double shown = checked::ToDouble(checked::Div(Real(*number) * from.factor, to.factor));
        WriteText(to.edit, values::FormatNumber(shown));
    });
}

bool Reexpress(QLineEdit* edit, double before, double after)
{
    if (before == after)
        return true;
    return PassQuantity({edit, before}, {edit, after});
}

bool IsEmpty(const QLineEdit* edit)
{
    const auto number = NumberOf(edit);
    return number && *number == 0;
}

RecomputedFields::~RecomputedFields()
{
    for (const Kept& field : kept_)
        WriteText(field.edit, QStringLiteral("0"));
}

void RecomputedFields::add(QLineEdit* edit)
{
    kept_.push_back({edit, edit->text()});
}

double RecomputedFields::read(const QLineEdit* edit, double factor) const
{
    for (const Kept& field : kept_) {
        if (field.edit == edit)
            return 0;
    }
    return values::ReadValue(edit, factor);
}

void RecomputedFields::solved()
{
    kept_.clear();
}

void RecomputedFields::unsolvable()
{
    for (const Kept& field : kept_)
        WriteText(field.edit, field.text);
    kept_.clear();
}

void RescaleField(QComboBox* combo, const UnitTable& table, QLineEdit* edit, double& scale, bool computed)
{
    double next = scale;
    TakeUnit(combo, table, next, Hint::Keep);
    if (computed)
        Reexpress(edit, scale, next);
    scale = next;
}

void FollowUnit(QComboBox* combo, const UnitTable& table, QLineEdit* edit, double& scale, const QString& unit,
                const UnitValue& partner, bool computed)
{
    WriteUnit(combo, unit);
    double next = scale;
    TakeUnit(combo, table, next, Hint::Keep);
    if (!IsEmpty(partner.edit))
        PassQuantity(partner, {edit, next});
    else if (computed)
        Reexpress(edit, scale, next);
    scale = next;
}

} // namespace pages::extended
