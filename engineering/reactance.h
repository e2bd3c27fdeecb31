#pragma once

#include "engineering/checked_math.h"

// Reactances of a coil and of a capacitor at a frequency, and the capacitor
// that drops mains voltage for a resistive load. Quantities in henry, farad,
// hertz, ohm, volt and ampere; faults raise ArithmeticError.

namespace engineering {

// A coil's reactance XL = 2π·f·L, and each of L and f from the two others.
Real InductiveReactance(Real inductance, Real frequency);
Real InductanceOfReactance(Real reactance, Real frequency);
Real FrequencyOfInductiveReactance(Real reactance, Real inductance);

// A capacitor's reactance XC = 1 / (2π·f·C), and each of C and f from the
// two others.
Real CapacitiveReactance(Real capacitance, Real frequency);
Real CapacitanceOfReactance(Real reactance, Real frequency);
Real FrequencyOfCapacitiveReactance(Real reactance, Real capacitance);

// Resistance and reactance in series: |Z| = √(R² + X²).
Real SeriesImpedance(Real resistance, Real reactance);

// A capacitor in series with a resistive load on an AC supply: the load's
// voltage and the capacitor's I·XC are in quadrature, Uв² = Uн² + (I·XC)².
// Any one quantity from the four others.
enum class QuenchingQuantity { Current, LoadVoltage, SupplyVoltage, Frequency, Capacitance };
struct QuenchingCapacitor {
    Real current = 0;
    Real loadVoltage = 0;
    Real supplyVoltage = 0;
    Real frequency = 0;
    Real capacitance = 0;
};
Real SolveQuenching(QuenchingQuantity sought, const QuenchingCapacitor& circuit);

// The same capacitor feeding a bridge rectifier held at Uн by a zener, the
// current being the load's direct current: each half cycle the capacitor
// swings between ±(√2·Uв − Uн), so I = 4·F·C·(√2·Uв − Uн).
Real SolveBridgeDropper(QuenchingQuantity sought, const QuenchingCapacitor& circuit);

// A mains capacitor must stand the supply's peak at its 10 % tolerance:
// 1.1·√2·Uв.
Real DropperVoltageRating(Real supplyVoltage);

} // namespace engineering
