#pragma once

#include "pages/circuits/extended_units.h"

#include <QString>

#include <vector>

class QComboBox;
class QLineEdit;

namespace pages::extended {

// The page's own writes into its edits and combos, none of which is taken
// for the user's input.
void WriteText(QLineEdit* edit, const QString& text);
void WriteUnit(QComboBox* combo, const QString& text);  // a combo's text, its item selected with it
void ShowComputed(QLineEdit* edit, double value);       // yellow, still editable
void ShowEmpty(QLineEdit* edit);                        // "0" in the window colour

// How a group's computation went: a result, an input missing (the run ends
// silently), or inputs that give no answer (a field shows why in red).
enum class Outcome { Solved, Missing, Unsolvable };

// What a group's computation takes over first: the unit of a quantity it
// shares with another group.
enum class UnitChange { None, Inductance, Frequency };

// The "Очистить" buttons put the units back; a group cleared because another
// group handed it a value keeps the units the user chose.
enum class Units { Reset, Keep };

// The number of an edit in the unit its combo names; factor is that unit
// worth in a unit shared by the two groups that pass the value between them
// (microhenries for L, hertz for F).
struct UnitValue {
    QLineEdit* edit;
    double factor;
};

// True when both edits show the same quantity: the same text in the same
// unit, or numbers in two units equal to well within the digits a field shows.
bool SameQuantity(const UnitValue& a, const UnitValue& b);

// Shows in `to` the quantity that `from` shows, in `to`'s own unit; the text
// goes over unchanged when both are in the same unit. Returns false when the
// quantity does not fit `to`'s unit, which `to` then shows in red.
bool PassQuantity(const UnitValue& from, const UnitValue& to);

// Rewrites the number of an edit whose unit changed from `before` to `after`
// so that it still means the same quantity. False as PassQuantity.
bool Reexpress(QLineEdit* edit, double before, double after);

// The combo's unit becomes the field's scale; a computed value keeps its
// quantity in the new unit, a typed one is read anew in it.
void RescaleField(QComboBox* combo, const UnitTable& table, QLineEdit* edit, double& scale, bool computed);

// The combo takes the unit the partner group chose: the partner's value is
// passed over when it has one, else a computed value keeps its quantity.
void FollowUnit(QComboBox* combo, const UnitTable& table, QLineEdit* edit, double& scale, const QString& unit,
                const UnitValue& partner, bool computed);

// True when the edit's number is 0 (a text that is no number counts as given).
bool IsEmpty(const QLineEdit* edit);

// A group computes its results again from its inputs alone: its earlier
// results count as 0 while it reads its fields. Only what the user is left to
// see is written: "0" in each when the inputs then give no result (also when
// a failure ends the run), nothing when results replace them, and their
// earlier texts when the inputs give no answer (the field that cannot be
// computed shows why in red).
class RecomputedFields {
public:
    RecomputedFields() = default;
    RecomputedFields(const RecomputedFields&) = delete;
    RecomputedFields& operator=(const RecomputedFields&) = delete;
    ~RecomputedFields();

    void add(QLineEdit* edit);
    // The number in the edit times the factor; 0 for an earlier result.
    double read(const QLineEdit* edit, double factor = 1) const;

    void solved();       // results replaced them
    void unsolvable();   // they get back their earlier texts

private:
    struct Kept {
        QLineEdit* edit;
        QString text;
    };
    std::vector<Kept> kept_;
};

} // namespace pages::extended
