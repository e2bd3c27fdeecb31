#include "pages/circuits/extended_coil_group.h"

#include "pages/circuits/extended_circuit_group.h"
#include "pages/circuits/extended_units.h"
#include "pages/circuits/extended_wave_group.h"
#include "engineering/coils.h"
#include "values/field.h"
#include "values/number_text.h"

#include "ui_extended_circuit_page.h"

namespace pages {

namespace {

using engineering::Real;
namespace checked = engineering::checked;
using extended::Outcome;

} // namespace

ExtendedCoilGroup::ExtendedCoilGroup(Ui::ExtendedCircuitPage& ui) : ui_(ui) {}

void ExtendedCoilGroup::link(ExtendedCircuitGroup& circuit, ExtendedWaveGroup& wave)
{
    circuit_ = &circuit;
    wave_ = &wave;
    rangeHint_ = ui_.TS26Label1->toolTip();
}

QLineEdit* ExtendedCoilGroup::solvedEdit() const
{
    switch (solvedField_) {
    case W: return ui_.TS26W;
    case Dk: return ui_.TS26Dk;
    case Dp: return ui_.TS26Dp;
    case J: return ui_.TS26J;
    case L: return ui_.TS26Ll;
    default: return nullptr;
    }
}

extended::UnitValue ExtendedCoilGroup::inductance() const
{
    return {ui_.TS26Ll, kLl_};
}

void ExtendedCoilGroup::ComputeCoil(extended::UnitChange changed)
{
    using namespace extended;
    for (QLineEdit* edit : {ui_.TS26W, ui_.TS26Dk, ui_.TS26Dp, ui_.TS26J, ui_.TS26Ll})
        values::ClearUnsolvable(edit);
    values::ClearUnsolvable(ui_.TS26Label1);

    if (changed == UnitChange::Inductance)
        takeInductanceUnit();

    RecomputedFields earlier;
    if (QLineEdit* solved = solvedEdit())
        earlier.add(solved);

    TakeUnit(ui_.TS26LlCB, InductanceMicrohenries(), kLl_, Hint::Keep);
    w_ = earlier.read(ui_.TS26W);
    dk_ = earlier.read(ui_.TS26Dk);
    dp_ = earlier.read(ui_.TS26Dp);
    j_ = earlier.read(ui_.TS26J);
    l_ = earlier.read(ui_.TS26Ll, kLl_);

    const bool turnToTurn = ui_.TS26ChB1->isChecked();
    ui_.TS26J->setEnabled(!turnToTurn);
    values::SetFieldColour(ui_.TS26J, values::WindowColour());

    Outcome outcome = turnToTurn ? solveTurnToTurn() : solveLengthGiven();
    if (outcome == Outcome::Solved && turnToTurn &&
        !block(ui_.TS26J, j_, [this] { return engineering::CloseWoundLength(w_, dp_); }))
        outcome = Outcome::Unsolvable;
    switch (outcome) {
    case Outcome::Missing:
        return;
    case Outcome::Unsolvable:
        earlier.unsolvable();
        return;
    case Outcome::Solved:
        earlier.solved();
        break;
    }
    showLimits();
    handInductanceToCircuit();
}

// An inductance that one of the groups computes keeps its quantity in the new
// unit; a typed one is read anew in it. The circuit group shares the unit.
void ExtendedCoilGroup::takeInductanceUnit()
{
    const bool computed = solvedField_ == L || circuit_->solvedField() == ExtendedCircuitGroup::L;
    extended::RescaleField(ui_.TS26LlCB, extended::InductanceMicrohenries(), ui_.TS26Ll, kLl_, computed);
    if (ui_.TS26LCB->currentText() != ui_.TS26LlCB->currentText()) {
        circuit_->followInductanceUnit(ui_.TS26LlCB->currentText(), inductance(), computed);
        circuit_->ComputeCircuit();
    }
}

void ExtendedCoilGroup::followInductanceUnit(const QString& unit, const extended::UnitValue& partner, bool computed)
{
    extended::FollowUnit(ui_.TS26LlCB, extended::InductanceMicrohenries(), ui_.TS26Ll, kLl_, unit, partner, computed);
}

template <class Formula>
bool ExtendedCoilGroup::block(QLineEdit* edit, double& value, Formula&& formula)
{
    double result = 0;
    if (!values::SolveInto(edit, [&] { result = checked::ToDouble(formula()); }))
        return false;
    value = result;
    extended::ShowComputed(edit, value);
    return true;
}

bool ExtendedCoilGroup::inductanceBlock(Real length)
{
    return values::SolveInto(ui_.TS26Ll, [&] {
        const double l = checked::ToDouble(engineering::SingleLayerInductance(w_, dk_, dp_, length));
        const double shown = checked::ToDouble(checked::Div(l, kLl_));
        l_ = l;
        extended::ShowComputed(ui_.TS26Ll, shown);
    });
}

Outcome ExtendedCoilGroup::solveLengthGiven()
{
    using namespace engineering;
    if (w_ == 0) {
        if (!(dk_ > 0 && dp_ > 0 && l_ > 0 && j_ > 0))
            return Outcome::Missing;
        solvedField_ = W;
        if (!block(ui_.TS26W, w_, [this] { return SingleLayerTurns(l_, dk_, dp_, j_); }))
            return Outcome::Unsolvable;
    }
    if (dk_ == 0) {
        if (w_ == 0 || dp_ == 0 || j_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = Dk;
        if (!block(ui_.TS26Dk, dk_, [this] { return SingleLayerFormerDiameter(w_, dp_, j_, l_); }))
            return Outcome::Unsolvable;
    }
    if (dp_ == 0) {
        if (dk_ == 0 || w_ == 0 || j_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = Dp;
        if (!block(ui_.TS26Dp, dp_, [this] { return SingleLayerWireDiameter(w_, dk_, j_, l_); }))
            return Outcome::Unsolvable;
    }
    if (j_ == 0) {
        if (dk_ == 0 || dp_ == 0 || w_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = J;
        if (!block(ui_.TS26J, j_, [this] { return SingleLayerLength(w_, dk_, dp_, l_); }))
            return Outcome::Unsolvable;
    }
    if (l_ == 0) {
        if (dk_ == 0 || dp_ == 0 || j_ == 0 || w_ == 0)
            return Outcome::Missing;
        solvedField_ = L;
        if (!inductanceBlock(j_))
            return Outcome::Unsolvable;
    }
    return Outcome::Solved;
}

Outcome ExtendedCoilGroup::solveTurnToTurn()
{
    using namespace engineering;
    if (w_ == 0) {
        if (!(dk_ > 0 && dp_ > 0 && l_ > 0))
            return Outcome::Missing;
        solvedField_ = W;
        if (!block(ui_.TS26W, w_, [this] { return CloseWoundTurns(l_, dk_, dp_); }))
            return Outcome::Unsolvable;
    }
    if (dk_ == 0) {
        if (w_ == 0 || dp_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = Dk;
        const auto former = [this] { return SingleLayerFormerDiameter(w_, dp_, CloseWoundLength(w_, dp_), l_); };
        if (!block(ui_.TS26Dk, dk_, former))
            return Outcome::Unsolvable;
    }
    if (dp_ == 0) {
        if (dk_ == 0 || w_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = Dp;
        if (!block(ui_.TS26Dp, dp_, [this] { return CloseWoundWireDiameter(w_, dk_, l_); }))
            return Outcome::Unsolvable;
    }
    if (l_ == 0) {
        if (dk_ == 0 || dp_ == 0 || w_ == 0)
            return Outcome::Missing;
        solvedField_ = L;
        if (!inductanceBlock(CloseWoundLength(w_, dp_)))
            return Outcome::Unsolvable;
    }
    return Outcome::Solved;
}

void ExtendedCoilGroup::showLimits()
{
    double ratio = 0;
    if (values::SolveInto(ui_.TS26Label1, [&] { ratio = checked::ToDouble(engineering::SingleLayerShapeRatio(j_, dk_, dp_)); })) {
        const bool outside = !engineering::SingleLayerRuleHolds(ratio);
        ui_.TS26Label1->setText(QStringLiteral("0.45 < ") + values::FormatNumber(ratio) + QStringLiteral(" < 2.5"));
        values::SetLabelAlarm(ui_.TS26Label1, outside);
        ui_.TS26Label1->setToolTip(
            outside ? QStringLiteral("Отношение J / D вне пределов 0.45-2.5: погрешность расчёта больше 1%") : rangeHint_);
    }
    const bool crowded = !engineering::TurnsFit(w_, dp_, j_);
    values::SetLabelAlarm(ui_.TS26Label2, crowded);
    ui_.TS26Label2->setToolTip(crowded ? QStringLiteral("Витки не помещаются: W*Dп больше длины намотки J") : QString());
}

void ExtendedCoilGroup::handInductanceToCircuit()
{
    using namespace extended;
    if (SameQuantity(circuit_->inductance(), inductance()))
        return;
    if (circuit_->solvedField() == ExtendedCircuitGroup::L) {
        // The circuit had computed its L from C and F; the coil now
        // decides it, so both other groups start over from it.
        wave_->ClearWave(Units::Keep);
        circuit_->ClearCircuit(Units::Keep);
        PassQuantity(inductance(), circuit_->inductance());
    } else if (PassQuantity(inductance(), circuit_->inductance())) {
        circuit_->ComputeCircuit();
    }
}

void ExtendedCoilGroup::ClearCoil(extended::Units units)
{
    using namespace extended;
    if (units == Units::Reset) {
        WriteUnit(ui_.TS26LlCB, QStringLiteral("мкГн"));
        kLl_ = 1;
    }
    values::ClearUnsolvable(ui_.TS26Label1);
    ui_.TS26Label1->setText(QStringLiteral("0.45 < ?? < 2.5"));
    ui_.TS26Label1->setToolTip(rangeHint_);
    values::SetLabelAlarm(ui_.TS26Label1, false);
    values::SetLabelAlarm(ui_.TS26Label2, false);
    ui_.TS26Label2->setToolTip(QString());
    ShowEmpty(ui_.TS26W);
    ShowEmpty(ui_.TS26Dk);
    ShowEmpty(ui_.TS26Dp);
    ShowEmpty(ui_.TS26J);
    ShowEmpty(ui_.TS26Ll);
    solvedField_ = None;
}

} // namespace pages
