#pragma once

#include "controls/page.h"

#include <memory>

namespace Ui {
class TransistorAnaloguesPage;
}

namespace controls {
class StringGridModel;
}

namespace pages {

namespace reference {
class AnalogueTable;
}

// Finds the Russian analogue of a foreign transistor, or the other way round,
// in Baase/Tr.db, which is loaded at every opening of the page.
class TransistorAnaloguesPage : public controls::Page {
    Q_OBJECT

public:
    explicit TransistorAnaloguesPage(QWidget* parent = nullptr);
    ~TransistorAnaloguesPage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

    void Compute();
    void OnGridClick();

private:
    std::unique_ptr<Ui::TransistorAnaloguesPage> ui;
    controls::StringGridModel* grid_ = nullptr;
    std::shared_ptr<const reference::AnalogueTable> table_;
};

} // namespace pages
