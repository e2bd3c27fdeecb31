#pragma once

#include "engineering/filter_design.h"

#include <span>
#include <vector>

// The response of an LC ladder at given frequencies, from its parts alone.

namespace engineering::filter {

struct Loss {
    Real insertionDb; // transducer loss: below the power the source could give a matched load
    Real returnDb;    // at the source side
};

// Losses are capped here where a part resonates into a complete block or match.
inline constexpr Real kLossCeilingDb = 300;

// Writes the loss at frequencies[i] (Hz, positive) into out[i]; out is at
// least as long as frequencies. Allocates nothing.
void ComputeResponse(const Ladder& ladder, std::span<const Real> frequencies, std::span<Loss> out);
std::vector<Loss> ComputeResponse(const Ladder& ladder, std::span<const Real> frequencies);

// count frequencies from `from` to `to`, evenly spaced on a log scale.
std::vector<Real> LogSweep(Real from, Real to, int count);

struct FrequencyRange {
    Real from;
    Real to;
};

// A span that shows the design's pass band and its skirts: out to five times
// the normalised cut-off on both sides. For a request CheckRequest accepts.
FrequencyRange SweepRange(const Request& request);

} // namespace engineering::filter
