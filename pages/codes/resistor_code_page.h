#pragma once

#include "controls/page.h"

#include <memory>

namespace Ui {
class ResistorCodePage;
}

namespace pages {

// The page frame: a nested page control with the reading tab (colours to
// value) and the writing tab (value to colours), each with its own state.
class ResistorCodePage : public controls::Page {
    Q_OBJECT

public:
    explicit ResistorCodePage(QWidget* parent = nullptr);
    ~ResistorCodePage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

private:
    std::unique_ptr<Ui::ResistorCodePage> ui;
};

} // namespace pages
