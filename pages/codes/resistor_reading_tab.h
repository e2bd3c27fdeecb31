#pragma once

#include "controls/route_tables.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class ResistorReadingTab;
}

namespace controls {
class ColourSwatch;
}

namespace pages {

// "Цвето маркировка -> Номинал" of the resistor page: the user clicks one
// swatch per band and reads the nominal value, tolerance and temperature
// coefficient.
class ResistorReadingTab : public QWidget {
    Q_OBJECT

public:
    explicit ResistorReadingTab(QWidget* parent = nullptr);
    ~ResistorReadingTab() override;

    void registerRoutes(controls::RouteTables& routes);

    void OnColourClick(int tag);
    void OnOptionChange();
    void Clear();

private:
    void Reset();
    void ApplyFourBands(int tag);
    void ApplyMoreBands(int tag);
    void ShowRow(int row, bool visible);
    void LayOutToleranceRow(bool compact);
    QString ComputeValueText();

    std::unique_ptr<Ui::ResistorReadingTab> ui;
    QHash<int, controls::ColourSwatch*> swatches_;  // by tag

    int bandCount_ = 4;
    std::array<int, 3> digits_{};
    std::optional<int> multiplier_;  // colour code of the multiplier band
    QString tolerance_;
    QString tc_;
    QString unit_;
    double value_ = 0;
    bool settingBandCount_ = false;
};

} // namespace pages
