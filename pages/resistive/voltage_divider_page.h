#pragma once

#include "controls/page.h"
#include "values/checked_math.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

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
    enum class LoadMode { ByCurrent = 0, ByResistance = 1, NoLoad = 2 };
    enum Field : std::uint8_t { None = 0, SourceE = 1, UpperR1 = 2, LowerR2 = 3, OutputU = 4, Load = 5 };

    void Compute();
    void OnOptionChange();
    void Clear();
    void ResetPage();

    LoadMode Mode() const;
    void ReadFields();
    bool Entered(double value, Field field) const { return value == 0 || SolvedField == field; }
    bool SolveSource();
    bool SolveUpperResistor();
    bool SolveLowerResistor();
    bool SolveOutput();
    bool SolveLoad();
    // A resistance is a result only when its denominator is more than
    // rounding noise and the quotient is positive; otherwise the field turns red.
    bool AcceptResistance(Field field, QLineEdit* edit, double& target, double factor, values::Real numerator,
                          values::Real denominator, values::Real magnitudes);
    // Stores a solved value, shows it and lets the load field follow; false
    // when one of them cannot be computed.
    bool Accept(Field field, QLineEdit* edit, double& target, double factor,
                const std::function<values::Real()>& compute);
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
