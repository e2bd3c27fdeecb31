#pragma once

class QObject;

namespace Ui {
class ExtendedCircuitPage;
}

namespace pages {

class ExtendedCircuitGroup;

// "Характеристики волны": any one of frequency, period, wavelength and
// quarter wavelength gives the other three; the frequency goes back to the
// circuit group.
class ExtendedWaveGroup {
public:
    // Which value was the input; the group computes the other three.
    enum Solved { None = 0, F = 1, T = 2, Wavelength = 3, QuarterWavelength = 4 };

    explicit ExtendedWaveGroup(Ui::ExtendedCircuitPage& ui);
    void link(ExtendedCircuitGroup& circuit);

    void ComputeWave(const QObject* control);
    void ClearWave();

    int solvedField() const { return solvedField_; }
    // Lets a test put the group into states that typing alone never reaches.
    void forceSolvedField(int field) { solvedField_ = field; }

private:
    void resetComputed();
    bool solve();  // false: the one input was missing and the run ends

    Ui::ExtendedCircuitPage& ui_;
    ExtendedCircuitGroup* circuit_ = nullptr;

    double f_ = 0;
    double t_ = 0;
    double lambda_ = 0;
    double lambda4_ = 0;
    double fF_ = 1;    // hertz per unit
    double tT_ = 1;    // seconds per unit
    double jJ_ = 1;    // metres per unit
    double jJ4_ = 1;
    int solvedField_ = None;
};

} // namespace pages
