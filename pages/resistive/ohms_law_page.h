#pragma once

#include "controls/page.h"

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;

namespace Ui {
class OhmsLawPage;
}

namespace pages {

// Voltage, current, resistance and power of a load: any two give the other
// two, and the solved pair is kept and recomputed from the two inputs.
class OhmsLawPage : public controls::Page {
    Q_OBJECT

public:
    explicit OhmsLawPage(QWidget* parent = nullptr);
    ~OhmsLawPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

    void Compute();
    void OnUnitChange(int field);
    void Clear();

private:
    // Fields by their number: 1 voltage, 2 current, 3 resistance, 4 power.
    static constexpr int kFields = 4;
    using PerField = std::array<double, kFields + 1>;

    void Solve(int first, int second, const PerField& given);

    std::unique_ptr<Ui::OhmsLawPage> ui;
    std::array<QLineEdit*, kFields + 1> edits_{};
    std::array<QComboBox*, kFields + 1> combos_{};
    PerField scale_{1, 1, 1, 1, 1};
    int SolvedField = 0;
    int SolvedField2 = 0;
};

} // namespace pages
