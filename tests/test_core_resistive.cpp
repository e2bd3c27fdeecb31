#include "engineering/meter_ranges.h"
#include "engineering/reactance.h"
#include "engineering/resistive_circuits.h"

#include <QTest>

#include <cmath>

// The formulas of the resistive pages without a window: published values,
// and round trips that solve each quantity from the others and must give
// the inputs back within 1e-12 relative (long double arithmetic keeps all
// of a double's digits in these formulas).

using namespace engineering;

namespace {

bool Close(Real actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-12L * std::fabs(expected);
}

QString Mismatch(const char* what, Real actual, double expected)
{
    return QStringLiteral("%1 = %2, expected %3")
        .arg(QLatin1String(what))
        .arg(static_cast<double>(actual), 0, 'g', 17)
        .arg(expected, 0, 'g', 17);
}

} // namespace

#define EXPECT_CLOSE(actual, expected) \
    QVERIFY2(Close(actual, expected), qPrintable(Mismatch(#actual, actual, expected)))

class CoreResistiveTest : public QObject {
    Q_OBJECT

private slots:
    void ohmsLaw_data();
    void ohmsLaw();
    void parallelResistors_data();
    void parallelResistors();
    void droppingResistor_data();
    void droppingResistor();
    void starDelta_data();
    void starDelta();
    void voltageDivider_data();
    void voltageDivider();
    void meterRanges_data();
    void meterRanges();
    void reactance_data();
    void reactance();
    void quenchingCapacitor_data();
    void quenchingCapacitor();
};

void CoreResistiveTest::ohmsLaw_data()
{
    QTest::addColumn<double>("voltage");
    QTest::addColumn<double>("current");
    QTest::addColumn<double>("resistance");
    QTest::addColumn<double>("power");
    QTest::newRow("12 V at 2 A") << 12.0 << 2.0 << 6.0 << 24.0;
    QTest::newRow("100 W lamp on 230 V") << 230.0 << 0.43478260869565217391 << 529.0 << 100.0;
    QTest::newRow("5 mV across 5 kOhm") << 5e-3 << 1e-6 << 5e3 << 5e-9;
    QTest::newRow("10 kV at 20 A") << 1e4 << 20.0 << 500.0 << 2e5;
}

void CoreResistiveTest::ohmsLaw()
{
    QFETCH(double, voltage);
    QFETCH(double, current);
    QFETCH(double, resistance);
    QFETCH(double, power);
    const std::array<double, 4> quantities{voltage, current, resistance, power};
    // Every pair of unknowns, each solved from the two others alone.
    for (int sought = 0; sought < 4; ++sought) {
        for (int other = 0; other < 4; ++other) {
            if (other == sought)
                continue;
            std::array<double, 4> known = quantities;
            known[sought] = known[other] = 0;
            const Load load{known[0], known[1], known[2], known[3]};
            const Real solved =
                SolveLoad(static_cast<LoadQuantity>(sought), static_cast<LoadQuantity>(other), load);
            QVERIFY2(Close(solved, quantities[sought]),
                     qPrintable(QStringLiteral("quantity %1 with %2 unknown: ").arg(sought).arg(other)
                                + Mismatch("solved", solved, quantities[sought])));
        }
    }
}

void CoreResistiveTest::parallelResistors_data()
{
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("combined");
    QTest::newRow("1 kOhm and 2.2 kOhm") << 1e3 << 2.2e3 << 687.5;
    QTest::newRow("two equal 100 Ohm") << 100.0 << 100.0 << 50.0;
    QTest::newRow("4.7 kOhm and 10 kOhm") << 4.7e3 << 1e4 << 3197.2789115646258503;
}

void CoreResistiveTest::parallelResistors()
{
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(double, combined);
    EXPECT_CLOSE(ParallelResistance(r1, r2), combined);
    EXPECT_CLOSE(ParallelPartner(r2, combined), r1);
    EXPECT_CLOSE(ParallelPartner(r1, combined), r2);
}

void CoreResistiveTest::droppingResistor_data()
{
    QTest::addColumn<double>("supply");
    QTest::addColumn<double>("load");
    QTest::addColumn<double>("current");
    QTest::addColumn<double>("resistance");
    QTest::addColumn<double>("power");
    QTest::newRow("LED of 2 V at 20 mA on 12 V") << 12.0 << 2.0 << 0.02 << 500.0 << 0.2;
    QTest::newRow("6.3 V lamp at 0.3 A on 12 V") << 12.0 << 6.3 << 0.3 << 19.0 << 1.71;
}

void CoreResistiveTest::droppingResistor()
{
    QFETCH(double, supply);
    QFETCH(double, load);
    QFETCH(double, current);
    QFETCH(double, resistance);
    QFETCH(double, power);
    using enum DropQuantity;
    EXPECT_CLOSE(SolveDrop(SupplyVoltage, {0, load, current, resistance}), supply);
    EXPECT_CLOSE(SolveDrop(LoadVoltage, {supply, 0, current, resistance}), load);
    EXPECT_CLOSE(SolveDrop(Current, {supply, load, 0, resistance}), current);
    EXPECT_CLOSE(SolveDrop(Resistance, {supply, load, current, 0}), resistance);
    EXPECT_CLOSE(PowerOfCurrent(current, resistance), power);
}

void CoreResistiveTest::starDelta_data()
{
    QTest::addColumn<double>("ab");
    QTest::addColumn<double>("bc");
    QTest::addColumn<double>("ca");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<bool>("noStar");
    QTest::newRow("balanced 30 Ohm delta, a third in the star")
        << 30.0 << 30.0 << 30.0 << 10.0 << 10.0 << 10.0 << false;
    QTest::newRow("10, 20, 30 Ohm delta") << 10.0 << 20.0 << 30.0 << 5.0 << 10.0 / 3 << 10.0 << false;
    QTest::newRow("negative sides cancel in the sum") << 10.0 << -4.0 << -6.0 << 0.0 << 0.0 << 0.0 << true;
}

void CoreResistiveTest::starDelta()
{
    QFETCH(double, ab);
    QFETCH(double, bc);
    QFETCH(double, ca);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(bool, noStar);
    QCOMPARE(DeltaHasNoStar(ab, bc, ca), noStar);
    if (noStar)
        return;
    const std::array<double, 3> star{a, b, c};
    const std::array<double, 3> delta{ab, bc, ca};
    for (int k = 0; k < 3; ++k) {
        EXPECT_CLOSE(StarFromDelta(k, ab, bc, ca), star[k]);
        EXPECT_CLOSE(DeltaFromStar(k, a, b, c), delta[k]);
    }
}

void CoreResistiveTest::voltageDivider_data()
{
    QTest::addColumn<int>("load");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("u");
    QTest::addColumn<double>("i");
    QTest::addColumn<double>("rn");
    const int byCurrent = static_cast<int>(DividerLoad::ByCurrent);
    const int byResistance = static_cast<int>(DividerLoad::ByResistance);
    const int none = static_cast<int>(DividerLoad::None);
    QTest::newRow("no load, equal halves") << none << 10.0 << 1e3 << 1e3 << 5.0 << 0.0 << 0.0;
    QTest::newRow("1 kOhm load by its resistance") << byResistance << 10.0 << 1e3 << 1e3 << 10.0 / 3 << 1.0 / 300
                                                   << 1e3;
    QTest::newRow("the same load by its current") << byCurrent << 10.0 << 1e3 << 1e3 << 10.0 / 3 << 1.0 / 300 << 1e3;
    QTest::newRow("12 V, 4.7 kOhm over 10 kOhm, 22 kOhm load")
        << byResistance << 12.0 << 4.7e3 << 1e4 << 7.1274298056155507559 << 3.2397408207343412527e-4 << 2.2e4;
}

void CoreResistiveTest::voltageDivider()
{
    QFETCH(int, load);
    QFETCH(double, e);
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(double, u);
    QFETCH(double, i);
    QFETCH(double, rn);
    const auto mode = static_cast<DividerLoad>(load);
    // The load quantity the mode does not take is left out.
    const Divider divider{e, r1, r2, u, mode == DividerLoad::ByResistance ? 0 : i,
                          mode == DividerLoad::ByCurrent ? 0 : rn};
    const auto without = [&](Real Divider::*field) {
        Divider d = divider;
        d.*field = 0;
        return d;
    };
    EXPECT_CLOSE(DividerSource(mode, without(&Divider::source)), e);
    EXPECT_CLOSE(DividerOutput(mode, without(&Divider::output)), u);
    const auto upper = DividerUpper(mode, without(&Divider::upper));
    QVERIFY(upper);
    EXPECT_CLOSE(*upper, r1);
    const auto lower = DividerLower(mode, without(&Divider::lower));
    QVERIFY(lower);
    EXPECT_CLOSE(*lower, r2);
    QVERIFY(!LoadDrainsUpper({e, r1, r2, u, i, rn}));
    // The load current from E, R1, R2 and U alone; none without a load.
    const auto current = DividerLoadCurrent({e, r1, r2, u, 0, 0});
    QCOMPARE(current.has_value(), mode != DividerLoad::None);
    if (current)
        EXPECT_CLOSE(*current, i);
    // All the source gives flows through R1.
    EXPECT_CLOSE(DividerInputResistance({e, r1, r2, u, i, rn}), e * r1 / (e - u));
}

void CoreResistiveTest::meterRanges_data()
{
    QTest::addColumn<double>("meterCurrent");
    QTest::addColumn<double>("meterResistance");
    QTest::addColumn<double>("ammeterRange");
    QTest::addColumn<double>("shunt");
    QTest::addColumn<double>("voltmeterRange");
    QTest::addColumn<double>("series");
    QTest::newRow("100 uA, 1 kOhm movement to 1 A and 10 V")
        << 1e-4 << 1e3 << 1.0 << 0.10001000100010001 << 10.0 << 99e3;
    QTest::newRow("1 mA, 50 Ohm movement to 10 A and 100 V")
        << 1e-3 << 50.0 << 10.0 << 5.0005000500050005e-3 << 100.0 << 99950.0;
}

void CoreResistiveTest::meterRanges()
{
    QFETCH(double, meterCurrent);
    QFETCH(double, meterResistance);
    QFETCH(double, ammeterRange);
    QFETCH(double, shunt);
    QFETCH(double, voltmeterRange);
    QFETCH(double, series);
    const Real meterVoltage = OhmVoltage(meterCurrent, meterResistance);
    EXPECT_CLOSE(OhmResistance(meterVoltage, meterCurrent), meterResistance);
    EXPECT_CLOSE(OhmCurrent(meterVoltage, meterResistance), meterCurrent);

    EXPECT_CLOSE(ShuntForRange(meterCurrent, meterResistance, ammeterRange), shunt);
    EXPECT_CLOSE(ShuntedRange(meterCurrent, meterResistance, shunt), ammeterRange);
    // The shunt carries the rest of the current at the meter's voltage.
    EXPECT_CLOSE(ShuntPower(meterCurrent, shunt, ammeterRange),
                 static_cast<double>((ammeterRange - meterCurrent) * meterVoltage));
    EXPECT_CLOSE(LoadBesideMeter(SourceAcrossMeter(5, meterVoltage), meterVoltage), 5.0);

    EXPECT_CLOSE(VoltmeterSeries(meterCurrent, meterVoltage, voltmeterRange), series);
    EXPECT_CLOSE(VoltmeterRange(meterCurrent, meterVoltage, series), voltmeterRange);
}

void CoreResistiveTest::reactance_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("inductance");
    QTest::addColumn<double>("inductiveReactance");
    QTest::addColumn<double>("capacitance");
    QTest::addColumn<double>("capacitiveReactance");
    QTest::addColumn<double>("resistance");
    QTest::addColumn<double>("impedance");
    QTest::newRow("1 H and 1 uF at 50 Hz")
        << 50.0 << 1.0 << 314.15926535897932385 << 1e-6 << 3183.0988618379067154 << 0.0 << 314.15926535897932385;
    QTest::newRow("1 mH and 1 uF at 1 kHz")
        << 1e3 << 1e-3 << 6.2831853071795864769 << 1e-6 << 159.15494309189533577 << 0.0 << 6.2831853071795864769;
    QTest::newRow("10 uH and 100 pF at 7.1 MHz")
        << 7.1e6 << 1e-5 << 446.10615680975063986 << 1e-10 << 224.16189167872582503 << 0.0 << 446.10615680975063986;
    QTest::newRow("3 Ohm and 4 Ohm in series make 5 Ohm")
        << 1e3 << 6.3661977236758134308e-4 << 4.0 << 1e-6 << 159.15494309189533577 << 3.0 << 5.0;
}

void CoreResistiveTest::reactance()
{
    QFETCH(double, frequency);
    QFETCH(double, inductance);
    QFETCH(double, inductiveReactance);
    QFETCH(double, capacitance);
    QFETCH(double, capacitiveReactance);
    QFETCH(double, resistance);
    QFETCH(double, impedance);
    EXPECT_CLOSE(InductiveReactance(inductance, frequency), inductiveReactance);
    EXPECT_CLOSE(InductanceOfReactance(inductiveReactance, frequency), inductance);
    EXPECT_CLOSE(FrequencyOfInductiveReactance(inductiveReactance, inductance), frequency);
    EXPECT_CLOSE(CapacitiveReactance(capacitance, frequency), capacitiveReactance);
    EXPECT_CLOSE(CapacitanceOfReactance(capacitiveReactance, frequency), capacitance);
    EXPECT_CLOSE(FrequencyOfCapacitiveReactance(capacitiveReactance, capacitance), frequency);
    EXPECT_CLOSE(SeriesImpedance(resistance, inductiveReactance), impedance);
}

void CoreResistiveTest::quenchingCapacitor_data()
{
    QTest::addColumn<double>("current");
    QTest::addColumn<double>("loadVoltage");
    QTest::addColumn<double>("supplyVoltage");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("capacitance");
    QTest::addColumn<bool>("bridge");  // the current is a DC load's behind a bridge and a zener of Uн
    QTest::addColumn<double>("rating");  // the capacitor's voltage: the input's peak at +10 %
    QTest::newRow("1 uF on 230 V 50 Hz mains, 12 V load")
        << 7.2158218505161988464e-2 << 12.0 << 230.0 << 50.0 << 1e-6 << false << 357.79603128039304735;
    QTest::newRow("0.47 uF on 120 V 60 Hz mains, 24 V load")
        << 2.0832713401285190877e-2 << 24.0 << 120.0 << 60.0 << 0.47e-6 << false << 186.67619023324854644;
    // 59.83 mA; and 20 mA need 0.334 uF; a 342 V capacitor.
    QTest::newRow("bridge: 1 uF on 220 V 50 Hz, 12 V zener")
        << 5.9825396744416182147e-2 << 12.0 << 220.0 << 50.0 << 1e-6 << true << 342.23968209428900181;
    QTest::newRow("bridge: 20 mA at a 12 V zener on 220 V 50 Hz")
        << 0.02 << 12.0 << 220.0 << 50.0 << 3.3430618246366589838e-7 << true << 342.23968209428900181;
    QTest::newRow("bridge: 0.47 uF on 120 V 60 Hz, 24 V zener")
        << 1.6435594780282214581e-2 << 24.0 << 120.0 << 60.0 << 0.47e-6 << true << 186.67619023324854644;
}

void CoreResistiveTest::quenchingCapacitor()
{
    QFETCH(double, current);
    QFETCH(double, loadVoltage);
    QFETCH(double, supplyVoltage);
    QFETCH(double, frequency);
    QFETCH(double, capacitance);
    QFETCH(bool, bridge);
    QFETCH(double, rating);
    EXPECT_CLOSE(DropperVoltageRating(supplyVoltage), rating);
    const std::array<double, 5> quantities{current, loadVoltage, supplyVoltage, frequency, capacitance};
    for (int sought = 0; sought < 5; ++sought) {
        std::array<double, 5> known = quantities;
        known[sought] = 0;
        const QuenchingCapacitor circuit{known[0], known[1], known[2], known[3], known[4]};
        const auto quantity = static_cast<QuenchingQuantity>(sought);
        const Real solved = bridge ? SolveBridgeDropper(quantity, circuit) : SolveQuenching(quantity, circuit);
        QVERIFY2(Close(solved, quantities[sought]),
                 qPrintable(QStringLiteral("quantity %1: ").arg(sought)
                            + Mismatch("solved", solved, quantities[sought])));
    }
}

QTEST_GUILESS_MAIN(CoreResistiveTest)
#include "test_core_resistive.moc"
