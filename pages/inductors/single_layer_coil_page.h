#pragma once

#include "controls/page.h"
#include "values/checked_math.h"

#include <memory>

namespace Ui {
class SingleLayerCoilPage;
}

namespace pages {

// A single-layer cylindrical air coil: of turns, former diameter, wire
// diameter, winding length and inductance, the one left at 0 is computed.
class SingleLayerCoilPage : public controls::Page {
    Q_OBJECT

public:
    explicit SingleLayerCoilPage(QWidget* parent = nullptr);
    ~SingleLayerCoilPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    using Real = values::Real;

    enum Field : int { None = 0, Turns = 1, FormerDiameter = 2, WireDiameter = 3, Length = 4, Inductance = 5 };

    void Compute();
    void SolveFields();
    void Clear();

    // The closer figures of "Уточнённый расчёт", from the coil as the page
    // now has it; read-outs only, so they never feed the solving.
    void ShowDetails();
    void ClearDetails();

    // Each block computes its field when it is the one to solve; false ends
    // the computation because an input is missing.
    bool SolveTurns(bool closeWinding);
    bool SolveFormerDiameter(bool closeWinding);
    bool SolveWireDiameter(bool closeWinding);
    bool SolveLength(bool closeWinding);
    bool SolveInductance(bool closeWinding);

    bool Entered(Field field, Real value) const { return value == 0 || SolvedField == field; }
    void Show(Field field, Real value);
    void ShowRange();

    std::unique_ptr<Ui::SingleLayerCoilPage> ui;

    // Lengths in millimetres, inductance in microhenries, as typed.
    Real W = 0;
    Real Dk = 0;
    Real Dp = 0;
    Real J = 0;
    Real L = 0;
    int SolvedField = None;
};

} // namespace pages
