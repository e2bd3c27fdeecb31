#include "pages/circuits/extended_coil_group.h"

#include "pages/circuits/extended_circuit_group.h"
#include "pages/circuits/extended_units.h"
#include "pages/circuits/extended_wave_group.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"

#include "ui_extended_circuit_page.h"

namespace pages {

namespace {

using values::Real;
namespace checked = values::checked;
using extended::Outcome;

// Within this range of J / D the formula is accurate to about 1 %.
constexpr double LowestRatio = 0.45;
constexpr double HighestRatio = 2.5;

// Turns wound side by side take exactly this length; the warning label
// compares with the same product so that a computed J never flags itself.
double TurnsLength(double turns, double wire)
{
    return turns * wire;
}

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

void ExtendedCoilGroup::ComputeCoil(const QObject* control)
{
    using namespace extended;
    for (QLineEdit* edit : {ui_.TS26W, ui_.TS26Dk, ui_.TS26Dp, ui_.TS26J, ui_.TS26Ll})
        values::ClearUnsolvable(edit);
    values::ClearUnsolvable(ui_.TS26Label1);

    if (control == ui_.TS26LlCB)
        takeInductanceUnit();

    EarlierTexts earlier;
    if (QLineEdit* solved = solvedEdit()) {
        earlier.keep(solved);
        WriteText(solved, QStringLiteral("0"));
    }

    TakeUnit(ui_.TS26LlCB, InductanceMicrohenries(), kLl_, Hint::Keep);
    w_ = values::ReadValue(ui_.TS26W);
    dk_ = values::ReadValue(ui_.TS26Dk);
    dp_ = values::ReadValue(ui_.TS26Dp);
    j_ = values::ReadValue(ui_.TS26J);
    l_ = values::ReadValue(ui_.TS26Ll, kLl_);
    d_ = dk_ + dp_;

    const bool turnToTurn = ui_.TS26ChB1->isChecked();
    ui_.TS26J->setEnabled(!turnToTurn);
    values::SetFieldColour(ui_.TS26J, values::WindowColour());

    Outcome outcome = turnToTurn ? solveTurnToTurn() : solveLengthGiven();
    if (outcome == Outcome::Solved && turnToTurn &&
        !block(ui_.TS26J, j_, [this] { return Real(TurnsLength(w_, dp_)); }))
        outcome = Outcome::Unsolvable;
    switch (outcome) {
    case Outcome::Missing:
        return;
    case Outcome::Unsolvable:
        earlier.restore();
        return;
    case Outcome::Solved:
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
    double microhenries = kLl_;
    extended::TakeUnit(ui_.TS26LlCB, extended::InductanceMicrohenries(), microhenries, extended::Hint::Keep);
    if (computed)
        extended::Reexpress(ui_.TS26Ll, kLl_, microhenries);
    kLl_ = microhenries;
    if (ui_.TS26LCB->currentText() != ui_.TS26LlCB->currentText()) {
        circuit_->followInductanceUnit(ui_.TS26LlCB->currentText(), inductance(), computed);
        circuit_->ComputeCircuit(nullptr);
    }
}

void ExtendedCoilGroup::followInductanceUnit(const QString& unit, const extended::UnitValue& partner, bool computed)
{
    using namespace extended;
    WriteUnit(ui_.TS26LlCB, unit);
    double microhenries = kLl_;
    TakeUnit(ui_.TS26LlCB, InductanceMicrohenries(), microhenries, Hint::Keep);
    if (!IsEmpty(partner.edit))
        PassQuantity(partner, {ui_.TS26Ll, microhenries});
    else if (computed)
        Reexpress(ui_.TS26Ll, kLl_, microhenries);
    kLl_ = microhenries;
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

bool ExtendedCoilGroup::inductanceBlock(double length)
{
    return values::SolveInto(ui_.TS26Ll, [&] {
        const Real w = w_;
        const double l = checked::ToDouble(checked::Div(0.001L * w * w * d_, checked::Div(length, d_) + 0.46L));
        const double shown = checked::ToDouble(checked::Div(l, kLl_));
        l_ = l;
        extended::ShowComputed(ui_.TS26Ll, shown);
    });
}

Outcome ExtendedCoilGroup::solveLengthGiven()
{
    // Dк or Dп from the quadratic 0.001·W²·D² − 0.46·L·D − L·J = 0 in D.
    const auto diameter = [this] {
        const Real w = w_;
        const Real x = checked::Div(0.01L * w * w, l_);
        const Real y = 0.4L * x * j_ + 0.2116L;
        return (checked::Sqrt(y) + 0.46L) * checked::Div(5, x);
    };

    if (w_ == 0) {
        if (!(dk_ > 0 && dp_ > 0 && l_ > 0 && j_ > 0))
            return Outcome::Missing;
        solvedField_ = W;
        const auto turns = [this] {
            return checked::Sqrt(checked::Div(1000 * Real(l_) * (checked::Div(j_, d_) + 0.46L), d_));
        };
        if (!block(ui_.TS26W, w_, turns))
            return Outcome::Unsolvable;
    }
    if (dk_ == 0) {
        if (w_ == 0 || dp_ == 0 || j_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = Dk;
        if (!block(ui_.TS26Dk, dk_, [&] { return diameter() - dp_; }))
            return Outcome::Unsolvable;
    }
    if (dp_ == 0) {
        if (dk_ == 0 || w_ == 0 || j_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = Dp;
        if (!block(ui_.TS26Dp, dp_, [&] { return diameter() - dk_; }))
            return Outcome::Unsolvable;
    }
    if (j_ == 0) {
        if (dk_ == 0 || dp_ == 0 || w_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = J;
        const auto length = [this] {
            const Real w = w_;
            const Real d = d_;
            return checked::Div(0.001L * d * d * w * w, l_) - 0.46L * d;
        };
        if (!block(ui_.TS26J, j_, length))
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
    if (w_ == 0) {
        if (!(dk_ > 0 && dp_ > 0 && l_ > 0))
            return Outcome::Missing;
        solvedField_ = W;
        // Root of (D²/L)·W² − 1000·Dп·W − 460·D = 0.
        const auto turns = [this] {
            const Real d = d_;
            const Real dp = dp_;
            const Real root = checked::Sqrt(1e6L * dp * dp + checked::Div(1840 * d * d * d, l_));
            return checked::Div(1000 * dp + root, checked::Div(2 * d * d, l_));
        };
        if (!block(ui_.TS26W, w_, turns))
            return Outcome::Unsolvable;
    }
    if (dk_ == 0) {
        if (w_ == 0 || dp_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = Dk;
        const auto former = [this] {
            const Real w = w_;
            const Real x = checked::Div(0.01L * w * w, l_);
            const Real y = 0.4L * x * w * dp_ + 0.2116L;
            return (checked::Sqrt(y) + 0.46L) * checked::Div(5, x) - dp_;
        };
        if (!block(ui_.TS26Dk, dk_, former))
            return Outcome::Unsolvable;
    }
    if (dp_ == 0) {
        if (dk_ == 0 || w_ == 0 || l_ == 0)
            return Outcome::Missing;
        solvedField_ = Dp;
        // W²·Dп² + b·Dп + c = 0; the smaller root is the wire that fits.
        const auto wire = [this] {
            const Real w = w_;
            const Real dk = dk_;
            const Real l = l_;
            const Real a = w * w;
            const Real b = 2 * w * w * dk - 1000 * w * l - 460 * l;
            const Real c = (w * dk) * (w * dk) - 460 * l * dk;
            return checked::Div(-b - checked::Sqrt(b * b - 4 * a * c), 2 * a);
        };
        if (!block(ui_.TS26Dp, dp_, wire))
            return Outcome::Unsolvable;
    }
    if (l_ == 0) {
        if (dk_ == 0 || dp_ == 0 || w_ == 0)
            return Outcome::Missing;
        solvedField_ = L;
        if (!inductanceBlock(TurnsLength(w_, dp_)))
            return Outcome::Unsolvable;
    }
    return Outcome::Solved;
}

void ExtendedCoilGroup::showLimits()
{
    double ratio = 0;
    if (values::SolveInto(ui_.TS26Label1, [&] { ratio = checked::ToDouble(checked::Div(j_, Real(dk_) + dp_)); })) {
        const bool outside = ratio < LowestRatio || ratio > HighestRatio;
        ui_.TS26Label1->setText(QStringLiteral("0.45 < ") + values::FormatNumber(ratio) + QStringLiteral(" < 2.5"));
        values::SetLabelAlarm(ui_.TS26Label1, outside);
        ui_.TS26Label1->setToolTip(
            outside ? QStringLiteral("Отношение J / D вне пределов 0.45-2.5: погрешность расчёта больше 1%") : rangeHint_);
    }
    const bool crowded = TurnsLength(w_, dp_) > j_;
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
        circuit_->ComputeCircuit(nullptr);
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
