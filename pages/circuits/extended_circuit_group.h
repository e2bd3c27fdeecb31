#pragma once

#include "engineering/checked_math.h"
#include "pages/circuits/extended_fields.h"

class QLineEdit;
class QString;

namespace Ui {
class ExtendedCircuitPage;
}

namespace pages {

class ExtendedWaveGroup;
class ExtendedCoilGroup;

// "Колебательный контур": two of C, L, F give the third; the frequency goes on
// to the wave group and the inductance to the coil group.
class ExtendedCircuitGroup {
public:
    enum Solved { None = 0, C = 1, L = 2, F = 3 };

    explicit ExtendedCircuitGroup(Ui::ExtendedCircuitPage& ui);
    void link(ExtendedWaveGroup& wave, ExtendedCoilGroup& coil);

    // A value or a unit changed; a changed L or F unit is first taken over.
    void ComputeCircuit(extended::UnitChange changed = extended::UnitChange::None);
    void ClearCircuit(extended::Units units = extended::Units::Reset);

    int solvedField() const { return solvedField_; }
    // Lets a test put the group into states that typing alone never reaches.
    void forceSolvedField(int field) { solvedField_ = field; }

    // L in microhenries per unit shown, F in hertz per unit shown.
    extended::UnitValue inductance() const;
    extended::UnitValue frequency() const;

    // The other group's unit chosen for the same quantity: this group takes
    // it and shows `partner`'s quantity in it (its own, when `partner` is
    // empty: kept when computed, read anew in the unit when typed).
    void followInductanceUnit(const QString& unit, const extended::UnitValue& partner, bool computed);
    // The frequency unit handed over: the frequency shown keeps its quantity.
    void followFrequencyUnit(const QString& unit);

private:
    QLineEdit* solvedEdit() const;
    extended::Outcome solve();
    void showSolved(QLineEdit* edit, double& value, engineering::Real shown);
    void takeFrequencyUnit();
    void takeInductanceUnit();
    void handFrequencyToWave();
    void handInductanceToCoil();

    Ui::ExtendedCircuitPage& ui_;
    ExtendedWaveGroup* wave_ = nullptr;
    ExtendedCoilGroup* coil_ = nullptr;

    // Numbers in the units the combos show; each factor is that of the unit
    // its field's text is written in.
    double c_ = 0;
    double l_ = 0;
    double f_ = 0;
    double kC_ = 1;     // picofarads per unit
    double kL_ = 1;     // microhenries per unit
    double fHz_ = 1e6;  // hertz per unit
    int solvedField_ = None;
};

} // namespace pages
