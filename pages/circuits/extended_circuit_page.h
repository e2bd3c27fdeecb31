#pragma once

#include "controls/page.h"
#include "pages/circuits/extended_circuit_group.h"
#include "pages/circuits/extended_coil_group.h"
#include "pages/circuits/extended_wave_group.h"

#include <memory>

namespace Ui {
class ExtendedCircuitPage;
}

namespace pages {

// "Расширенный": an LC circuit, the wave of its frequency and the coil of its
// inductance, three groups that hand their values to each other.
class ExtendedCircuitPage : public controls::Page {
    Q_OBJECT

public:
    explicit ExtendedCircuitPage(QWidget* parent = nullptr);
    ~ExtendedCircuitPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

    ExtendedCircuitGroup& circuit() { return circuit_; }
    ExtendedWaveGroup& wave() { return wave_; }
    ExtendedCoilGroup& coil() { return coil_; }

private:
    std::unique_ptr<Ui::ExtendedCircuitPage> ui;
    ExtendedCircuitGroup circuit_;
    ExtendedWaveGroup wave_;
    ExtendedCoilGroup coil_;
};

} // namespace pages
