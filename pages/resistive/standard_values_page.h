#pragma once

#include "controls/page.h"
#include "values/units.h"

#include <memory>

namespace Ui {
class StandardValuesPage;
}

namespace controls {
class StringGridModel;
}

namespace pages {

// Standard values of resistors, capacitors and inductors: for the value
// typed, the neighbours in every E series and the E24 pairs that make it up.
class StandardValuesPage : public controls::Page {
    Q_OBJECT

public:
    explicit StandardValuesPage(QWidget* parent = nullptr);
    ~StandardValuesPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

    void Compute();
    void Clear();

    // Takes a value in base units, in the unit of its kind that reads best.
    void ShowValue(double value, values::UnitKind kind);

private:
    void showNothing();
    void showValue(double value, values::UnitKind kind);

    std::unique_ptr<Ui::StandardValuesPage> ui;
    controls::StringGridModel* table_ = nullptr;
    controls::StringGridModel* pairs_ = nullptr;
};

} // namespace pages
