#pragma once

#include "controls/page.h"

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;

namespace Ui {
class QuenchingCapacitorPage;
}

namespace pages {

// A series capacitor that drops an AC input voltage Uв to the voltage Uн of a
// resistive load drawing Iн at frequency F: the one quantity left at 0 is
// computed from Iн = 2π·F·C·√(Uв² − Uн²); or, for a load behind a bridge
// and a zener, from Iн = 4·F·C·(√2·Uв − Uн).
class QuenchingCapacitorPage : public controls::Page {
    Q_OBJECT

public:
    explicit QuenchingCapacitorPage(QWidget* parent = nullptr);
    ~QuenchingCapacitorPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

    void Compute();
    void Clear();

private:
    void SolveFields();
    // The voltage the capacitor must be rated for, from Uв typed or solved.
    void ShowRating();

    // Fields by their number: 1 Iн, 2 Uн, 3 Uв, 4 F, 5 C.
    static constexpr int kFields = 5;

    std::unique_ptr<Ui::QuenchingCapacitorPage> ui;
    std::array<QLineEdit*, kFields + 1> edits_{};
    std::array<QComboBox*, kFields + 1> combos_{};
    int SolvedField = 0;
    // The solved field's value in base units: its text is only its display
    // and, after a unit change, still in the old unit.
    double solvedValue_ = 0;
};

} // namespace pages
