#include "controls/standard_values_menu.h"

#include "values/errors.h"
#include "values/field.h"
#include "values/field_description.h"
#include "values/number_text.h"
#include "values/standard_values.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include <cmath>
#include <optional>
#include <utility>

namespace controls {

namespace {

// The field's number in base units, if it is a positive R, L or C the
// program computed; the user's own inputs are values chosen already.
std::optional<std::pair<double, values::UnitKind>> ComputedPart(const QLineEdit* edit)
{
    const values::FieldState state = values::FieldStateOf(edit);
    if (state != values::FieldState::Result && state != values::FieldState::Fixed)
        return std::nullopt;
    const auto unit = values::FieldUnit(edit);
    if (!unit || !values::HasStandardValues(unit->kind))
        return std::nullopt;
    double value = 0;
    try {
        value = values::ParseNumber(edit->text()) * values::UnitItems(unit->kind)[unit->index].factor;
    } catch (const values::ConversionError&) {
        return std::nullopt;
    }
    if (!(value > 0) || !std::isfinite(value))
        return std::nullopt;
    return std::pair{value, unit->kind};
}

} // namespace

void AddStandardValues(QMenu* menu, const QLineEdit* edit, const StandardValuesRequest& open)
{
    const auto part = ComputedPart(edit);
    if (!part)
        return;
    const double value = part->first;
    const values::UnitKind kind = part->second;
    QMenu* standard = menu->addMenu(QStringLiteral("Ближайшие стандартные номиналы"));
    for (const values::ESeries series : {values::ESeries::E12, values::ESeries::E24, values::ESeries::E96}) {
        const auto nearest = values::NearestStandardText(value, kind, series);
        // After the tab the menu aligns the deviations in a column of their own.
        QAction* item = standard->addAction(QStringLiteral("%1: %2\t%3")
                                                .arg(QLatin1String(engineering::ESeriesName(series)),
                                                     nearest->value, nearest->deviation));
        QObject::connect(item, &QAction::triggered, menu,
                         [text = nearest->value] { QApplication::clipboard()->setText(text); });
    }
    if (!open)
        return;
    standard->addSeparator();
    QAction* page = standard->addAction(QStringLiteral("Открыть страницу «Стандартные номиналы»"));
    QObject::connect(page, &QAction::triggered, menu, [open, value, kind] { open(value, kind); });
}

} // namespace controls
