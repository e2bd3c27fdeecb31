#pragma once

#include "values/units.h"

#include <QString>

#include <optional>

class QComboBox;
class QLineEdit;

namespace values {

// The unit combo beside a value edit; an edit without one takes its unit
// from its caption ("Диаметр Dк (мм)", "Dк, мм").
void SetFieldUnit(QLineEdit* edit, const QComboBox* combo);
QComboBox* FieldUnitCombo(const QLineEdit* edit);

// The unit the field's number is in: its combo's current item, or the unit
// its caption names.
std::optional<Unit> FieldUnit(const QLineEdit* edit);

// The caption as the field's label shows it, without a trailing colon.
QString FieldCaption(const QLineEdit* edit);

// The caption without the unit it names, and that unit as people write it
// ("МГц" for the item "мГц", "В" for "Вольт"); empty when there is none.
QString FieldName(const QLineEdit* edit);
QString FieldUnitText(const QLineEdit* edit);

// "1,98691765315922E-7 с": the whole text with its unit.
QString ValueWithUnit(const QLineEdit* edit);

// Brings the look of a value edit in line with its state: a field the user
// cannot type into looks flat. The tooltip goes back to the one its layout
// gave it; a field shown unsolvable keeps its reason, and a red field keeps
// the tooltip its page set.
void DescribeField(QLineEdit* edit);

// Just before the tooltip shows: a computed value adds its whole text and a
// reading such as "≈ 198,7 нс", a field for show only says so.
void ShowFieldDescription(QLineEdit* edit);

} // namespace values
