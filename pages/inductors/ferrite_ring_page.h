#pragma once

#include "controls/page.h"
#include "values/checked_math.h"

#include <array>
#include <memory>

class QLineEdit;

namespace Ui {
class FerriteRingPage;
}

namespace pages {

// A winding on a ferrite ring: of turns, permeability, outer and inner
// diameter, height and inductance, the one left at 0 is computed.
class FerriteRingPage : public controls::Page {
    Q_OBJECT

public:
    explicit FerriteRingPage(QWidget* parent = nullptr);
    ~FerriteRingPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    using Real = values::Real;

    enum Field : int { None = 0, Turns = 1, Permeability = 2, OuterDiameter = 3, InnerDiameter = 4, Height = 5,
                       Inductance = 6 };

    void Compute();
    void SolveFields();
    void Clear();

    // The exact toroid figures, the turns for a catalogue's AL and the
    // permeability of a measured ring: read-outs that never feed the solving.
    void ShowDetails();

    bool Entered(Field field) const { return Value(field) == 0 || SolvedField == field; }
    std::array<QLineEdit*, 6> Edits() const;
    std::array<QLineEdit*, 4> ReadOuts() const;
    // The other five must be positive for a field to be solved.
    bool OthersPositive(Field field) const;
    Real Value(Field field) const;
    void Show(Field field, Real value);
    Real Solve(Field field) const;

    std::unique_ptr<Ui::FerriteRingPage> ui;

    // Dimensions in millimetres, inductance in microhenries, as typed.
    Real W = 0;
    Real M = 0;
    Real Dn = 0;
    Real Dv = 0;
    Real H = 0;
    Real L = 0;
    int SolvedField = None;
};

} // namespace pages
