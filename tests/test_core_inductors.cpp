// The coil, ring and transformer formulas without a window: known values,
// round trips (compute forward, solve each input back from the result) and
// the inputs that have no answer.

#include "engineering/coil_details.h"
#include "engineering/coils.h"
#include "engineering/errors.h"
#include "engineering/ring_and_transformer.h"
#include "engineering/toroid.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace engineering;

using Formula = std::function<Real()>;
Q_DECLARE_METATYPE(Formula)

namespace {

using Kind = ArithmeticError::Kind;

constexpr int NoFault = -1;
// Closed forms in long double give the inputs back far inside this.
constexpr double RoundTrip = 1e-12;

void AddColumns()
{
    QTest::addColumn<Formula>("formula");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");  // relative
    QTest::addColumn<int>("fault");
}

void Row(const QByteArray& name, Formula formula, Real expected, double tolerance = RoundTrip)
{
    QTest::newRow(name.constData()) << formula << static_cast<double>(expected) << tolerance << NoFault;
}

void Fault(const QByteArray& name, Formula formula, Kind kind)
{
    QTest::newRow(name.constData()) << formula << 0.0 << 0.0 << static_cast<int>(kind);
}

void Check()
{
    QFETCH(Formula, formula);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QFETCH(int, fault);
    if (fault != NoFault) {
        try {
            const Real value = formula();
            QFAIL(qPrintable(QStringLiteral("no fault, but %1").arg(static_cast<double>(value), 0, 'g', 17)));
        } catch (const ArithmeticError& error) {
            QCOMPARE(static_cast<int>(error.kind()), fault);
        }
        return;
    }
    const Real value = formula();
    QVERIFY2(std::fabs(value - expected) <= tolerance * std::fabs(expected),
             qPrintable(QStringLiteral("%1, expected %2").arg(static_cast<double>(value), 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

// A single-layer coil of W turns, former Dк, wire Dп and length J (mm):
// its inductance, then each of the four solved back from it.
void SingleLayerRoundTrips(const QByteArray& coil, Real W, Real Dk, Real Dp, Real J)
{
    const Real L = SingleLayerInductance(W, Dk, Dp, J);
    Row(coil + ": turns back", [=] { return SingleLayerTurns(L, Dk, Dp, J); }, W);
    Row(coil + ": former back", [=] { return SingleLayerFormerDiameter(W, Dp, J, L); }, Dk);
    Row(coil + ": wire back", [=] { return SingleLayerWireDiameter(W, Dk, J, L); }, Dp);
    Row(coil + ": length back", [=] { return SingleLayerLength(W, Dk, Dp, L); }, J);
}

void CloseWoundRoundTrips(const QByteArray& coil, Real W, Real Dk, Real Dp)
{
    const Real L = SingleLayerInductance(W, Dk, Dp, CloseWoundLength(W, Dp));
    Row(coil + ": turns back", [=] { return CloseWoundTurns(L, Dk, Dp); }, W);
    Row(coil + ": former back", [=] { return SingleLayerFormerDiameter(W, Dp, CloseWoundLength(W, Dp), L); }, Dk);
    Row(coil + ": wire back", [=] { return CloseWoundWireDiameter(W, Dk, L); }, Dp);
}

void WireRoundTrips(const QByteArray& wire, Real J, Real D)
{
    const Real L = WireInductance(J, D);
    Row(wire + ": diameter back", [=] { return WireDiameter(J, L); }, D);
    // The search stops on a whole 1E-5 mm step, or where such a step no
    // longer changes a long double.
    const double step = std::max(1e-5 / static_cast<double>(J), 1e-15);
    Row(wire + ": length found digit by digit", [=] { return WireLength(L, D); }, J, step);
}

void RingRoundTrips(const QByteArray& ring, Real W, Real mu, Real Dn, Real Dv, Real H)
{
    const Real L = RingInductance(W, mu, Dn, Dv, H);
    Row(ring + ": turns back", [=] { return RingTurns(L, mu, Dn, Dv, H); }, W);
    Row(ring + ": permeability back", [=] { return RingPermeability(L, W, Dn, Dv, H); }, mu);
    Row(ring + ": outer diameter back", [=] { return RingOuterDiameter(L, W, mu, Dv, H); }, Dn);
    Row(ring + ": inner diameter back", [=] { return RingInnerDiameter(L, W, mu, Dn, H); }, Dv);
    Row(ring + ": height back", [=] { return RingHeight(L, W, mu, Dn, Dv); }, H);
}

} // namespace

class CoreInductorsTest : public QObject {
    Q_OBJECT

private slots:
    void coils_data();
    void coils() { Check(); }
    void ringAndTransformer_data();
    void ringAndTransformer() { Check(); }
};

void CoreInductorsTest::coils_data()
{
    AddColumns();
    Row("single layer, 10 turns of 0.5 mm on 10 mm, 5 mm long: 1.1216 µH",
        [] { return SingleLayerInductance(10, 10, 0.5, 5); }, 1.1215666, 1e-7);
    Row("the same coil is close wound: J = 5 mm", [] { return CloseWoundLength(10, 0.5); }, 5);
    Row("shape ratio of that coil: 0.476", [] { return SingleLayerShapeRatio(5, 10, 0.5); }, 0.47619048, 1e-7);
    Row("ratio 0.45 is inside the rule", [] { return Real(SingleLayerRuleHolds(0.45L)); }, 1);
    Row("ratio 2.5 is inside the rule", [] { return Real(SingleLayerRuleHolds(2.5L)); }, 1);
    Row("ratio 0.44 is outside the rule", [] { return Real(!SingleLayerRuleHolds(0.44L)); }, 1);
    Row("ratio 2.6 is outside the rule", [] { return Real(!SingleLayerRuleHolds(2.6L)); }, 1);
    Row("10 turns of 0.5 mm fit 5 mm", [] { return Real(TurnsFit(10, 0.5, 5)); }, 1);
    Row("10 turns of 0.5 mm do not fit 4.9 mm", [] { return Real(!TurnsFit(10, 0.5, 4.9L)); }, 1);
    SingleLayerRoundTrips("single layer 10 × 0.5 mm on 10 mm, 5 mm", 10, 10, 0.5, 5);
    SingleLayerRoundTrips("single layer 120 × 0.2 mm on 6 mm, 30 mm", 120, 6, 0.2L, 30);
    SingleLayerRoundTrips("single layer 3 × 2 mm on 50 mm, 100 mm", 3, 50, 2, 100);
    CloseWoundRoundTrips("close wound 10 × 0.5 mm on 10 mm", 10, 10, 0.5);
    CloseWoundRoundTrips("close wound 250 × 0.1 mm on 4 mm", 250, 4, 0.1L);
    Fault("single layer with Dк + Dп = 0", [] { return SingleLayerInductance(10, 1, -1, 5); }, Kind::DivisionByZero);
    Fault("close wound 10 turns on 10 mm for 0.19 µH: no wire gives so little",
          [] { return CloseWoundWireDiameter(10, 10, 0.19L); }, Kind::NegativeRoot);
    Fault("turns of a coil without diameter", [] { return SingleLayerTurns(1, 0, 0, 10); }, Kind::DivisionByZero);
    Fault("turns for a negative L", [] { return SingleLayerTurns(-1, 11, 0, 10); }, Kind::NegativeRoot);
    Fault("wire too thick for any L this small", [] { return CloseWoundWireDiameter(10, 100, 0.001L); },
          Kind::NegativeRoot);

    // Page-checked coils (six digits) and Wheeler's own inch formula
    // r²N²/(9r + 10l), which the rounded metric form keeps within 1.5 %.
    struct Coil {
        const char* name;
        Real W, Dk, Dp, J, microhenries;
        double within;
    };
    for (const Coil& c : {Coil{"10 turns, Dк 10 + Dп 1, J 10: 0.803453 µH", 10, 10, 1, 10, 0.803453L, 5e-6},
                          Coil{"J/D = 0.45, 30 turns on 20 mm: 19.7802 µH", 30, 19, 1, 9, 19.7802L, 5e-6},
                          Coil{"Wheeler: 10 turns, 1 in by 1 in: 1.72414 µH", 10, 24.4L, 1, 25.4L, 1.72414L, 0.015},
                          Coil{"Wheeler: 20 turns, 1 in by 2 in: 4.08163 µH", 20, 24.4L, 1, 50.8L, 4.08163L, 0.015}}) {
        Row(c.name, [c] { return SingleLayerInductance(c.W, c.Dk, c.Dp, c.J); }, c.microhenries, c.within);
        SingleLayerRoundTrips(c.name, c.W, c.Dk, c.Dp, c.J);
    }
    for (const Coil& c : {Coil{"close wound 10 × 1 mm on 10 mm: 0.803453 µH", 10, 10, 1, 0, 0.803453L, 5e-6},
                          Coil{"close wound 25 × 0.3 mm on 6 mm: 2.38568 µH", 25, 6, 0.3L, 0, 2.38568L, 5e-6},
                          Coil{"close wound 100 × 0.5 mm on 30 mm: 145.283 µH", 100, 30, 0.5L, 0, 145.283L, 5e-6}}) {
        const QByteArray coil(c.name);
        Row(coil, [c] { return SingleLayerInductance(c.W, c.Dk, c.Dp, CloseWoundLength(c.W, c.Dp)); }, c.microhenries,
            c.within);
        CloseWoundRoundTrips(coil, c.W, c.Dk, c.Dp);
        // The length the winding takes never counts as too short for its own turns.
        Row(coil + ": fits its own length",
            [c] { return Real(TurnsFit(c.W, c.Dp, static_cast<double>(CloseWoundLength(c.W, c.Dp)))); }, 1);
    }

    // Nagaoka's tables: K = 0.6884 for D/l = 1, 0.5255 for D/l = 2.
    Row("Nagaoka coefficient, D = l", [] { return NagaokaCoefficient(7, 7); }, 0.6884, 1e-4);
    Row("Nagaoka coefficient, D = 2l", [] { return NagaokaCoefficient(20, 10); }, 0.5255, 1e-4);
    Fault("Nagaoka coefficient of a sheet of no length", [] { return NagaokaCoefficient(10, 0); },
          Kind::DivisionByZero);
    // The single-layer coil above, mean diameter 10.5 mm.
    Row("10 turns on 10.5 mm, 5 mm: current sheet 1.1179 µH", [] { return NagaokaInductance(10, 10.5L, 5); }, 1.1179,
        1e-4);
    Row("the same of 0.5 mm wire, Rosa's correction: 1.0636 µH",
        [] { return NagaokaInductance(10, 10.5L, 5) - RosaCorrection(10, 10.5L, 5, 0.5L); }, 1.0636, 1e-4);
    Row("the same coil: Medhurst's 0.551 pF", [] { return MedhurstCapacitance(10.5L, 5); }, 0.551, 1e-3);
    Row("the same coil resonates by itself at 208 MHz",
        [] { return SelfResonance(1.0636274L, MedhurstCapacitance(10.5L, 5)); }, 207.873, 1e-5);
    Row("the same coil: 329.9 mm of wire", [] { return HelixWireLength(10, 10.5L, 5); }, 329.905, 1e-5);
    Row("329.9 mm of 0.5 mm copper: 0.02897 Ω", [] { return CopperResistance(329.905L, 0.5L); }, 0.028968, 1e-4);
    Row("copper skin at 10 MHz: 66.1/√f mm", [] { return CopperSkinDepth(10); }, 0.0209, 1e-3);
    Row("skin deeper than the wire's radius leaves the DC resistance",
        [] { return CopperSkinResistance(329.905L, 0.5L, 0.01L); }, 0.028968, 1e-4);
    Row("the same coil at 14 MHz: Q about 457",
        [] { return CoilQ(1.0636274L, CopperSkinResistance(329.905L, 0.5L, 14), 14); }, 457, 0.1);

    Row("multilayer 100 turns, 20/10 mm, 10 mm long: 97.297 µH",
        [] { return MultilayerInductance(100, 20, 10, 10); }, 97.297297, 1e-7);
    Row("multilayer 100 turns, 20 a row of 0.5 mm on 10 mm: 81.967 µH",
        [] { return MultilayerInductanceFromWinding(100, 20, 0.5, 10); }, 81.967213, 1e-7);
    Row("multilayer 100 turns, 20/10 mm, 10 mm: turns back",
        [] { return MultilayerTurns(MultilayerInductance(100, 20, 10, 10), 20, 10, 10); }, 100);
    Row("multilayer 1500 turns, 30/8 mm, 12 mm: turns back",
        [] { return MultilayerTurns(MultilayerInductance(1500, 30, 8, 12), 30, 8, 12); }, 1500);
    Fault("multilayer turns for a negative inductance",
          [] { return MultilayerTurns(-1, 20, 10, 10); }, Kind::NegativeRoot);

    Row("wire 100 mm of 1 mm: 0.0998293 µH", [] { return WireInductance(100, 1); }, 0.0998293, 1e-6);
    Row("wire shorter than e·D/4 has a negative inductance", [] { return Real(WireInductance(0.5, 1) < 0); }, 1);
    WireRoundTrips("wire 100 mm of 1 mm", 100, 1);
    WireRoundTrips("wire just above e·D/4", 0.7L, 1);
    WireRoundTrips("wire 12345.678 mm of 0.35 mm", 12345.678L, 0.35L);
    WireRoundTrips("wire 0.5 mm of 0.001 mm", 0.5L, 0.001L);
    WireRoundTrips("wire 1E15 mm, past the search's top decade", 1e15L, 1);
    WireRoundTrips("wire 1E30 mm", 1e30L, 1);
    WireRoundTrips("wire 1E308 mm, near the largest double", 1e308L, 1);
    Fault("wire length for more inductance than a double of length gives",
          [] { return WireLength(1e308L, 1); }, Kind::Overflow);
}

void CoreInductorsTest::ringAndTransformer_data()
{
    AddColumns();
    Row("ring 10 turns, µ 2000, 20/10 mm, 5 mm high: 133.33 µH",
        [] { return RingInductance(10, 2000, 20, 10, 5); }, 133.33333, 1e-7);
    RingRoundTrips("ring 10 turns, µ 2000, 20/10 × 5 mm", 10, 2000, 20, 10, 5);
    Row("К20×10×5 of µ 2000 taken exactly: AL 1386.3 nH", [] { return ToroidInductanceFactor(2000, 20, 10, 5); },
        1386.2943611, 1e-9);
    Row("the same, 10 turns: 138.63 µH", [] { return ToroidInductance(10, 2000, 20, 10, 5); }, 138.62943611, 1e-9);
    Row("AL 1386.3 nH: 8.49 turns for 100 µH", [] { return TurnsForInductance(100, 1386.2943611L); }, 8.4932180, 1e-7);
    Row("10 turns on К20×10×5 measuring 138.63 µH: µ 2000",
        [] { return ToroidPermeability(138.63L, 10, 20, 10, 5); }, 2000, 1e-5);
    Row("К32×16×8 of µ 600, 37 turns: permeability back",
        [] { return ToroidPermeability(ToroidInductance(37, 600, 32, 16, 8), 37, 32, 16, 8); }, 600);
    Fault("ring with no inner diameter", [] { return ToroidInductanceFactor(2000, 20, 0, 5); }, Kind::DivisionByZero);
    RingRoundTrips("ring 37 turns, µ 600, 32/16 × 8 mm", 37, 600, 32, 16, 8);
    Fault("ring whose turns and µ give Dн/Dв no ratio: H·µ·W² = 2500·L",
          [] { return RingOuterDiameter(400, 10, 2000, 10, 5); }, Kind::DivisionByZero);

    // Core 2 × 2 cm, 110 V in, 12 V at 1 A out.
    const Real S = CoreArea(2, 2);
    const Real P = LoadPower(12, 1);
    Row("transformer 2 × 2 cm: 1375 primary turns at 110 V", [=] { return WindingTurns(110, S); }, 1375);
    Row("transformer 2 × 2 cm: 150 secondary turns at 12 V", [=] { return WindingTurns(12, S); }, 150);
    Row("transformer 12 W at 110 V: primary wire 0.2089 mm",
        [=] { return WindingWireDiameter(PrimaryCurrent(P, 110)); }, 0.2089, 1e-4);
    Row("transformer 1 A: secondary wire 0.6325 mm", [] { return WindingWireDiameter(1); }, 0.6325, 1e-4);
    Row("transformer 12 V at 1 A: 12 W", [=] { return P; }, 12);
    Row("transformer core 4 cm² carries at most 11.1 W", [=] { return CorePowerLimit(S); }, 11.1, 1e-2);
    Row("transformer core for 12 W: 4.157 cm²", [=] { return CoreAreaFor(P); }, 4.1569219, 1e-7);
    Row("transformer core 4 cm²: power limit and back", [=] { return CoreAreaFor(CorePowerLimit(S)); }, S);
    Fault("transformer core of no area", [] { return WindingTurns(220, CoreArea(0, 2)); }, Kind::DivisionByZero);
}

QTEST_GUILESS_MAIN(CoreInductorsTest)
#include "test_core_inductors.moc"
