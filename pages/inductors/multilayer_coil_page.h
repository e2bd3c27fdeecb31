#pragma once

#include "controls/page.h"
#include "values/checked_math.h"

#include <memory>

class QLineEdit;

namespace Ui {
class MultilayerCoilPage;
}

namespace pages {

// A multilayer cylindrical coil, computed one way per mode: inductance from
// turns, turns from inductance, or the exact inductance from the winding.
class MultilayerCoilPage : public controls::Page {
    Q_OBJECT

public:
    explicit MultilayerCoilPage(QWidget* parent = nullptr);
    ~MultilayerCoilPage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

private:
    enum Mode : int { NoMode = 0, FindInductance = 1, FindTurns = 2, ExactInductance = 3 };

    void Compute();
    void Clear();

    // Each mode's control sets its mode, captions and texts before Compute.
    void ChooseGeometryMode(Mode mode);
    void EnterExactMode();
    void EnterMode(Mode mode);
    void LeaveExactMode();
    void ShowPicture(const QString& name, int top);
    void ZeroTexts();
    // The output of the current mode from the four inputs (all positive);
    // raises ArithmeticError when they give no answer.
    void Estimate(values::Real a, values::Real b, values::Real c, values::Real w);
    // A result clears any earlier "no answer" of the output.
    void WriteOutput(double value);

    std::unique_ptr<Ui::MultilayerCoilPage> ui;
    Mode mode = NoMode;
};

} // namespace pages
