#pragma once

#include "controls/page.h"

#include <memory>

namespace Ui {
class SmdMarkingPage;
}

namespace controls {
class StringGridModel;
}

namespace pages {

// Looks a surface-mount transistor's printed code (or its name, maker, type
// or package) up in Baase/SMD.db, reading the file afresh at every search.
class SmdMarkingPage : public controls::Page {
    Q_OBJECT

public:
    explicit SmdMarkingPage(QWidget* parent = nullptr);
    ~SmdMarkingPage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

    void Compute();
    void OnOptionChange();
    void OnGridClick();

private:
    void Search();

    std::unique_ptr<Ui::SmdMarkingPage> ui;
    controls::StringGridModel* grid_ = nullptr;
};

} // namespace pages
