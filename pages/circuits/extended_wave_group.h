#pragma once

#include "pages/circuits/extended_fields.h"

class QString;

namespace Ui {
class ExtendedCircuitPage;
}

namespace pages {

class ExtendedCircuitGroup;
class ExtendedCoilGroup;

// "Характеристики волны": any one of frequency, period, wavelength and
// quarter wavelength gives the other three; the frequency goes back to the
// circuit group.
class ExtendedWaveGroup {
public:
    // Which value was the input; the group computes the other three.
    enum Solved { None = 0, F = 1, T = 2, Wavelength = 3, QuarterWavelength = 4 };

    explicit ExtendedWaveGroup(Ui::ExtendedCircuitPage& ui);
    void link(ExtendedCircuitGroup& circuit, ExtendedCoilGroup& coil);

    // A value or a unit changed; a changed frequency unit is first taken over.
    void ComputeWave(extended::UnitChange changed = extended::UnitChange::None);
    void ClearWave(extended::Units units = extended::Units::Reset);

    int solvedField() const { return solvedField_; }
    // Lets a test put the group into states that typing alone never reaches.
    void forceSolvedField(int field) { solvedField_ = field; }

    // F in hertz per unit shown.
    extended::UnitValue frequency() const;
    // The frequency unit handed over: the frequency shown keeps its quantity.
    void followFrequencyUnit(const QString& unit);

private:
    void resetComputed(extended::RecomputedFields& earlier);
    void takeFrequencyUnit();
    extended::Outcome solve();
    void handFrequencyToCircuit();

    Ui::ExtendedCircuitPage& ui_;
    ExtendedCircuitGroup* circuit_ = nullptr;
    ExtendedCoilGroup* coil_ = nullptr;

    double f_ = 0;
    double t_ = 0;
    double lambda_ = 0;
    double lambda4_ = 0;
    double fF_ = 1e6;  // hertz per unit
    double tT_ = 1e-6; // seconds per unit
    double jJ_ = 1;    // metres per unit
    double jJ4_ = 1;
    int solvedField_ = None;
};

} // namespace pages
