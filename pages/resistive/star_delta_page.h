#pragma once

#include "controls/page.h"

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;

namespace Ui {
class StarDeltaPage;
}

namespace pages {

// Three resistors in delta and their equivalent star: a complete triple
// gives the other one as a whole.
class StarDeltaPage : public controls::Page {
    Q_OBJECT

public:
    explicit StarDeltaPage(QWidget* parent = nullptr);
    ~StarDeltaPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

    void Compute();
    void Clear();

private:
    // Resistors in reading order: Rab, Rbc, Rca, then Ra, Rb, Rc.
    static constexpr int kResistors = 6;

    std::unique_ptr<Ui::StarDeltaPage> ui;
    std::array<QLineEdit*, kResistors> edits_{};
    std::array<QComboBox*, kResistors> combos_{};
    int SolvedField = 0;  // 1: the star was computed, 2: the delta
};

} // namespace pages
