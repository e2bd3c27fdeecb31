#pragma once

#include "controls/page.h"
#include "pages/circuits/filter_section.h"

#include <memory>

namespace Ui {
class HighPassPage;
}

namespace pages {

// A high-pass filter section of Г, Т or П form with LC or RC elements.
class HighPassPage : public controls::Page {
    Q_OBJECT

public:
    explicit HighPassPage(QWidget* parent = nullptr);
    ~HighPassPage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

private:
    std::unique_ptr<Ui::HighPassPage> ui;
    FilterSection section;
};

} // namespace pages
