#pragma once

#include "engineering/checked_math.h"
#include "pages/circuits/extended_fields.h"

#include <QString>

class QLineEdit;

namespace Ui {
class ExtendedCircuitPage;
}

namespace pages {

class ExtendedCircuitGroup;
class ExtendedWaveGroup;

// "Катушка (индуктивность L)": a single-layer coil in millimetres and
// microhenries. Any one of W, Dк, Dп, J, L follows from the others; with
// turn-to-turn winding J = W·Dп.
class ExtendedCoilGroup {
public:
    enum Solved { None = 0, W = 1, Dk = 2, Dp = 3, J = 4, L = 5 };

    explicit ExtendedCoilGroup(Ui::ExtendedCircuitPage& ui);
    // Also takes the range label's hint, which it shows while the coil is in range.
    void link(ExtendedCircuitGroup& circuit, ExtendedWaveGroup& wave);

    // A value, the winding or the unit changed; a changed L unit is first taken over.
    void ComputeCoil(extended::UnitChange changed = extended::UnitChange::None);
    void ClearCoil(extended::Units units = extended::Units::Reset);

    int solvedField() const { return solvedField_; }
    // Lets a test put the group into states that typing alone never reaches.
    void forceSolvedField(int field) { solvedField_ = field; }

    // L in microhenries per unit shown.
    extended::UnitValue inductance() const;
    // As ExtendedCircuitGroup::followInductanceUnit.
    void followInductanceUnit(const QString& unit, const extended::UnitValue& partner, bool computed);

private:
    QLineEdit* solvedEdit() const;
    void takeInductanceUnit();
    extended::Outcome solveLengthGiven();
    extended::Outcome solveTurnToTurn();
    // One block: its result into `value` and its field, or the field shows why not.
    template <class Formula>
    bool block(QLineEdit* edit, double& value, Formula&& formula);
    bool inductanceBlock(engineering::Real length);
    void showLimits();
    void handInductanceToCircuit();

    Ui::ExtendedCircuitPage& ui_;
    ExtendedCircuitGroup* circuit_ = nullptr;
    ExtendedWaveGroup* wave_ = nullptr;
    QString rangeHint_;

    double w_ = 0;
    double dk_ = 0;
    double dp_ = 0;
    double j_ = 0;
    double l_ = 0;      // microhenries
    double kLl_ = 1;    // microhenries per unit
    int solvedField_ = None;
};

} // namespace pages
