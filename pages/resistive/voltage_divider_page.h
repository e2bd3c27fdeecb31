#pragma once

#include "controls/page.h"
#include "engineering/resistive_circuits.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;

namespace Ui {
class VoltageDividerPage;
}

namespace pages {

// Two-resistor divider E → R1 → R2 with the output U across R2 and an
// optional load given by its current I or its resistance Rн.
class VoltageDividerPage : public controls::Page {
    Q_OBJECT

public:
    explicit VoltageDividerPage(QWidget* parent = nullptr);
    ~VoltageDividerPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    // In the order of the items of R1R2EUIRG1.
    using LoadMode = engineering::DividerLoad;
    enum Field : std::uint8_t { None = 0, SourceE = 1, UpperR1 = 2, LowerR2 = 3, OutputU = 4, Load = 5 };

    void Compute();
    void OnOptionChange();
    void Clear();
    void ResetPage();

    LoadMode Mode() const;
    void ReadFields();
    // The divider as the fields hold it, in base units.
    engineering::Divider Circuit() const;
    // The load quantity the mode takes as input is positive (always, without a load).
    bool LoadGiven() const;
    bool Entered(double value, Field field) const { return value == 0 || SolvedField == field; }
    bool SolveSource();
    bool SolveUpperResistor();
    bool SolveLowerResistor();
    bool SolveOutput();
    bool SolveLoad();
    // A resistance is a result only when it is finite and positive;
    // otherwise the field turns red.
    using ResistanceFormula = std::optional<engineering::Real> (*)(LoadMode, const engineering::Divider&);
    bool AcceptResistance(Field field, QLineEdit* edit, double& target, double factor, ResistanceFormula formula);
    // Stores a solved value, shows it and lets the load field follow; false
    // when one of them cannot be computed.
    bool Accept(Field field, QLineEdit* edit, double& target, double factor,
                const std::function<engineering::Real()>& compute);
    void ShowInformation();
    std::array<QLineEdit*, 6> Edits() const;
    std::array<QLabel*, 7> Labels() const;

    std::unique_ptr<Ui::VoltageDividerPage> ui;

    // Values in ohm, volt, ampere.
    double R1 = 0, R2 = 0, Rn = 0, U = 0, E = 0, I = 0;
    double kR1 = 1, kR2 = 1, kRn = 1, kU = 1, kE = 1, kI = 1;
    std::uint8_t SolvedField = None;
    bool clearing_ = false;
};

} // namespace pages
