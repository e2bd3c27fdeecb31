#pragma once

class QLineEdit;
class QObject;

namespace Ui {
class ExtendedCircuitPage;
}

namespace pages {

class ExtendedWaveGroup;
class ExtendedCoilGroup;

// "Колебательный контур": two of C, L, F give the third; the frequency goes on
// to the wave group and the inductance to the coil group.
class ExtendedCircuitGroup {
public:
    enum Solved { None = 0, C = 1, L = 2, F = 3 };

    explicit ExtendedCircuitGroup(Ui::ExtendedCircuitPage& ui);
    void link(ExtendedWaveGroup& wave, ExtendedCoilGroup& coil);

    void ComputeCircuit(const QObject* control);
    void ClearCircuit();

    int solvedField() const { return solvedField_; }
    // Lets a test put the group into states that typing alone never reaches.
    void forceSolvedField(int field) { solvedField_ = field; }

private:
    QLineEdit* solvedEdit() const;
    bool solve();  // false: an input was missing and the run ends

    Ui::ExtendedCircuitPage& ui_;
    ExtendedWaveGroup* wave_ = nullptr;
    ExtendedCoilGroup* coil_ = nullptr;

    // Numbers in the units the combos show; the factors turn them into
    // picofarads, microhenries and megahertz inside the formulas.
    double c_ = 0;
    double l_ = 0;
    double f_ = 0;
    double kC_ = 1;
    double kL_ = 1;
    double dF_ = 1;
    int solvedField_ = None;
};

} // namespace pages
