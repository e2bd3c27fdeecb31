#pragma once

#include "engineering/checked_math.h"
#include "engineering/e_series.h"

#include <QString>

#include <optional>
#include <vector>

// LC ladder filters between a source and a load resistance: the low-pass
// prototype of a response, scaled and transformed to the wanted kind and
// frequencies, and the parts snapped to a standard series.

namespace engineering::filter {

enum class Kind { LowPass, HighPass, BandPass, BandStop };
enum class Response { Butterworth, Chebyshev, Bessel };
// Shunt first: the П form, the ladder begins with a part across the line;
// series first: the Т form, it begins with a part in the line.
enum class Topology { ShuntFirst, SeriesFirst };
// An even-order Chebyshev ladder cannot work between equal resistances; it
// is either refused (Equal) or given the load resistance it needs.
enum class Terminations { Equal, LoadAsNeeded };

inline constexpr int kMaxOrder = 11;

struct Request {
    Kind kind = Kind::LowPass;
    Response response = Response::Butterworth;
    int order = 5;
    Real rippleDb = 0.1L; // pass-band ripple, Chebyshev only
    Real impedance = 50;  // Ω, the source's (and the load's when equal)
    Real f1 = 0;          // Hz: the cut-off, or the lower band edge
    Real f2 = 0;          // Hz: the upper band edge (band-pass, band-stop)
    Topology topology = Topology::ShuntFirst;
    Terminations terminations = Terminations::Equal;
};

// Which input makes a design impossible, and why, for the input's tooltip.
enum class Input { Order, Ripple, Impedance, F1, F2 };
struct InputError {
    Input input;
    QString reason;
};

enum class Place { Shunt, Series };
// What one rung of the ladder holds; the pairs are the band-pass and
// band-stop resonators.
enum class Parts { Inductor, Capacitor, ParallelLC, SeriesLC };

struct Branch {
    Place place;
    Parts parts;
    Real inductance = 0;  // H, 0 when the rung has no coil
    Real capacitance = 0; // F, 0 when it has no capacitor
};

struct Ladder {
    Real sourceResistance = 0; // Ω
    Real loadResistance = 0;   // Ω
    std::vector<Branch> branches; // from the source to the load
};

// Either a ladder or the reason there is none.
struct Design {
    std::optional<InputError> error;
    Ladder ladder;
};

// The first input that rules a design out, in the order the page asks for them.
std::optional<InputError> CheckRequest(const Request& request);

// g1 … gn of the normalised low-pass prototype (source 1 Ω, 1 rad/s) and
// g(n+1), the load (1 except for an even-order Chebyshev). For a valid order
// and, for Chebyshev, a positive ripple; raises ArithmeticError for an order
// out of 1 … kMaxOrder.
std::vector<Real> PrototypeValues(Response response, int order, Real rippleDb);

// The whole synthesis. Raises ArithmeticError only where valid inputs give
// parts beyond the range of numbers (an overflow, never an input fault).
Design DesignLadder(const Request& request);

// The same ladder with every L and C replaced by the nearest value of series.
Ladder Snapped(const Ladder& ladder, ESeries series);

} // namespace engineering::filter
