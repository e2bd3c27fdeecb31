#pragma once

#include <cstdint>

class QComboBox;
class QLineEdit;

namespace pages {

// Inductance, frequency and inductive reactance of a coil, plus its total
// impedance from its active resistance.
class ReactanceInductorHalf {
public:
    struct Controls {
        QLineEdit* inductance;   // RLCFLL
        QComboBox* inductanceUnit;
        QLineEdit* frequency;    // RLCFLF
        QComboBox* frequencyUnit;
        QLineEdit* reactance;    // RLCFLRxl
        QComboBox* reactanceUnit;
        QLineEdit* resistance;   // RLCFLR
        QComboBox* resistanceUnit;
        QLineEdit* impedance;    // RLCFLRRxl
        QComboBox* impedanceUnit;
    };

    explicit ReactanceInductorHalf(const Controls& controls) : c(controls) {}

    void Compute();
    void Clear();

private:
    enum Field : std::uint8_t { None = 0, Inductance = 1, Frequency = 2, Reactance = 3 };

    bool Entered(double value, Field field) const { return value == 0 || SolvedField == field; }

    Controls c;
    double L = 0, F = 0, XL = 0, R = 0;  // henry, hertz, ohm
    std::uint8_t SolvedField = None;
};

} // namespace pages
