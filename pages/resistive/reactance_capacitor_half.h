#pragma once

#include <cstdint>

class QComboBox;
class QLineEdit;

namespace pages {

// Capacitance, frequency and capacitive reactance.
class ReactanceCapacitorHalf {
public:
    struct Controls {
        QLineEdit* capacitance;  // RLCFCC
        QComboBox* capacitanceUnit;
        QLineEdit* frequency;    // RLCFCF
        QComboBox* frequencyUnit;
        QLineEdit* reactance;    // RLCFCRxc
        QComboBox* reactanceUnit;
    };

    explicit ReactanceCapacitorHalf(const Controls& controls) : c(controls) {}

    void Compute();
    void Clear();

private:
    enum Field : std::uint8_t { None = 0, Capacitance = 1, Frequency = 2, Reactance = 3 };

    bool Entered(double value, Field field) const { return value == 0 || SolvedField == field; }

    Controls c;
    double C = 0, F = 0, XC = 0;  // farad, hertz, ohm
    std::uint8_t SolvedField = None;
};

} // namespace pages
