#pragma once

#include "controls/page.h"
#include "values/checked_math.h"

#include <memory>

namespace Ui {
class WireInductancePage;
}

namespace pages {

// The inductance of a straight wire from its length and diameter, or either
// of those from the other and the inductance.
class WireInductancePage : public controls::Page {
    Q_OBJECT

public:
    explicit WireInductancePage(QWidget* parent = nullptr);
    ~WireInductancePage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    enum Field : int { None = 0, Length = 1, Diameter = 2, Inductance = 3 };

    void Compute();
    void Clear();
    void Show(Field field, values::Real value);

    std::unique_ptr<Ui::WireInductancePage> ui;

    values::Real J = 0;  // mm
    values::Real D = 0;  // mm
    values::Real L = 0;  // µH
    int SolvedField = None;
};

} // namespace pages
