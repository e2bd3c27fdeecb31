#pragma once

#include "controls/page.h"
#include "values/checked_math.h"

#include <memory>

namespace Ui {
class MainsTransformerPage;
}

namespace pages {

// A forward estimate of a small mains transformer: turns, wire diameters and
// power from the core and the windings' voltages and load current.
class MainsTransformerPage : public controls::Page {
    Q_OBJECT

public:
    explicit MainsTransformerPage(QWidget* parent = nullptr);
    ~MainsTransformerPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    void Compute();
    void Clear();
    // Whether a core of S cm² carries P watts, shown under the answers.
    void ShowCoreCheck(values::Real S, values::Real P);

    std::unique_ptr<Ui::MainsTransformerPage> ui;
};

} // namespace pages
