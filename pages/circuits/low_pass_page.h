#pragma once

#include "controls/page.h"
#include "pages/circuits/filter_section.h"

#include <memory>

namespace Ui {
class LowPassPage;
}

namespace pages {

// A low-pass filter section of Г, Т or П form with LC or RC elements.
class LowPassPage : public controls::Page {
    Q_OBJECT

public:
    explicit LowPassPage(QWidget* parent = nullptr);
    ~LowPassPage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

private:
    std::unique_ptr<Ui::LowPassPage> ui;
    FilterSection section;
};

} // namespace pages
