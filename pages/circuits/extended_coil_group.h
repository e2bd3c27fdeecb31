#pragma once

class QLineEdit;
class QObject;

namespace Ui {
class ExtendedCircuitPage;
}

namespace pages {

class ExtendedCircuitGroup;
class ExtendedWaveGroup;

// "Катушка (индуктивность L)": a single-layer coil, L = 0.001·W²·D / (J/D + 0.46)
// with D = Dк + Dп and J in millimetres, L in microhenries. Any one of W, Dк,
// Dп, J, L follows from the others; with turn-to-turn winding J = W·Dп.
class ExtendedCoilGroup {
public:
    enum Solved { None = 0, W = 1, Dk = 2, Dp = 3, J = 4, L = 5 };

    explicit ExtendedCoilGroup(Ui::ExtendedCircuitPage& ui);
    void link(ExtendedCircuitGroup& circuit, ExtendedWaveGroup& wave);

    void ComputeCoil(const QObject* control);
    void ClearCoil();

    int solvedField() const { return solvedField_; }
    // Lets a test put the group into states that typing alone never reaches.
    void forceSolvedField(int field) { solvedField_ = field; }

private:
    QLineEdit* solvedEdit() const;
    bool solveLengthGiven();  // false: an input was missing and the run ends
    bool solveTurnToTurn();
    void showLimits();
    void computeInductance(double length);

    Ui::ExtendedCircuitPage& ui_;
    ExtendedCircuitGroup* circuit_ = nullptr;
    ExtendedWaveGroup* wave_ = nullptr;

    double w_ = 0;
    double dk_ = 0;
    double dp_ = 0;
    double j_ = 0;
    double l_ = 0;      // microhenries
    double d_ = 0;      // mean winding diameter Dк + Dп
    double kLl_ = 1;    // microhenries per unit
    int solvedField_ = None;
};

} // namespace pages
