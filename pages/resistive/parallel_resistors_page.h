#pragma once

#include "controls/page.h"

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;

namespace Ui {
class ParallelResistorsPage;
}

namespace pages {

// Two resistors in parallel: of R1, R2 and the combined value, the one left
// at 0 is computed from the other two.
class ParallelResistorsPage : public controls::Page {
    Q_OBJECT

public:
    explicit ParallelResistorsPage(QWidget* parent = nullptr);
    ~ParallelResistorsPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

    void Compute();
    void Clear();

private:
    // Fields by their number: 1 R1, 2 R2, 3 the combined value.
    static constexpr int kFields = 3;

    std::unique_ptr<Ui::ParallelResistorsPage> ui;
    std::array<QLineEdit*, kFields + 1> edits_{};
    std::array<QComboBox*, kFields + 1> combos_{};
    int SolvedField = 0;
};

} // namespace pages
