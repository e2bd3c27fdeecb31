#include "engineering/constants.h"
#include "engineering/e_series.h"
#include "engineering/errors.h"
#include "engineering/filter_response.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace engineering;
using namespace engineering::filter;

Q_DECLARE_METATYPE(engineering::ESeries)
Q_DECLARE_METATYPE(engineering::Connection)
Q_DECLARE_METATYPE(engineering::filter::Spec)
Q_DECLARE_METATYPE(engineering::filter::Ladder)
Q_DECLARE_METATYPE(engineering::filter::Input)

namespace {

constexpr Real p = 1e-12L, u = 1e-6L, k = 1e3L, M = 1e6L;

Spec Make(Kind kind, Response response, int order, Real f1, Real f2 = 0, Topology topology = Topology::ShuntFirst,
          Real ripple = 0.1L, Terminations terminations = Terminations::Equal)
{
    return {kind, response, order, ripple, 50, f1, f2, topology, terminations};
}

Spec LowPass(Response response, int order, Topology topology = Topology::ShuntFirst, Real ripple = 0.1L)
{
    return Make(Kind::LowPass, response, order, 30 * M, 0, topology, ripple);
}

Ladder Designed(const Spec& spec)
{
    return DesignLadder(spec).ladder;
}

bool Near(Real actual, Real expected, Real relative)
{
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

} // namespace

class CoreFilterDesignTest : public QObject {
    Q_OBJECT

private slots:
    void standardValues_data();
    void standardValues();
    void seriesValuesSnapToThemselves_data();
    void seriesValuesSnapToThemselves();
    void pairs_data();
    void pairs();
    void lowPassElements_data();
    void lowPassElements();
    void lossAtFrequency_data();
    void lossAtFrequency();
    void passBandAndTerminations_data();
    void passBandAndTerminations();
    void snappedLadderStaysInSeries_data();
    void snappedLadderStaysInSeries();
    void badInputIsRefused_data();
    void badInputIsRefused();
};

void CoreFilterDesignTest::standardValues_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<double>("below");
    QTest::addColumn<double>("above");
    QTest::addColumn<double>("nearest");
    QTest::addColumn<double>("percent");
    QTest::newRow("70 Ω E12 → 68 Ω") << 70.0 << ESeries::E12 << 68.0 << 82.0 << 68.0 << -2.857;
    QTest::newRow("70 Ω E96 → 69.8 Ω") << 70.0 << ESeries::E96 << 69.8 << 71.5 << 69.8 << -0.286;
    QTest::newRow("1.55 kΩ E3 → 2.2 kΩ by ratio, not by difference") << 1.55e3 << ESeries::E3 << 1e3 << 2.2e3 << 2.2e3 << 41.935;
    QTest::newRow("2533.03 pF E24 → 2.4 nF") << 2533.03e-12 << ESeries::E24 << 2.4e-9 << 2.7e-9 << 2.4e-9 << -5.252;
    QTest::newRow("2533.03 pF E96 → 2.55 nF") << 2533.03e-12 << ESeries::E96 << 2.49e-9 << 2.55e-9 << 2.55e-9 << 0.670;
    QTest::newRow("E24 has no 2.6, though 10^(10/24) rounds to it") << 2.6e3 << ESeries::E24 << 2.4e3 << 2.7e3 << 2.7e3 << 3.846;
    QTest::newRow("E192's 9.20, not 9.19") << 9.19 << ESeries::E192 << 9.09 << 9.20 << 9.20 << 0.109;
    QTest::newRow("just under a power of ten") << 999.9999999 << ESeries::E6 << 680.0 << 1000.0 << 1000.0 << 0.0;
    QTest::newRow("a standard value is its own neighbour") << 4.7e-6 << ESeries::E3 << 4.7e-6 << 4.7e-6 << 4.7e-6 << 0.0;
}

void CoreFilterDesignTest::standardValues()
{
    QFETCH(double, value);
    QFETCH(ESeries, series);
    QFETCH(double, below);
    QFETCH(double, above);
    QFETCH(double, nearest);
    QFETCH(double, percent);
    const StandardValues found = NearestStandard(value, series);
    QVERIFY(Near(found.below, below, 1e-12L));
    QVERIFY(Near(found.above, above, 1e-12L));
    QVERIFY(Near(found.nearest, nearest, 1e-12L));
    QVERIFY2(std::abs(found.deviationPercent - percent) < 0.001, qPrintable(QString::number(double(found.deviationPercent))));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, NearestStandard(-value, series));
}

void CoreFilterDesignTest::seriesValuesSnapToThemselves_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<int>("count");
    for (const ESeries series : kAllESeries)
        QTest::newRow(ESeriesName(series)) << series << 3 * (1 << static_cast<int>(series));
}

void CoreFilterDesignTest::seriesValuesSnapToThemselves()
{
    QFETCH(ESeries, series);
    QFETCH(int, count);
    const std::vector<int> digits = ESeriesDigits(series);
    QCOMPARE(int(digits.size()), count);
    QVERIFY(std::is_sorted(digits.begin(), digits.end()));
    for (const Real decade : {1e-12L, 1.0L, 1e5L}) {
        for (const int d : digits) {
            const Real value = d * decade;
            QVERIFY(Near(Snap(value, series), value, 1e-15L));
            const Real snapped = Snap(value * 1.013L, series); // snap, then snap again: no drift
            QVERIFY(Snap(snapped, series) == snapped);
        }
    }
}

void CoreFilterDesignTest::pairs_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Connection>("connection");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::newRow("99 kΩ = 56 kΩ + 43 kΩ") << 99e3 << Connection::InSeries << 56e3 << 43e3;
    QTest::newRow("99 kΩ = 180 kΩ ∥ 220 kΩ") << 99e3 << Connection::InParallel << 180e3 << 220e3;
    QTest::newRow("1 Ω = 2 Ω ∥ 2 Ω") << 1.0 << Connection::InParallel << 2.0 << 2.0;
}

void CoreFilterDesignTest::pairs()
{
    QFETCH(double, value);
    QFETCH(Connection, connection);
    QFETCH(double, first);
    QFETCH(double, second);
    const std::vector<StandardPair> pairs = BestPairs(value, connection);
    QVERIFY(std::any_of(pairs.begin(), pairs.end(), [&](const StandardPair& pair) {
        return Near(pair.first, first, 1e-12L) && Near(pair.second, second, 1e-12L) && std::abs(pair.deviationPercent) < 0.01;
    }));
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        QVERIFY(std::abs(pairs[i].deviationPercent) <= 0.5L);
        QVERIFY((connection == Connection::InSeries) == (pairs[i].first >= pairs[i].second) || pairs[i].first == pairs[i].second);
        QVERIFY(i == 0 || std::abs(pairs[i - 1].deviationPercent) <= std::abs(pairs[i].deviationPercent));
    }
}

void CoreFilterDesignTest::lowPassElements_data()
{
    QTest::addColumn<Spec>("spec");
    QTest::addColumn<QList<double>>("values"); // F for shunt capacitors, H for series coils; Т the other way
    QTest::newRow("Butterworth 5 П 30 MHz") << LowPass(Response::Butterworth, 5)
        << QList<double>{65.6 * p, 0.4292 * u, 212.2 * p, 0.4292 * u, 65.6 * p};
    QTest::newRow("Chebyshev 0.1 dB 5 П 30 MHz") << LowPass(Response::Chebyshev, 5)
        << QList<double>{121.7 * p, 0.3637 * u, 209.6 * p, 0.3637 * u, 121.7 * p};
    QTest::newRow("Butterworth 3 Т 30 MHz") << LowPass(Response::Butterworth, 3, Topology::SeriesFirst)
        << QList<double>{0.2653 * u, 212.2 * p, 0.2653 * u};
    QTest::newRow("Bessel 3 П 30 MHz: first part the smallest") << LowPass(Response::Bessel, 3)
        << QList<double>{35.80 * p, 0.2574 * u, 233.8 * p};
}

void CoreFilterDesignTest::lowPassElements()
{
    QFETCH(Spec, spec);
    QFETCH(QList<double>, values);
    const Ladder ladder = Designed(spec);
    QCOMPARE(int(ladder.branches.size()), values.size());
    for (int i = 0; i < values.size(); ++i) {
        const Branch& branch = ladder.branches[std::size_t(i)];
        const bool shunt = (i % 2 == 0) == (spec.topology == Topology::ShuntFirst);
        QCOMPARE(branch.place, shunt ? Place::Shunt : Place::Series);
        QVERIFY2(Near(shunt ? branch.capacitance : branch.inductance, values[i], 5e-4L), qPrintable(QString::number(i + 1)));
    }
}

void CoreFilterDesignTest::lossAtFrequency_data()
{
    QTest::addColumn<Ladder>("ladder");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("loss");
    QTest::addColumn<double>("tolerance");
    const Real bandCentre = std::sqrt(3.5L * 3.8L) * M;
    const Ladder coil{50, 50, {{Place::Series, Parts::Inductor, 100 / (TwoPi * M), 0}}};
    QTest::newRow("series coil of 100 Ω: |1 + j|² → 3.01 dB") << coil << 1e6 << 3.0103 << 1e-4;
    const Ladder shorted{50, 50, {{Place::Shunt, Parts::SeriesLC, 1 / TwoPi, 1 / TwoPi}}}; // ωL = 1/ωC at 1 Hz exactly
    QTest::newRow("shunt LC at its exact resonance shorts the line") << shorted << 1.0 << double(kLossCeilingDb) << 1e-9;
    QTest::newRow("one shunt C at 10 fc: 10·lg(1 + 10²)") << Designed(LowPass(Response::Butterworth, 1)) << 300e6 << 20.0432 << 1e-4;
    QTest::newRow("Butterworth 3 at fc") << Designed(LowPass(Response::Butterworth, 3)) << 30e6 << 3.0103 << 1e-4;
    QTest::newRow("Butterworth 3 at 2 fc: 10·lg 65") << Designed(LowPass(Response::Butterworth, 3)) << 60e6 << 18.1291 << 1e-4;
    QTest::newRow("Butterworth 5 П at 60 MHz: 30.1 dB") << Designed(LowPass(Response::Butterworth, 5)) << 60e6 << 30.1072 << 1e-3;
    QTest::newRow("Butterworth 3 high-pass Т at fc/2") << Designed(Make(Kind::HighPass, Response::Butterworth, 3, 30 * M, 0, Topology::SeriesFirst)) << 15e6 << 18.1291 << 1e-4;
    QTest::newRow("Bessel 5 at fc, table digits") << Designed(LowPass(Response::Bessel, 5)) << 30e6 << 3.0103 << 2e-3;
    QTest::newRow("Bessel 11 at fc, table digits") << Designed(LowPass(Response::Bessel, 11)) << 30e6 << 3.0103 << 2e-3;
    for (const double edge : {3.5e6, 3.8e6}) {
        QTest::addRow("band-pass Butterworth 3 at %g MHz", edge / 1e6) << Designed(Make(Kind::BandPass, Response::Butterworth, 3, 3.5 * M, 3.8 * M)) << edge << 3.0103 << 0.05;
        QTest::addRow("band-stop Butterworth 3 Т at %g MHz", edge / 1e6) << Designed(Make(Kind::BandStop, Response::Butterworth, 3, 3.5 * M, 3.8 * M, Topology::SeriesFirst)) << edge << 3.0103 << 1e-4;
    }
    QTest::newRow("band-pass centre passes") << Designed(Make(Kind::BandPass, Response::Butterworth, 3, 3.5 * M, 3.8 * M)) << double(bandCentre) << 0.0 << 1e-6;
    QTest::newRow("band-stop centre blocks") << Designed(Make(Kind::BandStop, Response::Butterworth, 3, 3.5 * M, 3.8 * M)) << double(bandCentre) << double(kLossCeilingDb) << 1e-3;
}

void CoreFilterDesignTest::lossAtFrequency()
{
    QFETCH(Ladder, ladder);
    QFETCH(double, frequency);
    QFETCH(double, loss);
    QFETCH(double, tolerance);
    const Real f = frequency;
    const Loss found = ComputeResponse(ladder, std::span(&f, 1)).front();
    QVERIFY2(std::abs(found.insertionDb - loss) <= tolerance, qPrintable(QString::number(double(found.insertionDb))));
}

void CoreFilterDesignTest::passBandAndTerminations_data()
{
    QTest::addColumn<Spec>("spec");
    QTest::addColumn<double>("worstPassLoss");
    QTest::addColumn<double>("load");
    const Spec even = Make(Kind::LowPass, Response::Chebyshev, 4, 30 * M, 0, Topology::ShuntFirst, 0.5L, Terminations::LoadAsNeeded);
    Spec evenT = even;
    evenT.topology = Topology::SeriesFirst;
    QTest::newRow("Chebyshev 0.1 dB 5 П ripples 0.1 dB") << LowPass(Response::Chebyshev, 5) << 0.1 << 50.0;
    QTest::newRow("Chebyshev 0.1 dB 5 Т ripples 0.1 dB") << LowPass(Response::Chebyshev, 5, Topology::SeriesFirst) << 0.1 << 50.0;
    QTest::newRow("Chebyshev 0.5 dB 4 П, load 50/1.9841 Ω") << even << 0.5 << 25.2009;
    QTest::newRow("Chebyshev 0.5 dB 4 Т, load 50·1.9841 Ω") << evenT << 0.5 << 99.2028;
    QTest::newRow("Butterworth 5: worst at fc") << LowPass(Response::Butterworth, 5) << 3.0103 << 50.0;
    QTest::newRow("band-pass Chebyshev 0.1 dB 5") << Make(Kind::BandPass, Response::Chebyshev, 5, 3.5 * M, 3.8 * M) << 0.1 << 50.0;
}

void CoreFilterDesignTest::passBandAndTerminations()
{
    QFETCH(Spec, spec);
    QFETCH(double, worstPassLoss);
    QFETCH(double, load);
    const Ladder ladder = Designed(spec);
    QVERIFY(Near(ladder.loadResistance, load, 1e-5L));
    const FrequencyRange range = SweepRange(spec);
    const std::vector<Real> frequencies = LogSweep(range.from, range.to, 400);
    const std::vector<Loss> losses = ComputeResponse(ladder, frequencies);
    Real worst = 0;
    for (std::size_t i = 0; i < losses.size(); ++i) {
        const bool band = spec.kind == Kind::LowPass ? frequencies[i] <= spec.f1
                                                     : frequencies[i] >= spec.f1 && frequencies[i] <= spec.f2;
        if (band)
            worst = std::max(worst, losses[i].insertionDb);
        // A lossless ladder passes what it does not reflect.
        const Real passed = std::pow(10.0L, -losses[i].insertionDb / 10) + std::pow(10.0L, -losses[i].returnDb / 10);
        QVERIFY(std::abs(passed - 1) < 1e-9L);
    }
    QVERIFY2(worst <= worstPassLoss + 1e-9 && worst > worstPassLoss * 0.95, qPrintable(QString::number(double(worst))));
    QVERIFY(losses.back().insertionDb > 20); // the plot reaches the skirts
    QVERIFY(spec.kind == Kind::LowPass || losses.front().insertionDb > 20);
}

void CoreFilterDesignTest::snappedLadderStaysInSeries_data()
{
    QTest::addColumn<Spec>("spec");
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<double>("halfStepPercent");
    QTest::newRow("E12 low-pass Butterworth 5 П") << LowPass(Response::Butterworth, 5) << ESeries::E12 << 11.0;
    QTest::newRow("E24 band-stop Bessel 4 Т") << Make(Kind::BandStop, Response::Bessel, 4, 3.5 * M, 3.8 * M, Topology::SeriesFirst) << ESeries::E24 << 6.0;
    QTest::newRow("E96 band-pass Chebyshev 3 П") << Make(Kind::BandPass, Response::Chebyshev, 3, 7 * M, 7.2 * M) << ESeries::E96 << 1.3;
}

void CoreFilterDesignTest::snappedLadderStaysInSeries()
{
    QFETCH(Spec, spec);
    QFETCH(ESeries, series);
    QFETCH(double, halfStepPercent);
    const Ladder exact = Designed(spec);
    const Ladder snapped = Snapped(exact, series);
    for (std::size_t i = 0; i < exact.branches.size(); ++i) {
        const Real pairs[2][2] = {{exact.branches[i].inductance, snapped.branches[i].inductance},
                                  {exact.branches[i].capacitance, snapped.branches[i].capacitance}};
        for (const auto& [before, after] : pairs) {
            QCOMPARE(after > 0, before > 0);
            if (before > 0) {
                QVERIFY(Snap(after, series) == after);
                QVERIFY(std::abs(after / before - 1) * 100 <= halfStepPercent);
            }
        }
    }
    const Real f = spec.f1;
    QVERIFY(std::isfinite(ComputeResponse(snapped, std::span(&f, 1)).front().insertionDb));
}

void CoreFilterDesignTest::badInputIsRefused_data()
{
    QTest::addColumn<Spec>("spec");
    QTest::addColumn<Input>("input");
    const Spec good = LowPass(Response::Chebyshev, 5);
    const auto with = [&good](auto change) { Spec spec = good; change(spec); return spec; };
    QTest::newRow("order 0") << with([](Spec& s) { s.order = 0; }) << Input::Order;
    QTest::newRow("order 12") << with([](Spec& s) { s.order = 12; }) << Input::Order;
    QTest::newRow("Chebyshev order 4 between equal resistances") << with([](Spec& s) { s.order = 4; }) << Input::Order;
    QTest::newRow("ripple 0") << with([](Spec& s) { s.rippleDb = 0; }) << Input::Ripple;
    QTest::newRow("impedance 0") << with([](Spec& s) { s.impedance = 0; }) << Input::Impedance;
    QTest::newRow("impedance −50") << with([](Spec& s) { s.impedance = -50; }) << Input::Impedance;
    QTest::newRow("cut-off not a number") << with([](Spec& s) { s.f1 = NAN; }) << Input::F1;
    QTest::newRow("band-pass F2 = F1") << with([](Spec& s) { s.kind = Kind::BandPass; s.f2 = s.f1; }) << Input::F2;
    QTest::newRow("band-stop F2 < F1") << with([](Spec& s) { s.kind = Kind::BandStop; s.f2 = 1; }) << Input::F2;
}

void CoreFilterDesignTest::badInputIsRefused()
{
    QFETCH(Spec, spec);
    QFETCH(Input, input);
    const Design design = DesignLadder(spec);
    QVERIFY(design.error.has_value());
    QCOMPARE(design.error->input, input);
    QVERIFY(!design.error->reason.isEmpty());
    QVERIFY(design.ladder.branches.empty());
}

QTEST_GUILESS_MAIN(CoreFilterDesignTest)
#include "test_core_filter_design.moc"
