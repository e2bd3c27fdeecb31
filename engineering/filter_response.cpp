#include "engineering/filter_response.h"

#include "engineering/constants.h"

#include <algorithm>
#include <cmath>

namespace engineering::filter {

namespace {

// A rung's reactance (series) or susceptance (shunt) at ω; infinite where a
// resonator blocks the line (series) or shorts it (shunt).
Real Immittance(const Branch& branch, Real w)
{
    const Real l = branch.inductance;
    const Real c = branch.capacitance;
    const bool series = branch.place == Place::Series;
    switch (branch.parts) {
    case Parts::Inductor: return series ? w * l : -1 / (w * l);
    case Parts::Capacitor: return series ? -1 / (w * c) : w * c;
    case Parts::SeriesLC: {
        const Real x = w * l - 1 / (w * c);
        return series ? x : (x == 0 ? HUGE_VALL : -1 / x);
    }
    case Parts::ParallelLC: {
        const Real b = w * c - 1 / (w * l);
        return series ? (b == 0 ? HUGE_VALL : -1 / b) : b;
    }
    }
    return 0;
}

Real Square(Real x)
{
    return x * x;
}

// A power ratio in dB of loss: never a gain (a lossless ladder has none but
// for rounding), never past the ceiling.
Real Decibels(Real powerRatio)
{
    constexpr Real kFloor = 1e-30L; // 10^(−kLossCeilingDb/10)
    static_assert(kLossCeilingDb == 300);
    return std::max(Real(0), -10 * std::log10(std::max(powerRatio, kFloor)));
}

Loss LossAt(const Ladder& ladder, Real frequency)
{
    const Real w = TwoPi * frequency;
    // The chain matrix [A B; C D] of lossless parts keeps A and D real and
    // B = jb, C = jc imaginary: a series jx multiplies in [1 jx; 0 1], a
    // shunt jy [1 0; jy 1].
    Real a = 1, b = 0, c = 0, d = 1;
    for (const Branch& branch : ladder.branches) {
        const Real x = Immittance(branch, w);
        if (std::isinf(x))
            return {kLossCeilingDb, 0}; // everything reflected
        if (branch.place == Place::Series) {
            b += a * x;
            d -= c * x;
        } else {
            a -= b * x;
            c += d * x;
        }
    }
    // Between Rs and Rl: S21 = 2√(Rs·Rl) / (A·Rl + B + C·Rs·Rl + D·Rs),
    // S11 = (A·Rl + B − C·Rs·Rl − D·Rs) / the same.
    const Real rs = ladder.sourceResistance;
    const Real rl = ladder.loadResistance;
    const Real denominator = Square(a * rl + d * rs) + Square(b + c * rs * rl);
    const Real reflected = Square(a * rl - d * rs) + Square(b - c * rs * rl);
    return {Decibels(4 * rs * rl / denominator), Decibels(reflected / denominator)};
}

} // namespace

void ComputeResponse(const Ladder& ladder, std::span<const Real> frequencies, std::span<Loss> out)
{
    for (std::size_t i = 0; i < frequencies.size(); ++i)
        out[i] = LossAt(ladder, frequencies[i]);
}

std::vector<Loss> ComputeResponse(const Ladder& ladder, std::span<const Real> frequencies)
{
    std::vector<Loss> losses(frequencies.size());
    ComputeResponse(ladder, frequencies, losses);
    return losses;
}

std::vector<Real> LogSweep(Real from, Real to, int count)
{
    std::vector<Real> frequencies(static_cast<std::size_t>(std::max(count, 0)));
    const Real step = count > 1 ? std::log(to / from) / (count - 1) : 0;
    for (std::size_t i = 0; i < frequencies.size(); ++i)
        frequencies[i] = from * std::exp(step * static_cast<Real>(i));
    return frequencies;
}

FrequencyRange SweepRange(const Request& request)
{
    constexpr Real kSpan = 5; // normalised frequency at the plot's ends
    if (request.kind == Kind::LowPass || request.kind == Kind::HighPass)
        return {request.f1 / kSpan, request.f1 * kSpan};
    // Band-pass and band-stop map f to Ω = (f/f0 − f0/f)·f0/B; Ω = ±5 falls
    // at f0·(√(h² + 1) ± h) with h = 5·B/(2·f0).
    const Real f0 = std::sqrt(request.f1 * request.f2);
    const Real h = kSpan * (request.f2 - request.f1) / (2 * f0);
    const Real upper = std::sqrt(h * h + 1) + h;
    return {f0 / upper, f0 * upper};
}

} // namespace engineering::filter
