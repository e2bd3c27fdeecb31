// The formulas of the circuit pages without a window: published and
// page-checked values, and round trips (solve each unknown from the others
// and get the inputs back).

#include "engineering/errors.h"
#include "engineering/filter_sections.h"
#include "engineering/oscillating_circuit.h"

#include <QTest>

#include <cmath>
#include <functional>

using engineering::Real;
using Kind = engineering::ArithmeticError::Kind;

namespace {

// Closed forms in long double lose nothing a double can show; a round trip
// must give its input back within this.
constexpr double RoundTrip = 1e-12;
// Published and page-checked values are rounded to six digits.
constexpr double SixDigits = 5e-6;

bool Near(Real actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

QByteArray Differ(Real actual, double expected)
{
    return QByteArray::number(static_cast<double>(actual), 'g', 17) + " instead of "
        + QByteArray::number(expected, 'g', 17);
}

#define NEAR(actual, expected, relative) \
    QVERIFY2(Near((actual), (expected), (relative)), Differ((actual), (expected)).constData())

enum Section { LowPassLc, HighPassLc, Rc };

} // namespace

class CoreCircuits : public QObject {
    Q_OBJECT

private slots:
    void resonance_data();
    void resonance();
    void wave_data();
    void wave();
    void filterSection_data();
    void filterSection();
    void noAnswer_data();
    void noAnswer();
};

void CoreCircuits::resonance_data()
{
    QTest::addColumn<double>("henries");
    QTest::addColumn<double>("farads");
    QTest::addColumn<double>("hertz");
    QTest::newRow("10 µH with 100 pF: 5.03292 MHz") << 10e-6 << 100e-12 << 5.03292e6;
    QTest::newRow("1 µH at 1 MHz takes 25330.3 pF") << 1e-6 << 25330.3e-12 << 1e6;
    QTest::newRow("1 mH with 1 µF: 5032.92 Hz") << 1e-3 << 1e-6 << 5032.92;
    QTest::newRow("5 µH at 7.1 MHz takes 100.497 pF") << 5e-6 << 100.497e-12 << 7.1e6;
    QTest::newRow("1 H at 50 Hz takes 10.1321 µF") << 1.0 << 10.1321e-6 << 50.0;
    QTest::newRow("1 nH at 1 GHz takes 25.3303 pF") << 1e-9 << 25.3303e-12 << 1e9;
}

void CoreCircuits::resonance()
{
    QFETCH(double, henries);
    QFETCH(double, farads);
    QFETCH(double, hertz);
    const Real f = engineering::ResonantFrequency(henries, farads);
    NEAR(f, hertz, SixDigits);
    NEAR(engineering::ResonantPartner(henries, f), farads, RoundTrip);
    NEAR(engineering::ResonantPartner(farads, f), henries, RoundTrip);
}

void CoreCircuits::wave_data()
{
    QTest::addColumn<double>("hertz");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("metres");
    QTest::newRow("1 MHz: 1 µs, 300 m") << 1e6 << 1e-6 << 300.0;
    QTest::newRow("5.03292 MHz: 0.198692 µs, 59.6075 m") << 5.03292121e6 << 0.198692e-6 << 59.6075;
    QTest::newRow("7.1 MHz: 140.845 ns, 42.2535 m") << 7.1e6 << 140.845e-9 << 42.2535;
    QTest::newRow("145 MHz: 6.89655 ns, 2.06897 m") << 145e6 << 6.89655e-9 << 2.06897;
    QTest::newRow("50 Hz: 20 ms, 6000 km") << 50.0 << 0.02 << 6e6;
}

void CoreCircuits::wave()
{
    QFETCH(double, hertz);
    QFETCH(double, seconds);
    QFETCH(double, metres);
    const Real period = engineering::Period(hertz);
    const Real wavelength = engineering::Wavelength(hertz);
    NEAR(period, seconds, SixDigits);
    NEAR(wavelength, metres, SixDigits);
    NEAR(engineering::FrequencyOfPeriod(period), hertz, RoundTrip);
    NEAR(engineering::FrequencyOfWavelength(wavelength), hertz, RoundTrip);
}

void CoreCircuits::filterSection_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<double>("element");  // L in henries or R in ohms
    QTest::addColumn<double>("farads");
    QTest::addColumn<double>("cutOff");
    QTest::newRow("low-pass LC, 10 µH and 100 pF: 10.0658 MHz") << int(LowPassLc) << 10e-6 << 100e-12 << 10.0658424e6;
    QTest::newRow("high-pass LC, 10 µH and 100 pF: 2.51646 MHz") << int(HighPassLc) << 10e-6 << 100e-12 << 2.51646061e6;
    QTest::newRow("low-pass LC, 1 mH and 10 nF: 100.658 kHz") << int(LowPassLc) << 1e-3 << 10e-9 << 100.658424e3;
    QTest::newRow("RC, 1 kΩ and 100 nF: 1591.55 Hz") << int(Rc) << 1e3 << 100e-9 << 1591.54943;
    QTest::newRow("RC, 10 kΩ and 1 nF: 15.9155 kHz") << int(Rc) << 10e3 << 1e-9 << 15915.4943;
}

void CoreCircuits::filterSection()
{
    using namespace engineering;
    QFETCH(int, section);
    QFETCH(double, element);
    QFETCH(double, farads);
    QFETCH(double, cutOff);
    if (section == Rc) {
        const Real fc = RcCutOff(element, farads);
        NEAR(fc, cutOff, SixDigits);
        NEAR(RcPartner(element, fc), farads, RoundTrip);
        NEAR(RcPartner(farads, fc), element, RoundTrip);
        return;
    }
    const Real k = LcConstant(section == LowPassLc ? FilterPass::LowPass : FilterPass::HighPass);
    const Real fc = LcFrequency(k, element, farads);
    NEAR(fc, cutOff, SixDigits);
    NEAR(LcPartner(k, element, fc), farads, RoundTrip);
    NEAR(LcPartner(k, farads, fc), element, RoundTrip);
}

void CoreCircuits::noAnswer_data()
{
    QTest::addColumn<std::function<Real()>>("formula");
    QTest::addColumn<int>("kind");
    using namespace engineering;
    const auto row = [](const char* name, std::function<Real()> formula, Kind kind) {
        QTest::newRow(name) << formula << int(kind);
    };
    row("resonance of a negative L", [] { return ResonantFrequency(-1e-6L, 100e-12L); }, Kind::NegativeRoot);
    row("partner at 0 Hz", [] { return ResonantPartner(1e-6L, 0); }, Kind::DivisionByZero);
    row("RC cut-off without R", [] { return RcCutOff(0, 1e-9L); }, Kind::DivisionByZero);
    row("wavelength of 0 Hz", [] { return Wavelength(0); }, Kind::DivisionByZero);
}

void CoreCircuits::noAnswer()
{
    QFETCH(std::function<Real()>, formula);
    QFETCH(int, kind);
    try {
        const Real value = formula();
        QFAIL(qPrintable(QStringLiteral("gave %1").arg(static_cast<double>(value))));
    } catch (const engineering::ArithmeticError& fault) {
        QCOMPARE(int(fault.kind()), kind);
    }
}

QTEST_GUILESS_MAIN(CoreCircuits)
#include "test_core_circuits.moc"
