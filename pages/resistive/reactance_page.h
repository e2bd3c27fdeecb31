#pragma once

#include "controls/page.h"

#include <memory>

namespace Ui {
class ReactancePage;
}

namespace pages {

class ReactanceInductorHalf;
class ReactanceCapacitorHalf;

// Reactances of L and of C: two independent halves, each with its own
// "Очистить" and its own solved field.
class ReactancePage : public controls::Page {
    Q_OBJECT

public:
    explicit ReactancePage(QWidget* parent = nullptr);
    ~ReactancePage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    std::unique_ptr<Ui::ReactancePage> ui;
    std::unique_ptr<ReactanceInductorHalf> inductor_;
    std::unique_ptr<ReactanceCapacitorHalf> capacitor_;
};

} // namespace pages
