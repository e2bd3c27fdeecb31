#include "pages/circuits/extended_circuit_group.h"

#include "pages/circuits/extended_coil_group.h"
#include "pages/circuits/extended_units.h"
#include "pages/circuits/extended_wave_group.h"
#include "engineering/oscillating_circuit.h"
#include "values/field.h"

#include "ui_extended_circuit_page.h"

namespace pages {

namespace {

using engineering::Real;
namespace checked = engineering::checked;
using extended::Outcome;

constexpr Real Picofarad = 1e-12L;
constexpr Real Microhenry = 1e-6L;

} // namespace

ExtendedCircuitGroup::ExtendedCircuitGroup(Ui::ExtendedCircuitPage& ui) : ui_(ui) {}

void ExtendedCircuitGroup::link(ExtendedWaveGroup& wave, ExtendedCoilGroup& coil)
{
    wave_ = &wave;
    coil_ = &coil;
}

QLineEdit* ExtendedCircuitGroup::solvedEdit() const
{
    switch (solvedField_) {
    case C: return ui_.TS26C;
    case L: return ui_.TS26L;
    case F: return ui_.TS26F;
    default: return nullptr;
    }
}

extended::UnitValue ExtendedCircuitGroup::inductance() const
{
    return {ui_.TS26L, kL_};
}

extended::UnitValue ExtendedCircuitGroup::frequency() const
{
    return {ui_.TS26F, fHz_};
}

void ExtendedCircuitGroup::ComputeCircuit(extended::UnitChange changed)
{
    using namespace extended;
    for (QLineEdit* edit : {ui_.TS26C, ui_.TS26L, ui_.TS26F})
        values::ClearUnsolvable(edit);

    if (changed == UnitChange::Frequency)
        takeFrequencyUnit();
    if (changed == UnitChange::Inductance)
        takeInductanceUnit();

    RecomputedFields earlier;
    if (QLineEdit* solved = solvedEdit())
        earlier.add(solved);

    TakeUnit(ui_.TS26CCB, CapacitancePicofarads(), kC_);
    TakeUnit(ui_.TS26LCB, InductanceMicrohenries(), kL_);
    TakeUnit(ui_.TS26FCB, FrequencyHertz(), fHz_);

    c_ = earlier.read(ui_.TS26C);
    l_ = earlier.read(ui_.TS26L);
    f_ = earlier.read(ui_.TS26F);

    switch (solve()) {
    case Outcome::Missing:
        return;
    case Outcome::Unsolvable:
        earlier.unsolvable();
        return;
    case Outcome::Solved:
        earlier.solved();
        break;
    }
    handFrequencyToWave();
    handInductanceToCoil();
}

// A frequency that one of the groups computes keeps its quantity in the new
// unit; a typed one is read anew in it.
void ExtendedCircuitGroup::takeFrequencyUnit()
{
    const int wave = wave_->solvedField();
    const bool computed = solvedField_ == F || (wave != ExtendedWaveGroup::None && wave != ExtendedWaveGroup::F);
    extended::RescaleField(ui_.TS26FCB, extended::FrequencyHertz(), ui_.TS26F, fHz_, computed);
}

// The same for the inductance, whose unit the coil group shares at once.
void ExtendedCircuitGroup::takeInductanceUnit()
{
    const bool computed = solvedField_ == L || coil_->solvedField() == ExtendedCoilGroup::L;
    extended::RescaleField(ui_.TS26LCB, extended::InductanceMicrohenries(), ui_.TS26L, kL_, computed);
    if (ui_.TS26LlCB->currentText() != ui_.TS26LCB->currentText()) {
        coil_->followInductanceUnit(ui_.TS26LCB->currentText(), inductance(), computed);
        coil_->ComputeCoil();
    }
}

void ExtendedCircuitGroup::followInductanceUnit(const QString& unit, const extended::UnitValue& partner, bool computed)
{
    extended::FollowUnit(ui_.TS26LCB, extended::InductanceMicrohenries(), ui_.TS26L, kL_, unit, partner, computed);
}

void ExtendedCircuitGroup::followFrequencyUnit(const QString& unit)
{
    using namespace extended;
    WriteUnit(ui_.TS26FCB, unit);
    RescaleField(ui_.TS26FCB, FrequencyHertz(), ui_.TS26F, fHz_, true);
}

void ExtendedCircuitGroup::showSolved(QLineEdit* edit, double& value, Real shown)
{
    value = checked::ToDouble(shown);
    extended::ShowComputed(edit, value);
}

// Resonance in the units shown: each value goes into the formula in SI units
// and the result comes back in the unit of its field.
Outcome ExtendedCircuitGroup::solve()
{
    using namespace engineering;
    const auto farads = [this] { return Real(c_) * kC_ * Picofarad; };
    const auto henries = [this] { return Real(l_) * kL_ * Microhenry; };
    const auto hertz = [this] { return Real(f_) * fHz_; };

    if (c_ == 0) {
        if (!(l_ > 0 && f_ > 0))
            return Outcome::Missing;
        solvedField_ = C;
        if (!values::SolveInto(ui_.TS26C, [&] {
                showSolved(ui_.TS26C, c_, checked::Div(ResonantPartner(henries(), hertz()), kC_ * Picofarad));
            }))
            return Outcome::Unsolvable;
    }
    if (l_ == 0) {
        if (!(c_ > 0 && f_ > 0))
            return Outcome::Missing;
        solvedField_ = L;
        if (!values::SolveInto(ui_.TS26L, [&] {
                showSolved(ui_.TS26L, l_, checked::Div(ResonantPartner(farads(), hertz()), kL_ * Microhenry));
            }))
            return Outcome::Unsolvable;
    }
    if (f_ == 0) {
        if (!(c_ > 0 && l_ > 0))
            return Outcome::Missing;
        solvedField_ = F;
        if (!values::SolveInto(ui_.TS26F, [&] {
                showSolved(ui_.TS26F, f_, checked::Div(ResonantFrequency(henries(), farads()), fHz_));
            }))
            return Outcome::Unsolvable;
    }
    return Outcome::Solved;
}

// The wave group takes the circuit's frequency unit and, when its frequency
// is another quantity, the circuit's frequency.
void ExtendedCircuitGroup::handFrequencyToWave()
{
    using namespace extended;
    const bool unitHanded = ui_.TS26CBF->currentText() != ui_.TS26FCB->currentText();
    if (unitHanded)
        wave_->followFrequencyUnit(ui_.TS26FCB->currentText());

    if (!SameQuantity(wave_->frequency(), frequency())) {
        // A wave group that was working from another value starts over from this frequency.
        if (wave_->solvedField() != ExtendedWaveGroup::F)
            wave_->ClearWave(Units::Keep);
        if (!PassQuantity(frequency(), wave_->frequency()))
            return;
    } else if (!unitHanded) {
        return;
    }
    wave_->ComputeWave();
}

void ExtendedCircuitGroup::handInductanceToCoil()
{
    using namespace extended;
    if (SameQuantity(coil_->inductance(), inductance()))
        return;
    if (coil_->solvedField() == ExtendedCoilGroup::L) {
        // The coil's own inductance no longer fits: its sizes go, the new L stays.
        coil_->ClearCoil(Units::Keep);
        PassQuantity(inductance(), coil_->inductance());
    } else if (PassQuantity(inductance(), coil_->inductance())) {
        coil_->ComputeCoil();
    }
}

void ExtendedCircuitGroup::ClearCircuit(extended::Units units)
{
    using namespace extended;
    if (units == Units::Reset) {
        WriteUnit(ui_.TS26CCB, QStringLiteral("пФ"));
        WriteUnit(ui_.TS26LCB, QStringLiteral("мкГн"));
        WriteUnit(ui_.TS26FCB, QStringLiteral("мГц"));
        kC_ = 1;
        kL_ = 1;
        fHz_ = 1e6;
    }
    ShowEmpty(ui_.TS26C);
    ShowEmpty(ui_.TS26L);
    ShowEmpty(ui_.TS26F);
    solvedField_ = None;
}

} // namespace pages
