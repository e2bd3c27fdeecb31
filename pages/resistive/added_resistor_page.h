#pragma once

#include "controls/page.h"

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;

namespace Ui {
class AddedResistorPage;
}

namespace pages {

// A series resistor Rд that drops the input voltage Uв to the voltage Uн of
// a load drawing Iн: the one quantity left at 0 is computed, and the power
// dissipated in Rд is read out.
class AddedResistorPage : public controls::Page {
    Q_OBJECT

public:
    explicit AddedResistorPage(QWidget* parent = nullptr);
    ~AddedResistorPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

    void Compute();
    void Clear();

private:
    // Fields by their number: 1 Uв, 2 Uн, 3 Iн, 4 Rд.
    static constexpr int kFields = 4;

    std::unique_ptr<Ui::AddedResistorPage> ui;
    std::array<QLineEdit*, kFields + 1> edits_{};
    std::array<QComboBox*, kFields + 1> combos_{};
    int SolvedField = 0;
    // The solved field's value in base units: its text is only its display
    // and, after a unit change, still in the old unit.
    double solvedValue_ = 0;
};

} // namespace pages
