#pragma once

#include "controls/page.h"

#include <cstdint>
#include <memory>

namespace Ui {
class VoltmeterPage;
}

namespace pages {

// A voltmeter from a meter movement and a series resistor Ro: the meter's own
// data are completed first, then the range and the resistor.
class VoltmeterPage : public controls::Page {
    Q_OBJECT

public:
    explicit VoltmeterPage(QWidget* parent = nullptr);
    ~VoltmeterPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    enum MeterField : std::uint8_t { MeterResistance = 1, MeterCurrent = 2, MeterVoltage = 3 };
    enum RangeField : std::uint8_t { RangeVoltage = 1, SeriesResistance = 2 };

    void Compute();
    void Clear();
    bool CompleteMeter();
    void ShowReadouts();

    std::unique_ptr<Ui::VoltmeterPage> ui;

    // Values in ohm, ampere, volt and their unit factors.
    double Ru = 0, Iu = 0, Uu = 0, E = 0, R = 0;
    double kRu = 1, kIu = 1, kUu = 1, kE = 1, kR = 1;
    std::uint8_t meterState_ = 0;
    std::uint8_t rangeState_ = 0;
};

} // namespace pages
