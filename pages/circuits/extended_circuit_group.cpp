#include "pages/circuits/extended_circuit_group.h"

#include "pages/circuits/extended_coil_group.h"
#include "pages/circuits/extended_fields.h"
#include "pages/circuits/extended_units.h"
#include "pages/circuits/extended_wave_group.h"
#include "values/checked_math.h"
#include "values/field.h"

#include "ui_extended_circuit_page.h"

namespace pages {

namespace {

using values::Real;
namespace checked = values::checked;

// 10⁶ / 2π: resonance in megahertz from picofarads and microhenries.
constexpr Real K = 159.15494309189533577L;

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

void ExtendedCircuitGroup::ComputeCircuit(const QObject* control)
{
    using namespace extended;

    // The computed field is emptied so that it is computed again from the inputs.
    if (QLineEdit* solved = solvedEdit())
        WriteText(solved, QStringLiteral("0"));

    if (control == ui_.TS26LCB && ui_.TS26LCB->currentText() != ui_.TS26LlCB->currentText()) {
        WriteUnit(ui_.TS26LlCB, ui_.TS26LCB->currentText());
        coil_->ComputeCoil(nullptr);
    }

    TakeUnit(ui_.TS26CCB, CapacitancePicofarads(), kC_);
    TakeUnit(ui_.TS26LCB, InductanceMicrohenries(), kL_);
    TakeUnit(ui_.TS26FCB, FrequencyPerMegahertz(), dF_);

    c_ = values::ReadValue(ui_.TS26C);
    l_ = values::ReadValue(ui_.TS26L);
    f_ = values::ReadValue(ui_.TS26F);

    if (!solve())
        return;

    if (ui_.TS26CBF->currentText() != ui_.TS26FCB->currentText()) {
        WriteUnit(ui_.TS26CBF, ui_.TS26FCB->currentText());
        wave_->ComputeWave(nullptr);
    }

    if (ui_.TS26EditF->text() != ui_.TS26F->text()) {
        // A wave group that was working from another value starts over from this frequency.
        if (wave_->solvedField() != ExtendedWaveGroup::F)
            wave_->ClearWave();
        WriteText(ui_.TS26EditF, ui_.TS26F->text());
        wave_->ComputeWave(nullptr);
    }

    if (ui_.TS26Ll->text() != ui_.TS26L->text()) {
        if (coil_->solvedField() == ExtendedCoilGroup::L) {
            // The coil's own inductance no longer fits: its sizes go, the new L stays.
            coil_->ClearCoil();
            WriteText(ui_.TS26Ll, ui_.TS26L->text());
        } else {
            WriteText(ui_.TS26Ll, ui_.TS26L->text());
            coil_->ComputeCoil(nullptr);
        }
    }
}

bool ExtendedCircuitGroup::solve()
{
    using extended::ShowComputed;
    const auto megahertz = [this] { return checked::Div(f_, dF_); };

    if (c_ == 0) {
        if (!(l_ > 0 && f_ > 0))
            return false;
        solvedField_ = C;
        const Real fMHz = megahertz();
        c_ = checked::ToDouble(checked::Div(K * K, fMHz * fMHz * l_ * kL_ * kC_));
        ShowComputed(ui_.TS26C, c_);
    }
    if (l_ == 0) {
        if (!(c_ > 0 && f_ > 0))
            return false;
        solvedField_ = L;
        const Real fMHz = megahertz();
        l_ = checked::ToDouble(checked::Div(K * K, fMHz * fMHz * c_ * kL_ * kC_));
        ShowComputed(ui_.TS26L, l_);
    }
    if (f_ == 0) {
        if (!(c_ > 0 && l_ > 0))
            return false;
        solvedField_ = F;
        f_ = checked::ToDouble(checked::Div(dF_ * K, checked::Sqrt(Real(l_) * kL_ * c_ * kC_)));
        ShowComputed(ui_.TS26F, f_);
    }
    return true;
}

void ExtendedCircuitGroup::ClearCircuit()
{
    using namespace extended;
    WriteUnit(ui_.TS26CCB, QStringLiteral("пФ"));
    WriteUnit(ui_.TS26LCB, QStringLiteral("мкГн"));
    WriteUnit(ui_.TS26FCB, QStringLiteral("мГц"));
    ShowEmpty(ui_.TS26C);
    ShowEmpty(ui_.TS26L);
    ShowEmpty(ui_.TS26F);
    solvedField_ = None;
}

} // namespace pages
