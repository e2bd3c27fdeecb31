#pragma once

#include "controls/page.h"

#include <cstdint>
#include <memory>

class QLineEdit;

namespace Ui {
class AmmeterShuntPage;
}

namespace pages {

// An ammeter from a meter movement and a shunt, in three cascaded stages:
// the meter, the shunt, the circuit around it. A stage that succeeds hands
// on to the next. Results turn yellow but stay editable.
class AmmeterShuntPage : public controls::Page {
    Q_OBJECT

public:
    explicit AmmeterShuntPage(QWidget* parent = nullptr);
    ~AmmeterShuntPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    void ComputeMeter();    // stage A, RshGB1
    void ComputeShunt();    // stage B, RshGB2
    void ComputeCircuit();  // stage C, RshGB3
    void Clear();

    // The user typed into the edit, the field `field` of a stage in `state`:
    // it is an input from now on.
    static void TakeAsInput(QLineEdit* edit, std::uint8_t& state, std::uint8_t field);
    // A field the stage may solve: at 0 or the one it solved, and not the
    // one the user is typing into.
    bool Free(const QLineEdit* edit, double value, std::uint8_t state, std::uint8_t field) const;
    // Writes a result, or turns the field red and returns false.
    template <class Computation>
    bool WriteResult(QLineEdit* edit, double& target, double factor, Computation&& compute);

    std::unique_ptr<Ui::AmmeterShuntPage> ui;

    // Values in ohm, ampere, volt; each stage keeps the last it read or solved.
    double Ra = 0, Ia = 0, Ua = 0;
    double I = 0, R = 0;
    double E = 0, U = 0;
    // Which field each stage solves (0 = none yet).
    std::uint8_t meterState_ = 0;
    std::uint8_t shuntState_ = 0;
    std::uint8_t circuitState_ = 0;
    // The edit whose change is being computed, when the user typed into it.
    const QLineEdit* typing_ = nullptr;
};

} // namespace pages
