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
Q_DECLARE_METATYPE(engineering::filter::Request)
Q_DECLARE_METATYPE(engineering::filter::Ladder)
Q_DECLARE_METATYPE(engineering::filter::Input)

namespace {

constexpr double p = 1e-12, u = 1e-6, M = 1e6;
constexpr auto П = Topology::ShuntFirst, Т = Topology::SeriesFirst;

Request Make(Kind kind, Response response, int order, Topology topology = П, Real ripple = 0.1L,
          Terminations terminations = Terminations::Equal)
{
    const bool band = kind == Kind::BandPass || kind == Kind::BandStop;
    return {kind, response, order, ripple, 50, band ? 3.5 * M : 30 * M, band ? 3.8 * M : 0, topology, terminations};
}

Ladder Designed(Kind kind, Response response, int order, Topology topology = П)
{
    return DesignLadder(Make(kind, response, order, topology)).ladder;
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
    void everySeriesValueSnapsToItself();
    void pairs_data();
    void pairs();
    void lowPassElements_data();
    void lowPassElements();
    void lossAtFrequency_data();
    void lossAtFrequency();
    void passBandTerminationsAndSnapping_data();
    void passBandTerminationsAndSnapping();
    void badInputIsRefused_data();
    void badInputIsRefused();
};

void CoreFilterDesignTest::standardValues_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<QList<double>>("found"); // below, above, nearest, deviation %
    QTest::newRow("70 Ω E12 → 68 Ω") << 70.0 << ESeries::E12 << QList{68.0, 82.0, 68.0, -2.857};
    QTest::newRow("70 Ω E96 → 69.8 Ω") << 70.0 << ESeries::E96 << QList{69.8, 71.5, 69.8, -0.286};
    QTest::newRow("2533.03 pF E24 → 2.4 nF") << 2533.03e-12 << ESeries::E24 << QList{2.4e-9, 2.7e-9, 2.4e-9, -5.252};
    QTest::newRow("2533.03 pF E96 → 2.55 nF") << 2533.03e-12 << ESeries::E96 << QList{2.49e-9, 2.55e-9, 2.55e-9, 0.670};
    QTest::newRow("1.55 kΩ E3 → 2.2 kΩ by ratio, not by difference") << 1.55e3 << ESeries::E3
                                                                     << QList{1e3, 2.2e3, 2.2e3, 41.935};
    QTest::newRow("E24 has no 2.6, though 10^(10/24) rounds to it") << 2.6e3 << ESeries::E24
                                                                    << QList{2.4e3, 2.7e3, 2.7e3, 3.846};
    QTest::newRow("E192's 9.20, not 9.19") << 9.19 << ESeries::E192 << QList{9.09, 9.20, 9.20, 0.109};
    QTest::newRow("just under a power of ten") << 999.9999999 << ESeries::E6 << QList{680.0, 1e3, 1e3, 0.0};
    QTest::newRow("a standard value is its own neighbour") << 4.7e-6 << ESeries::E3 << QList{4.7e-6, 4.7e-6, 4.7e-6, 0.0};
}

void CoreFilterDesignTest::standardValues()
{
    QFETCH(double, value);
    QFETCH(ESeries, series);
    QFETCH(QList<double>, found);
    const StandardValues standard = NearestStandard(value, series);
    QVERIFY(Near(standard.below, found[0], 1e-12L));
    QVERIFY(Near(standard.above, found[1], 1e-12L));
    QVERIFY(Near(standard.nearest, found[2], 1e-12L));
    QVERIFY2(std::abs(standard.deviationPercent - found[3]) < 0.001, qPrintable(QString::number(double(standard.deviationPercent))));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, NearestStandard(-value, series));
}

void CoreFilterDesignTest::everySeriesValueSnapsToItself()
{
    for (const ESeries series : kAllESeries) {
        const std::vector<int> digits = ESeriesDigits(series);
        QCOMPARE(int(digits.size()), 3 << static_cast<int>(series)); // E3 … E192
        QVERIFY(std::is_sorted(digits.begin(), digits.end()));
        for (const Real decade : {1e-12L, 1.0L, 1e5L}) {
            for (const int d : digits) {
                QVERIFY2(Near(Snap(d * decade, series), d * decade, 1e-15L), ESeriesName(series));
                const Real snapped = Snap(d * decade * 1.013L, series); // snapping again changes nothing
                QVERIFY(Snap(snapped, series) == snapped);
            }
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
        QVERIFY(i == 0 || std::abs(pairs[i - 1].deviationPercent) <= std::abs(pairs[i].deviationPercent));
        QVERIFY((connection == Connection::InSeries) == (pairs[i].first >= pairs[i].second) || pairs[i].first == pairs[i].second);
    }
}

void CoreFilterDesignTest::lowPassElements_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<QList<double>>("values"); // F across the line, H in it
    QTest::newRow("Butterworth 5 П 30 MHz") << Make(Kind::LowPass, Response::Butterworth, 5)
                                            << QList{65.6 * p, 0.4292 * u, 212.2 * p, 0.4292 * u, 65.6 * p};
    QTest::newRow("Chebyshev 0.1 dB 5 П 30 MHz") << Make(Kind::LowPass, Response::Chebyshev, 5)
                                                 << QList{121.7 * p, 0.3637 * u, 209.6 * p, 0.3637 * u, 121.7 * p};
    QTest::newRow("Butterworth 3 Т 30 MHz") << Make(Kind::LowPass, Response::Butterworth, 3, Т)
                                            << QList{0.2653 * u, 212.2 * p, 0.2653 * u};
    QTest::newRow("Bessel 3 П 30 MHz, smallest first") << Make(Kind::LowPass, Response::Bessel, 3)
                                                       << QList{35.80 * p, 0.2574 * u, 233.8 * p};
}

void CoreFilterDesignTest::lowPassElements()
{
    QFETCH(Request, request);
    QFETCH(QList<double>, values);
    const Ladder ladder = DesignLadder(request).ladder;
    QCOMPARE(int(ladder.branches.size()), values.size());
    for (int i = 0; i < values.size(); ++i) {
        const Branch& branch = ladder.branches[std::size_t(i)];
        const bool shunt = (i % 2 == 0) == (request.topology == П);
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
    const double centre = std::sqrt(3.5 * 3.8) * 1e6;
    const auto bandPass = Designed(Kind::BandPass, Response::Butterworth, 3);
    const auto bandStop = Designed(Kind::BandStop, Response::Butterworth, 3, Т);
    QTest::newRow("series coil of 100 Ω: 10·lg|1 + j|²")
        << Ladder{50, 50, {{Place::Series, Parts::Inductor, 100 / (TwoPi * M), 0}}} << 1e6 << 3.0103 << 1e-4;
    QTest::newRow("shunt LC at its exact resonance shorts the line") // ωL = 1/ωC at 1 Hz exactly
        << Ladder{50, 50, {{Place::Shunt, Parts::SeriesLC, 1 / TwoPi, 1 / TwoPi}}} << 1.0 << double(kLossCeilingDb) << 1e-9;
    QTest::newRow("one shunt C at 10 fc: 10·lg(1 + 10²)") << Designed(Kind::LowPass, Response::Butterworth, 1) << 300e6 << 20.0432 << 1e-4;
    QTest::newRow("Butterworth 3 at fc") << Designed(Kind::LowPass, Response::Butterworth, 3) << 30e6 << 3.0103 << 1e-4;
    QTest::newRow("Butterworth 3 at 2 fc: 10·lg 65") << Designed(Kind::LowPass, Response::Butterworth, 3) << 60e6 << 18.1291 << 1e-4;
    QTest::newRow("Butterworth 5 П at 60 MHz: 30.1 dB") << Designed(Kind::LowPass, Response::Butterworth, 5) << 60e6 << 30.1072 << 1e-3;
    QTest::newRow("Butterworth 3 high-pass Т at fc/2") << Designed(Kind::HighPass, Response::Butterworth, 3, Т) << 15e6 << 18.1291 << 1e-4;
    QTest::newRow("Bessel 5 at fc, to the table's digits") << Designed(Kind::LowPass, Response::Bessel, 5) << 30e6 << 3.0103 << 2e-3;
    QTest::newRow("Bessel 11 at fc, to the table's digits") << Designed(Kind::LowPass, Response::Bessel, 11) << 30e6 << 3.0103 << 2e-3;
    QTest::newRow("band-pass Butterworth 3 at 3.5 MHz") << bandPass << 3.5e6 << 3.0103 << 0.05;
    QTest::newRow("band-pass Butterworth 3 at 3.8 MHz") << bandPass << 3.8e6 << 3.0103 << 0.05;
    QTest::newRow("band-pass centre passes") << bandPass << centre << 0.0 << 1e-6;
    QTest::newRow("band-stop Butterworth 3 Т at 3.5 MHz") << bandStop << 3.5e6 << 3.0103 << 1e-4;
    QTest::newRow("band-stop Butterworth 3 Т at 3.8 MHz") << bandStop << 3.8e6 << 3.0103 << 1e-4;
    QTest::newRow("band-stop centre blocks") << bandStop << centre << double(kLossCeilingDb) << 1e-3;
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

void CoreFilterDesignTest::passBandTerminationsAndSnapping_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<double>("worstPassLoss");
    QTest::addColumn<double>("load");
    QTest::addColumn<ESeries>("series");
    const auto evenOrder = [](Topology topology) {
        return Make(Kind::LowPass, Response::Chebyshev, 4, topology, 0.5L, Terminations::LoadAsNeeded);
    };
    QTest::newRow("Chebyshev 0.1 dB 5 П, E12") << Make(Kind::LowPass, Response::Chebyshev, 5) << 0.1 << 50.0 << ESeries::E12;
    QTest::newRow("Chebyshev 0.1 dB 5 Т, E24") << Make(Kind::LowPass, Response::Chebyshev, 5, Т) << 0.1 << 50.0 << ESeries::E24;
    QTest::newRow("Chebyshev 0.5 dB 4 П, load 50/1.9841 Ω") << evenOrder(П) << 0.5 << 25.2009 << ESeries::E96;
    QTest::newRow("Chebyshev 0.5 dB 4 Т, load 50·1.9841 Ω") << evenOrder(Т) << 0.5 << 99.2028 << ESeries::E3;
    QTest::newRow("Butterworth 5, worst at fc, E6") << Make(Kind::LowPass, Response::Butterworth, 5) << 3.0103 << 50.0 << ESeries::E6;
    QTest::newRow("band-pass Chebyshev 0.1 dB 5, E192") << Make(Kind::BandPass, Response::Chebyshev, 5) << 0.1 << 50.0 << ESeries::E192;
    QTest::newRow("band-stop Bessel 4 Т, E48") << Make(Kind::BandStop, Response::Bessel, 4, Т) << -1.0 << 50.0 << ESeries::E48;
}

void CoreFilterDesignTest::passBandTerminationsAndSnapping()
{
    QFETCH(Request, request);
    QFETCH(double, worstPassLoss);
    QFETCH(double, load);
    QFETCH(ESeries, series);
    const Ladder ladder = DesignLadder(request).ladder;
    QVERIFY(Near(ladder.loadResistance, load, 1e-5L));
    const FrequencyRange range = SweepRange(request);
    const std::vector<Real> frequencies = LogSweep(range.from, range.to, 400);
    const std::vector<Loss> losses = ComputeResponse(ladder, frequencies);
    Real worst = 0;
    for (std::size_t i = 0; i < losses.size(); ++i) {
        const Real f = frequencies[i];
        if (request.kind == Kind::LowPass ? f <= request.f1 : f >= request.f1 && f <= request.f2)
            worst = std::max(worst, losses[i].insertionDb);
        // A lossless ladder passes what it does not reflect.
        QVERIFY(std::abs(std::pow(10.0L, -losses[i].insertionDb / 10) + std::pow(10.0L, -losses[i].returnDb / 10) - 1) < 1e-9L);
    }
    if (worstPassLoss > 0)
        QVERIFY2(worst <= worstPassLoss + 1e-9 && worst > worstPassLoss * 0.95, qPrintable(QString::number(double(worst))));
    QVERIFY(request.kind == Kind::BandStop || losses.back().insertionDb > 20); // the sweep reaches the skirts
    QVERIFY(request.kind != Kind::BandPass || losses.front().insertionDb > 20);

    // Snapped parts are the series' own, within half its step, and stay put when snapped again.
    const Ladder snapped = Snapped(ladder, series);
    const Real halfStep = std::pow(10.0L, 0.5L / (3 << static_cast<int>(series))) * 1.02L; // E24 and below: uneven steps
    for (std::size_t i = 0; i < ladder.branches.size(); ++i) {
        for (const auto& [exact, part] : {std::pair{ladder.branches[i].inductance, snapped.branches[i].inductance},
                                          std::pair{ladder.branches[i].capacitance, snapped.branches[i].capacitance}}) {
            QCOMPARE(part > 0, exact > 0);
            QVERIFY(part == 0 || (Snap(part, series) == part && std::max(part / exact, exact / part) <= halfStep));
        }
    }
    QCOMPARE(snapped.loadResistance, ladder.loadResistance);
}

void CoreFilterDesignTest::badInputIsRefused_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<Input>("input");
    const auto with = [](auto change) { Request request = Make(Kind::LowPass, Response::Chebyshev, 5); change(request); return request; };
    QTest::newRow("order 0") << with([](Request& s) { s.order = 0; }) << Input::Order;
    QTest::newRow("order 12") << with([](Request& s) { s.order = 12; }) << Input::Order;
    QTest::newRow("Chebyshev order 4 between equal resistances") << with([](Request& s) { s.order = 4; }) << Input::Order;
    QTest::newRow("ripple 0") << with([](Request& s) { s.rippleDb = 0; }) << Input::Ripple;
    QTest::newRow("impedance 0") << with([](Request& s) { s.impedance = 0; }) << Input::Impedance;
    QTest::newRow("impedance −50") << with([](Request& s) { s.impedance = -50; }) << Input::Impedance;
    QTest::newRow("cut-off not a number") << with([](Request& s) { s.f1 = NAN; }) << Input::F1;
    QTest::newRow("band-pass F2 = F1") << with([](Request& s) { s.kind = Kind::BandPass; s.f2 = s.f1; }) << Input::F2;
    QTest::newRow("band-stop F2 < F1") << with([](Request& s) { s.kind = Kind::BandStop; s.f2 = 1; }) << Input::F2;
}

void CoreFilterDesignTest::badInputIsRefused()
{
    QFETCH(Request, request);
    QFETCH(Input, input);
    const Design design = DesignLadder(request);
    QVERIFY(design.error.has_value());
    QCOMPARE(design.error->input, input);
    QVERIFY(!design.error->reason.isEmpty());
    QVERIFY(design.ladder.branches.empty());
}

QTEST_GUILESS_MAIN(CoreFilterDesignTest)
#include "test_core_filter_design.moc"
