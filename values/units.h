#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QComboBox;

namespace values {

// The unit kind a page names for each of its unit combos; T (time, second)
// and M (length, metre) serve the extended circuit page and the lengths that
// captions name.
enum class UnitKind : char { C = 'C', L = 'L', F = 'F', R = 'R', U = 'U', I = 'I', W = 'W', T = 'T', M = 'M' };

struct UnitItem {
    const char16_t* text;   // the combo item as the window shows it
    double factor;          // to the base unit
    const char16_t* name;   // the full name shown as the combo's hint
};

// Items of a kind in combo order; the factor depends only on the index.
std::span<const UnitItem> UnitItems(UnitKind kind);
QStringList UnitTexts(UnitKind kind);

// The item of factor 1: "Ом", "Ф", "Гн".
QString BaseUnit(UnitKind kind);

// A unit as the window writes it ("мГц", "мм", or "Вольт" in a caption),
// found among the items of every kind, letter case aside.
struct Unit {
    UnitKind kind;
    std::size_t index;
};
std::optional<Unit> FindUnit(QStringView text);

// The symbol a reader takes it for, with the standard SI prefix: "МГц" for
// the item "мГц", "В" for "Вольт"; items with no such prefix ("см", "мин")
// as written.
QString UnitSymbol(Unit unit);

// "≈ 198,7 нс": a number shown in that unit as people read it.
QString UnitReading(double shown, Unit unit);

// The factor of the combo's current item (0 for an index the kind does not
// cover, which the pages take for a missing value); rewrites the hint.
double UnitScale(QComboBox* combo, UnitKind kind);

// Back to a default item with the hint the page stores for it.
void SetUnit(QComboBox* combo, int index, const QString& hint);

// Replaces the combo's list (the L/R switch of the filter pages).
void FillUnitCombo(QComboBox* combo, const QStringList& items, const QString& hint, int index);

} // namespace values
