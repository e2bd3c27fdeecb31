#pragma once

#include "engineering/constants.h"

class QLineEdit;

namespace pages::filter_math {

using engineering::FourPi;
using engineering::Pi;
using engineering::Real;
using engineering::TwoPi;

// An LC section with the frequency constant k: the element that resonates with
// `other` at fc, 1 / (other·(k·fc)²), and the cut-off 1 / (k·√(L·C)).
Real LcElement(Real k, Real other, Real fc);
Real LcCutOff(Real k, Real inductance, Real capacitance);

// An RC section: 1 / (other·2π·fc) and 1 / (2π·R·C).
Real RcElement(Real other, Real fc);
Real RcCutOff(Real resistance, Real capacitance);

// Stores a solved value and shows it yellow and locked, divided by the field's
// factor. A value that cannot be shown leaves the field and the stored value
// as they were.
void StoreAndShow(QLineEdit* edit, double& stored, Real value, double divisor);

} // namespace pages::filter_math
