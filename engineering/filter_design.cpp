#include "engineering/filter_design.h"

#include "engineering/constants.h"
#include "engineering/errors.h"

#include <array>
#include <cmath>
#include <utility>

namespace engineering::filter {

namespace {

// Bessel (maximally flat delay) ladders between equal resistances, 3 dB at
// 1 rad/s, first element the smallest. Found by Darlington synthesis of the
// Bessel polynomial; for n ≤ 10 they agree to the four digits published by
// A. I. Zverev, Handbook of Filter Synthesis (Wiley, 1967), and A. B. Williams,
// Electronic Filter Design Handbook, and with Matthaei, Young & Jones,
// Microwave Filters… (1964), § 4.07, once scaled to the 3 dB frequency.
constexpr std::array<std::array<Real, kMaxOrder>, kMaxOrder> kBessel{{
    {2.0L},
    {0.5755028L, 2.147806L},
    {0.3374215L, 0.9705118L, 2.203411L},
    {0.2334158L, 0.6725248L, 1.081516L, 2.240379L},
    {0.1743194L, 0.5072406L, 0.8040112L, 1.111033L, 2.258217L},
    {0.1364924L, 0.4001898L, 0.6391554L, 0.8537859L, 1.112643L, 2.264524L},
    {0.1105625L, 0.3258881L, 0.5248927L, 0.7020092L, 0.8690268L, 1.105164L, 2.265901L},
    {0.09190556L, 0.2719107L, 0.4409221L, 0.5935727L, 0.7302567L, 0.8695004L, 1.095559L, 2.265607L},
    {0.07796551L, 0.2312912L, 0.3769865L, 0.5107787L, 0.6305952L, 0.7407330L, 0.8638734L, 1.086284L,
     2.264879L},
    {0.06722924L, 0.1998402L, 0.3269970L, 0.4454338L, 0.5528147L, 0.6493355L, 0.7420173L, 0.8560724L,
     1.078095L, 2.264126L},
    {0.05875326L, 0.1749102L, 0.2870633L, 0.3927251L, 0.4898347L, 0.5774258L, 0.6573719L, 0.7386499L,
     0.8478947L, 1.071118L, 2.263467L},
}};

bool Positive(Real x)
{
    return std::isfinite(x) && x > 0;
}

bool IsShunt(int position, Topology topology)
{
    return (position % 2 == 1) == (topology == Topology::ShuntFirst);
}

// One rung of the ladder from prototype value g at its place: low-pass
// scaling L = g·R/ω, C = g/(R·ω) and the reactance transforms
// s → ω/s (high-pass), s → (s² + ω0²)/(B·s) (band-pass) and its inverse
// (band-stop), which turn each prototype part into one part or a resonator.
Branch Transform(Real g, Place place, const Request& request)
{
    const Real r = request.impedance;
    const bool shunt = place == Place::Shunt;
    const Real w = TwoPi * request.f1;
    const Real w0Squared = TwoPi * TwoPi * request.f1 * request.f2;
    const Real band = TwoPi * (request.f2 - request.f1);
    Branch branch{place, Parts::Inductor};
    switch (request.kind) {
    case Kind::LowPass:
        if (shunt)
            branch = {place, Parts::Capacitor, 0, g / (r * w)};
        else
            branch = {place, Parts::Inductor, g * r / w, 0};
        break;
    case Kind::HighPass:
        if (shunt)
            branch = {place, Parts::Inductor, r / (w * g), 0};
        else
            branch = {place, Parts::Capacitor, 0, 1 / (w * g * r)};
        break;
    case Kind::BandPass:
        if (shunt)
            branch = {place, Parts::ParallelLC, r * band / (w0Squared * g), g / (r * band)};
        else
            branch = {place, Parts::SeriesLC, g * r / band, band / (w0Squared * g * r)};
        break;
    case Kind::BandStop:
        if (shunt)
            branch = {place, Parts::SeriesLC, r / (g * band), g * band / (r * w0Squared)};
        else
            branch = {place, Parts::ParallelLC, g * r * band / w0Squared, 1 / (g * r * band)};
        break;
    }
    checked::Finite(branch.inductance);
    checked::Finite(branch.capacitance);
    return branch;
}

} // namespace

std::optional<InputError> CheckRequest(const Request& request)
{
    const bool chebyshev = request.response == Response::Chebyshev;
    if (request.order < 1 || request.order > kMaxOrder)
        return InputError{Input::Order, QStringLiteral("Порядок фильтра — целое число от 1 до 11")};
    if (chebyshev && request.order % 2 == 0 && request.terminations == Terminations::Equal)
        return InputError{Input::Order, QStringLiteral("Фильтр Чебышева чётного порядка не согласуется "
                                                       "с равными сопротивлениями источника и нагрузки: "
                                                       "выберите нечётный порядок")};
    if (chebyshev && !Positive(request.rippleDb))
        return InputError{Input::Ripple, QStringLiteral("Неравномерность в полосе пропускания должна быть больше нуля")};
    if (!Positive(request.impedance))
        return InputError{Input::Impedance, QStringLiteral("Сопротивление должно быть больше нуля")};
    if (!Positive(request.f1))
        return InputError{Input::F1, QStringLiteral("Частота должна быть больше нуля")};
    const bool band = request.kind == Kind::BandPass || request.kind == Kind::BandStop;
    if (band && !(std::isfinite(request.f2) && request.f2 > request.f1))
        return InputError{Input::F2, QStringLiteral("Верхняя граница полосы должна быть выше нижней")};
    return std::nullopt;
}

std::vector<Real> PrototypeValues(Response response, int order, Real rippleDb)
{
    if (order < 1 || order > kMaxOrder)
        throw ArithmeticError(QStringLiteral("Порядок фильтра — целое число от 1 до 11"));
    const int n = order;
    std::vector<Real> g(static_cast<std::size_t>(n) + 1, 1.0L);
    // sin((2k−1)π/2n): the Butterworth poles' angles, which Chebyshev shares.
    const auto a = [n](int k) { return std::sin((2 * k - 1) * Pi / (2 * n)); };
    switch (response) {
    case Response::Butterworth:
        // g_k = 2·sin((2k−1)π/2n) (Matthaei, Young & Jones, § 4.05).
        for (int k = 1; k <= n; ++k)
            g[k - 1] = 2 * a(k);
        break;
    case Response::Chebyshev: {
        // Matthaei, Young & Jones, § 4.05: β = ln coth(L/17.37), written
        // with e^−2x so that a large ripple keeps its precision.
        const Real x = rippleDb * std::log(10.0L) / 40;
        const Real e = std::exp(-2 * x);
        const Real beta = std::log1p(e) - std::log1p(-e);
        const Real gamma = std::sinh(beta / (2 * n));
        g[0] = checked::Div(2 * a(1), gamma);
        for (int k = 2; k <= n; ++k) {
            const Real s = std::sin((k - 1) * Pi / n);
            g[k - 1] = checked::Div(4 * a(k - 1) * a(k), (gamma * gamma + s * s) * g[k - 2]);
        }
        if (n % 2 == 0)
            g[n] = checked::Finite(1 / std::pow(std::tanh(beta / 4), 2.0L)); // coth²(β/4)
        break;
    }
    case Response::Bessel:
        for (int k = 1; k <= n; ++k)
            g[k - 1] = kBessel[n - 1][k - 1];
        break;
    }
    return g;
}

Design DesignLadder(const Request& request)
{
    if (auto error = CheckRequest(request))
        return {std::move(error), {}};
    const std::vector<Real> g = PrototypeValues(request.response, request.order, request.rippleDb);
    Ladder ladder{request.impedance, request.impedance, {}};
    ladder.branches.reserve(g.size() - 1);
    for (int k = 1; k <= request.order; ++k) {
        const Place place = IsShunt(k, request.topology) ? Place::Shunt : Place::Series;
        ladder.branches.push_back(Transform(g[k - 1], place, request));
    }
    // g(n+1) is a resistance after a shunt part and a conductance after a
    // series one; every transform leaves resistors as they are.
    const Real load = g.back();
    ladder.loadResistance = IsShunt(request.order, request.topology) ? request.impedance * load : request.impedance / load;
    return {std::nullopt, std::move(ladder)};
}

Ladder Snapped(const Ladder& ladder, ESeries series)
{
    Ladder snapped = ladder;
    for (Branch& branch : snapped.branches) {
        if (branch.inductance > 0)
            branch.inductance = Snap(branch.inductance, series);
        if (branch.capacitance > 0)
            branch.capacitance = Snap(branch.capacitance, series);
    }
    return snapped;
}

} // namespace engineering::filter
