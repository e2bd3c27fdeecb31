#include "pages/circuits/extended_wave_group.h"

#include "pages/circuits/extended_circuit_group.h"
#include "pages/circuits/extended_coil_group.h"
#include "pages/circuits/extended_units.h"
#include "engineering/oscillating_circuit.h"
#include "values/field.h"

#include "ui_extended_circuit_page.h"

namespace pages {

namespace {

using engineering::Real;
namespace checked = engineering::checked;
using extended::Outcome;

// One value of a block, computed into `value`; when the inputs give no
// answer, its field shows why.
template <class Formula>
bool Compute(QLineEdit* edit, double& value, Formula&& formula)
{
    return values::SolveInto(edit, [&] { value = checked::ToDouble(formula()); });
}

} // namespace

ExtendedWaveGroup::ExtendedWaveGroup(Ui::ExtendedCircuitPage& ui) : ui_(ui) {}

void ExtendedWaveGroup::link(ExtendedCircuitGroup& circuit, ExtendedCoilGroup& coil)
{
    circuit_ = &circuit;
    coil_ = &coil;
}

extended::UnitValue ExtendedWaveGroup::frequency() const
{
    return {ui_.TS26EditF, fF_};
}

void ExtendedWaveGroup::resetComputed(extended::RecomputedFields& earlier)
{
    if (solvedField_ == None)
        return;
    const std::pair<int, QLineEdit*> fields[] = {
        {F, ui_.TS26EditF}, {T, ui_.TS26EditT}, {Wavelength, ui_.TS26EditJ}, {QuarterWavelength, ui_.TS26EditJ4}};
    for (const auto& [input, edit] : fields) {
        if (input == solvedField_)
            continue;
        earlier.add(edit);
    }
}

void ExtendedWaveGroup::ComputeWave(extended::UnitChange changed)
{
    using namespace extended;
    for (QLineEdit* edit : {ui_.TS26EditF, ui_.TS26EditT, ui_.TS26EditJ, ui_.TS26EditJ4})
        values::ClearUnsolvable(edit);

    if (changed == UnitChange::Frequency)
        takeFrequencyUnit();

    RecomputedFields earlier;
    resetComputed(earlier);

    TakeUnit(ui_.TS26CBF, FrequencyHertz(), fF_);
    TakeUnit(ui_.TS26CBT, TimeSeconds(), tT_);
    TakeUnit(ui_.TS26CBJ, LengthMetres(), jJ_);
    TakeUnit(ui_.TS26CBJ4, LengthMetres(), jJ4_);

    f_ = earlier.read(ui_.TS26EditF);
    t_ = earlier.read(ui_.TS26EditT);
    lambda_ = earlier.read(ui_.TS26EditJ);
    lambda4_ = earlier.read(ui_.TS26EditJ4);

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
    handFrequencyToCircuit();
}

// A frequency that one of the groups computes keeps its quantity in the new
// unit; a typed one is read anew in it.
void ExtendedWaveGroup::takeFrequencyUnit()
{
    const bool computed =
        (solvedField_ != None && solvedField_ != F) || circuit_->solvedField() == ExtendedCircuitGroup::F;
    extended::RescaleField(ui_.TS26CBF, extended::FrequencyHertz(), ui_.TS26EditF, fF_, computed);
}

void ExtendedWaveGroup::followFrequencyUnit(const QString& unit)
{
    using namespace extended;
    WriteUnit(ui_.TS26CBF, unit);
    RescaleField(ui_.TS26CBF, FrequencyHertz(), ui_.TS26EditF, fF_, true);
}

Outcome ExtendedWaveGroup::solve()
{
    using namespace engineering;
    using extended::ShowComputed;
    // Each value goes into the formulas in SI units and comes back in the
    // unit of its field.
    const auto hertz = [this] { return Real(f_) * fF_; };
    const auto period = [&] { return checked::Div(Period(hertz()), tT_); };
    const auto wavelength = [&] { return checked::Div(engineering::Wavelength(hertz()), jJ_); };
    const auto quarterWavelength = [&] { return checked::Div(engineering::Wavelength(hertz()) / 4, jJ4_); };
    const auto frequencyOfWavelength = [this] {
        return checked::Div(FrequencyOfWavelength(Real(lambda_) * jJ_), fF_);
    };
    // Shows the three values of a block once all of them have an answer.
    const auto show = [](std::initializer_list<std::pair<QLineEdit*, double>> results) {
        for (const auto& [edit, value] : results)
            ShowComputed(edit, value);
        return Outcome::Solved;
    };

    if (t_ == 0 && lambda_ == 0 && lambda4_ == 0) {
        if (!(f_ > 0))
            return Outcome::Missing;
        solvedField_ = F;
        if (!(Compute(ui_.TS26EditT, t_, period) && Compute(ui_.TS26EditJ, lambda_, wavelength) &&
              Compute(ui_.TS26EditJ4, lambda4_, quarterWavelength)))
            return Outcome::Unsolvable;
        return show({{ui_.TS26EditT, t_}, {ui_.TS26EditJ, lambda_}, {ui_.TS26EditJ4, lambda4_}});
    }
    if (f_ == 0 && lambda_ == 0 && lambda4_ == 0) {
        if (!(t_ > 0))
            return Outcome::Missing;
        solvedField_ = T;
        const auto fromPeriod = [this] { return checked::Div(FrequencyOfPeriod(Real(t_) * tT_), fF_); };
        if (!(Compute(ui_.TS26EditF, f_, fromPeriod) && Compute(ui_.TS26EditJ, lambda_, wavelength) &&
              Compute(ui_.TS26EditJ4, lambda4_, quarterWavelength)))
            return Outcome::Unsolvable;
        return show({{ui_.TS26EditF, f_}, {ui_.TS26EditJ, lambda_}, {ui_.TS26EditJ4, lambda4_}});
    }
    if (f_ == 0 && t_ == 0 && lambda4_ == 0) {
        if (!(lambda_ > 0))
            return Outcome::Missing;
        solvedField_ = Wavelength;
        const auto quarter = [this] { return checked::Div(Real(lambda_) * jJ_ / 4, jJ4_); };
        if (!(Compute(ui_.TS26EditJ4, lambda4_, quarter) && Compute(ui_.TS26EditF, f_, frequencyOfWavelength) &&
              Compute(ui_.TS26EditT, t_, period)))
            return Outcome::Unsolvable;
        return show({{ui_.TS26EditF, f_}, {ui_.TS26EditT, t_}, {ui_.TS26EditJ4, lambda4_}});
    }
    if (f_ == 0 && t_ == 0 && lambda_ == 0) {
        if (!(lambda4_ > 0))
            return Outcome::Missing;
        solvedField_ = QuarterWavelength;
        const auto whole = [this] { return checked::Div(Real(lambda4_) * jJ4_ * 4, jJ_); };
        if (!(Compute(ui_.TS26EditJ, lambda_, whole) && Compute(ui_.TS26EditF, f_, frequencyOfWavelength) &&
              Compute(ui_.TS26EditT, t_, period)))
            return Outcome::Unsolvable;
        return show({{ui_.TS26EditF, f_}, {ui_.TS26EditT, t_}, {ui_.TS26EditJ, lambda_}});
    }
    return Outcome::Solved;  // two or more values given: nothing to compute
}

// The circuit group takes the wave's frequency unit and, when its frequency
// is another quantity, the wave's frequency.
void ExtendedWaveGroup::handFrequencyToCircuit()
{
    using namespace extended;
    const bool unitHanded = ui_.TS26FCB->currentText() != ui_.TS26CBF->currentText();
    if (unitHanded)
        circuit_->followFrequencyUnit(ui_.TS26CBF->currentText());

    if (!SameQuantity(circuit_->frequency(), frequency())) {
        if (circuit_->solvedField() == ExtendedCircuitGroup::F) {
            // The circuit computed its frequency; now the frequency is given,
            // so the circuit starts over from it and the coil's inductance.
            circuit_->ClearCircuit(Units::Keep);
            PassQuantity(frequency(), circuit_->frequency());
            PassQuantity(coil_->inductance(), circuit_->inductance());
        } else if (!PassQuantity(frequency(), circuit_->frequency())) {
            return;
        }
    } else if (!unitHanded) {
        return;
    }
    circuit_->ComputeCircuit();
}

void ExtendedWaveGroup::ClearWave(extended::Units units)
{
    using namespace extended;
    if (units == Units::Reset) {
        WriteUnit(ui_.TS26CBF, QStringLiteral("мГц"));
        WriteUnit(ui_.TS26CBT, QStringLiteral("мкс"));
        WriteUnit(ui_.TS26CBJ, QStringLiteral("м"));
        WriteUnit(ui_.TS26CBJ4, QStringLiteral("м"));
        fF_ = 1e6;
        tT_ = 1e-6;
        jJ_ = 1;
        jJ4_ = 1;
    }
    ShowEmpty(ui_.TS26EditF);
    ShowEmpty(ui_.TS26EditJ);
    ShowEmpty(ui_.TS26EditT);
    ShowEmpty(ui_.TS26EditJ4);
    solvedField_ = None;
}

} // namespace pages
