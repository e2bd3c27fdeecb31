#include "pages/circuits/extended_wave_group.h"

#include "pages/circuits/extended_circuit_group.h"
#include "pages/circuits/extended_fields.h"
#include "pages/circuits/extended_units.h"
#include "values/checked_math.h"
#include "values/field.h"

#include "ui_extended_circuit_page.h"

namespace pages {

namespace {

using values::Real;
namespace checked = values::checked;

constexpr Real SpeedOfLight = 3e8L;        // metres per second
constexpr Real QuarterSpeedOfLight = 7.5e7L;

} // namespace

ExtendedWaveGroup::ExtendedWaveGroup(Ui::ExtendedCircuitPage& ui) : ui_(ui) {}

void ExtendedWaveGroup::link(ExtendedCircuitGroup& circuit)
{
    circuit_ = &circuit;
}

void ExtendedWaveGroup::resetComputed()
{
    const QString zero = QStringLiteral("0");
    if (solvedField_ != F && solvedField_ != None)
        extended::WriteText(ui_.TS26EditF, zero);
    if (solvedField_ != T && solvedField_ != None)
        extended::WriteText(ui_.TS26EditT, zero);
    if (solvedField_ != Wavelength && solvedField_ != None)
        extended::WriteText(ui_.TS26EditJ, zero);
    if (solvedField_ != QuarterWavelength && solvedField_ != None)
        extended::WriteText(ui_.TS26EditJ4, zero);
}

void ExtendedWaveGroup::ComputeWave(const QObject* /*control*/)
{
    using namespace extended;

    resetComputed();

    TakeUnit(ui_.TS26CBF, FrequencyHertz(), fF_);
    TakeUnit(ui_.TS26CBT, TimeSeconds(), tT_);
    TakeUnit(ui_.TS26CBJ, LengthMetres(), jJ_);
    TakeUnit(ui_.TS26CBJ4, LengthMetres(), jJ4_);

    f_ = values::ReadValue(ui_.TS26EditF);
    t_ = values::ReadValue(ui_.TS26EditT);
    lambda_ = values::ReadValue(ui_.TS26EditJ);
    lambda4_ = values::ReadValue(ui_.TS26EditJ4);

    if (!solve())
        return;

    if (ui_.TS26FCB->currentText() != ui_.TS26CBF->currentText()) {
        WriteUnit(ui_.TS26FCB, ui_.TS26CBF->currentText());
        circuit_->ComputeCircuit(nullptr);
    }

    if (ui_.TS26F->text() != ui_.TS26EditF->text()) {
        if (circuit_->solvedField() == ExtendedCircuitGroup::F) {
            // The circuit computed its frequency; now the frequency is given,
            // so the circuit starts over from it and the coil's inductance.
            circuit_->ClearCircuit();
            WriteText(ui_.TS26F, ui_.TS26EditF->text());
            WriteText(ui_.TS26L, ui_.TS26Ll->text());
        } else {
            WriteText(ui_.TS26F, ui_.TS26EditF->text());
        }
        circuit_->ComputeCircuit(nullptr);
    }
}

bool ExtendedWaveGroup::solve()
{
    using extended::ShowComputed;
    const auto lengthsFromFrequency = [this] {
        const Real hertz = Real(f_) * fF_;
        lambda_ = checked::ToDouble(checked::Div(SpeedOfLight, hertz * jJ_));
        lambda4_ = checked::ToDouble(checked::Div(QuarterSpeedOfLight, hertz * jJ4_));
    };
    const auto periodFromFrequency = [this] {
        t_ = checked::ToDouble(checked::Div(1, Real(f_) * fF_ * tT_));
    };
    const auto frequencyFromWavelength = [this] {
        f_ = checked::ToDouble(checked::Div(SpeedOfLight, Real(lambda_) * fF_ * jJ_));
    };

    if (t_ == 0 && lambda_ == 0 && lambda4_ == 0) {
        if (!(f_ > 0))
            return false;
        solvedField_ = F;
        periodFromFrequency();
        lengthsFromFrequency();
        ShowComputed(ui_.TS26EditT, t_);
        ShowComputed(ui_.TS26EditJ, lambda_);
        ShowComputed(ui_.TS26EditJ4, lambda4_);
    }
    if (f_ == 0 && lambda_ == 0 && lambda4_ == 0) {
        if (!(t_ > 0))
            return false;
        solvedField_ = T;
        f_ = checked::ToDouble(checked::Div(1, Real(t_) * fF_ * tT_));
        lengthsFromFrequency();
        ShowComputed(ui_.TS26EditF, f_);
        ShowComputed(ui_.TS26EditJ, lambda_);
        ShowComputed(ui_.TS26EditJ4, lambda4_);
    }
    if (f_ == 0 && t_ == 0 && lambda4_ == 0) {
        if (!(lambda_ > 0))
            return false;
        solvedField_ = Wavelength;
        lambda4_ = checked::ToDouble(checked::Div(Real(lambda_) * jJ_, 4 * Real(jJ4_)));
        frequencyFromWavelength();
        periodFromFrequency();
        ShowComputed(ui_.TS26EditF, f_);
        ShowComputed(ui_.TS26EditT, t_);
        ShowComputed(ui_.TS26EditJ4, lambda4_);
    }
    if (f_ == 0 && t_ == 0 && lambda_ == 0) {
        if (!(lambda4_ > 0))
            return false;
        solvedField_ = QuarterWavelength;
        lambda_ = checked::ToDouble(checked::Div(Real(lambda4_) * 4 * jJ4_, jJ_));
        frequencyFromWavelength();
        periodFromFrequency();
        ShowComputed(ui_.TS26EditF, f_);
        ShowComputed(ui_.TS26EditT, t_);
        ShowComputed(ui_.TS26EditJ, lambda_);
    }
    return true;
}

void ExtendedWaveGroup::ClearWave()
{
    using namespace extended;
    WriteUnit(ui_.TS26CBF, QStringLiteral("мГц"));
    WriteUnit(ui_.TS26CBT, QStringLiteral("мкс"));
    WriteUnit(ui_.TS26CBJ, QStringLiteral("м"));
    WriteUnit(ui_.TS26CBJ4, QStringLiteral("м"));
    ShowEmpty(ui_.TS26EditF);
    ShowEmpty(ui_.TS26EditJ);
    ShowEmpty(ui_.TS26EditT);
    ShowEmpty(ui_.TS26EditJ4);
    solvedField_ = None;
}

} // namespace pages
