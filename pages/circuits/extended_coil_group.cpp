#include "pages/circuits/extended_coil_group.h"

#include "pages/circuits/extended_circuit_group.h"
#include "pages/circuits/extended_fields.h"
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

void ExtendedCoilGroup::ComputeCoil(const QObject* control)
{
    using namespace extended;

    if (QLineEdit* solved = solvedEdit())
        WriteText(solved, QStringLiteral("0"));

    if (control == ui_.TS26LlCB && ui_.TS26LlCB->currentText() != ui_.TS26LCB->currentText()) {
        WriteUnit(ui_.TS26LCB, ui_.TS26LlCB->currentText());
        circuit_->ComputeCircuit(nullptr);
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

    if (!(turnToTurn ? solveTurnToTurn() : solveLengthGiven()))
        return;

    if (turnToTurn) {
        j_ = TurnsLength(w_, dp_);
        ShowComputed(ui_.TS26J, j_);
    }

    showLimits();

    if (ui_.TS26L->text() != ui_.TS26Ll->text()) {
        if (circuit_->solvedField() == ExtendedCircuitGroup::L) {
            // The circuit had computed its L from C and F; the coil now
            // decides it, so both other groups start over from it.
            wave_->ClearWave();
            circuit_->ClearCircuit();
            WriteText(ui_.TS26L, ui_.TS26Ll->text());
        } else {
            WriteText(ui_.TS26L, ui_.TS26Ll->text());
            circuit_->ComputeCircuit(nullptr);
        }
    }
}

void ExtendedCoilGroup::computeInductance(double length)
{
    const Real w = w_;
    l_ = checked::ToDouble(checked::Div(0.001L * w * w * d_, checked::Div(length, d_) + 0.46L));
    extended::ShowComputed(ui_.TS26Ll, checked::ToDouble(checked::Div(l_, kLl_)));
}

bool ExtendedCoilGroup::solveLengthGiven()
{
    using extended::ShowComputed;
    // Dк or Dп from the quadratic 0.001·W²·D² − 0.46·L·D − L·J = 0 in D.
    const auto diameter = [this] {
        const Real w = w_;
        const Real x = checked::Div(0.01L * w * w, l_);
        const Real y = 0.4L * x * j_ + 0.2116L;
        return (checked::Sqrt(y) + 0.46L) * checked::Div(5, x);
    };

    if (w_ == 0) {
        if (!(dk_ > 0 && dp_ > 0 && l_ > 0 && j_ > 0))
            return false;
        solvedField_ = W;
        w_ = checked::ToDouble(checked::Sqrt(checked::Div(1000 * Real(l_) * (checked::Div(j_, d_) + 0.46L), d_)));
        ShowComputed(ui_.TS26W, w_);
    }
    if (dk_ == 0) {
        if (w_ == 0 || dp_ == 0 || j_ == 0 || l_ == 0)
            return false;
        solvedField_ = Dk;
        dk_ = checked::ToDouble(diameter() - dp_);
        ShowComputed(ui_.TS26Dk, dk_);
    }
    if (dp_ == 0) {
        if (dk_ == 0 || w_ == 0 || j_ == 0 || l_ == 0)
            return false;
        solvedField_ = Dp;
        dp_ = checked::ToDouble(diameter() - dk_);
        ShowComputed(ui_.TS26Dp, dp_);
    }
    if (j_ == 0) {
        if (dk_ == 0 || dp_ == 0 || w_ == 0 || l_ == 0)
            return false;
        solvedField_ = J;
        const Real w = w_;
        const Real d = d_;
        j_ = checked::ToDouble(checked::Div(0.001L * d * d * w * w, l_) - 0.46L * d);
        ShowComputed(ui_.TS26J, j_);
    }
    if (l_ == 0) {
        if (dk_ == 0 || dp_ == 0 || j_ == 0 || w_ == 0)
            return false;
        solvedField_ = L;
        computeInductance(j_);
    }
    return true;
}

bool ExtendedCoilGroup::solveTurnToTurn()
{
    using extended::ShowComputed;

    if (w_ == 0) {
        if (!(dk_ > 0 && dp_ > 0 && l_ > 0))
            return false;
        solvedField_ = W;
        // Root of (D²/L)·W² − 1000·Dп·W − 460·D = 0.
        const Real d = d_;
        const Real dp = dp_;
        const Real root = checked::Sqrt(1e6L * dp * dp + checked::Div(1840 * d * d * d, l_));
        w_ = checked::ToDouble(checked::Div(1000 * dp + root, checked::Div(2 * d * d, l_)));
        ShowComputed(ui_.TS26W, w_);
    }
    if (dk_ == 0) {
        if (w_ == 0 || dp_ == 0 || l_ == 0)
            return false;
        solvedField_ = Dk;
        const Real w = w_;
        const Real x = checked::Div(0.01L * w * w, l_);
        const Real y = 0.4L * x * w * dp_ + 0.2116L;
        dk_ = checked::ToDouble((checked::Sqrt(y) + 0.46L) * checked::Div(5, x) - dp_);
        ShowComputed(ui_.TS26Dk, dk_);
    }
    if (dp_ == 0) {
        if (dk_ == 0 || w_ == 0 || l_ == 0)
            return false;
        solvedField_ = Dp;
        // W²·Dп² + b·Dп + c = 0; the smaller root is the wire that fits.
        const Real w = w_;
        const Real dk = dk_;
        const Real l = l_;
        const Real a = w * w;
        const Real b = 2 * w * w * dk - 1000 * w * l - 460 * l;
        const Real c = (w * dk) * (w * dk) - 460 * l * dk;
        dp_ = checked::ToDouble(checked::Div(-b - checked::Sqrt(b * b - 4 * a * c), 2 * a));
        ShowComputed(ui_.TS26Dp, dp_);
    }
    if (l_ == 0) {
        if (dk_ == 0 || dp_ == 0 || w_ == 0)
            return false;
        solvedField_ = L;
        computeInductance(TurnsLength(w_, dp_));
    }
    return true;
}

void ExtendedCoilGroup::showLimits()
{
    const double ratio = checked::ToDouble(checked::Div(j_, Real(dk_) + dp_));
    ui_.TS26Label1->setText(QStringLiteral("0.45 < ") + values::FormatNumber(ratio) + QStringLiteral(" < 2.5"));
    values::SetLabelAlarm(ui_.TS26Label1, ratio < LowestRatio || ratio > HighestRatio);
    values::SetLabelAlarm(ui_.TS26Label2, TurnsLength(w_, dp_) > j_);
}

void ExtendedCoilGroup::ClearCoil()
{
    using namespace extended;
    WriteUnit(ui_.TS26LlCB, QStringLiteral("мкГн"));
    ui_.TS26Label1->setText(QStringLiteral("0.45 < ?? < 2.5"));
    values::SetLabelAlarm(ui_.TS26Label1, false);
    values::SetLabelAlarm(ui_.TS26Label2, false);
    ShowEmpty(ui_.TS26W);
    ShowEmpty(ui_.TS26Dk);
    ShowEmpty(ui_.TS26Dp);
    ShowEmpty(ui_.TS26J);
    ShowEmpty(ui_.TS26Ll);
    solvedField_ = None;
}

} // namespace pages
