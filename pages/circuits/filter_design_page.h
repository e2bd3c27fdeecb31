#pragma once

#include "controls/page.h"
#include "engineering/filter_design.h"

#include <memory>

namespace Ui {
class FilterDesignPage;
}

namespace pages {

class FilterElementsModel;
class FilterPlot;

// A ladder filter of several sections designed from its kind, response,
// order, impedance and frequencies: its parts exact and snapped to a
// standard series, its schematic, and the loss both give over frequency.
class FilterDesignPage : public controls::Page {
    Q_OBJECT

public:
    explicit FilterDesignPage(QWidget* parent = nullptr);
    ~FilterDesignPage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

    // Every input change: design, list, draw and plot, or show why not.
    void Compute();

private:
    void OnOptionChange();
    void Clear();
    engineering::filter::Request readRequest() const;
    void showRefusal(const engineering::filter::InputError& error);
    void clearRefusal();
    void showDesign(const engineering::filter::Request& request, const engineering::filter::Ladder& ladder);
    void copyElements() const;
    FilterPlot* plot();

    std::unique_ptr<Ui::FilterDesignPage> ui;
    FilterElementsModel* elements_;
    FilterPlot* plot_ = nullptr;
    bool shown_ = false;
};

} // namespace pages
