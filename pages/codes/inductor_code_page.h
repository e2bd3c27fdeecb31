#pragma once

#include "controls/page.h"

#include <memory>

namespace Ui {
class InductorCodePage;
}

namespace pages {

// The page frame: a nested page control with the reading tab (colours to
// value) and the writing tab (value to colours), each with its own state.
class InductorCodePage : public controls::Page {
    Q_OBJECT

public:
    explicit InductorCodePage(QWidget* parent = nullptr);
    ~InductorCodePage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

private:
    std::unique_ptr<Ui::InductorCodePage> ui;
};

} // namespace pages
