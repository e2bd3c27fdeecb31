#include "engineering/colour_codes.h"

#include <QTest>

#include <cmath>

// Colour codes without a window: bands read as values, values written as
// bands, and each written value read back from its bands. The writers take
// the entry apart character by character, so a value read back equals the
// typed one within the rounding of one product (1e-12 relative).

using namespace engineering;

namespace {

enum Outcome { Refused, Drawn, OutOfRange };

struct Written {
    Outcome outcome;
    int bandCount;
    Marking marking;
};

std::u16string_view Characters(const QString& entry)
{
    return {QStringView(entry).utf16(), static_cast<std::size_t>(entry.size())};
}

Outcome OutcomeOf(MarkingStep step)
{
    switch (step) {
    case MarkingStep::Refused: return Refused;
    case MarkingStep::OutOfRange: return OutOfRange;
    default: return Drawn;
    }
}

// Writes an entry as the resistor tab does: a value that needs another band
// count is written again under that count.
Written WriteResistor(const QString& entry, QChar mark, int bandCount, int unit)
{
    Marking marking;
    for (int pass = 0; pass < 3; ++pass) {
        const MarkingStep step = MarkResistor(Characters(entry), mark.unicode(), bandCount, unit, marking);
        if (step == MarkingStep::NeedsFiveBands)
            bandCount = 5;
        else if (step == MarkingStep::NeedsFourBands)
            bandCount = 4;
        else
            return {OutcomeOf(step), bandCount, marking};
    }
    return {Refused, 0, marking};
}

// The digits of the digit bands as text, and as the number they spell.
QString DigitText(const Marking& marking, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(marking.digits[static_cast<std::size_t>(i)]);
    return text;
}

double InBaseUnit(double value, int unit)
{
    return value * std::pow(1000.0, unit);
}

// The number an entry stands for, in the base unit.
double TypedValue(QString entry, QChar mark, int unit)
{
    return InBaseUnit(entry.replace(mark, u'.').toDouble(), unit);
}

bool Close(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

const QStringList kResistorUnits{QStringLiteral("Ohm"), QStringLiteral("kOhm"), QStringLiteral("MOhm"),
                                 QStringLiteral("GOhm")};
const QStringList kInductorUnits{QStringLiteral("uH"), QStringLiteral("mH"), QStringLiteral("H"),
                                 QStringLiteral("kH")};

} // namespace

class CoreCodesTest : public QObject {
    Q_OBJECT

private slots:
    void bandReadings_data();
    void bandReadings();
    void resistorBands_data();
    void resistorBands();
    void inductorBands_data();
    void inductorBands();
};

void CoreCodesTest::bandReadings_data()
{
    QTest::addColumn<bool>("inductor");
    QTest::addColumn<int>("digits");
    QTest::addColumn<bool>("threeDigitBands");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::newRow("brown black red: 1 kOhm") << false << 10 << false << 2 << 1.0 << 1;
    QTest::newRow("yellow violet red: 4.7 kOhm") << false << 47 << false << 2 << 4.7 << 1;
    QTest::newRow("black green red: 500 Ohm") << false << 5 << false << 2 << 500.0 << 0;
    QTest::newRow("red multiplier alone: 0 Ohm") << false << 0 << false << 2 << 0.0 << 0;
    QTest::newRow("brown black silver: 0.1 Ohm") << false << 10 << false << 11 << 0.1 << 0;
    QTest::newRow("yellow violet orange brown: 4.73 kOhm") << false << 473 << true << 1 << 4.73 << 1;
    QTest::newRow("brown black black grey: 10 GOhm") << false << 100 << true << 8 << 10.0 << 3;
    QTest::newRow("white white white white: 999 GOhm") << false << 999 << true << 9 << 999.0 << 3;
    QTest::newRow("inductor brown black red: 1 mH") << true << 10 << false << 2 << 1.0 << 1;
    QTest::newRow("inductor yellow violet gold: 4.7 uH") << true << 47 << false << 10 << 4.7 << 0;
    QTest::newRow("inductor red red grey: 2.2 kH") << true << 22 << false << 8 << 2.2 << 3;
}

void CoreCodesTest::bandReadings()
{
    QFETCH(bool, inductor);
    QFETCH(int, digits);
    QFETCH(bool, threeDigitBands);
    QFETCH(int, multiplier);
    QFETCH(double, value);
    QFETCH(int, unit);
    const ScaledValue read = inductor ? InductorValue(digits, multiplier)
                                      : ResistorValue(digits, multiplier, threeDigitBands);
    QVERIFY2(Close(read.value, value), qPrintable(QString::number(read.value, 'g', 17)));
    QCOMPARE(read.unit, unit);
}

void CoreCodesTest::resistorBands_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("drawnBands");  // 0: refused; -1: any count
    QTest::addColumn<QString>("digits");  // empty: only read back
    QTest::addColumn<int>("multiplier");
    QTest::newRow("47 Ohm: yellow violet black") << "47" << 0 << 4 << 4 << "47" << 0;
    QTest::newRow("470 Ohm: yellow violet brown") << "470" << 0 << 4 << 4 << "47" << 1;
    QTest::newRow("471 Ohm needs 5 bands: yellow violet brown black") << "471" << 0 << 4 << 5 << "471" << 0;
    QTest::newRow("4,7 Ohm: yellow violet gold") << "4,7" << 0 << 4 << 4 << "47" << kGoldBand;
    QTest::newRow("4,7 Ohm, 5 bands: yellow violet black silver") << "4,7" << 0 << 5 << 5 << "470" << kSilverBand;
    QTest::newRow("0,5 Ohm needs 4 bands: green black silver") << "0,5" << 0 << 5 << 4 << "50" << kSilverBand;
    QTest::newRow("0,1 Ohm from 6 bands to 4") << "0,1" << 0 << 6 << 4 << "10" << kSilverBand;
    QTest::newRow("4,7 kOhm: yellow violet red") << "4,7" << 1 << 4 << 4 << "47" << 2;
    QTest::newRow("12,5 kOhm, 5 bands: brown red green red") << "12,5" << 1 << 5 << 5 << "125" << 2;
    QTest::newRow("0 Ohm: black black gold") << "0" << 0 << 4 << 4 << "00" << kGoldBand;
    QTest::newRow("9,9 GOhm: white white grey") << "9,9" << 3 << 4 << 4 << "99" << 8;
    QTest::newRow("990 GOhm needs 5 bands: white white black white") << "990" << 3 << 4 << 5 << "990" << 9;
    QTest::newRow("999 GOhm needs 5 bands: white white white white") << "999" << 3 << 4 << 5 << "999" << 9;
    QTest::newRow("047 Ohm needs 5 bands: black yellow violet black") << "047" << 0 << 4 << 5 << "047" << 0;
    for (const char* refused : {"1234", "1,23", "12,", "1,", ""})
        QTest::newRow(qPrintable(QStringLiteral("%1 refused").arg(QLatin1String(refused))))
            << refused << 0 << 4 << 0 << "" << 0;
    // Every form in every unit with every band count reads back as typed.
    for (const char* entry : {"0", "1", "47", "470", "471", "0,5", "4,7", "12,5", "990"}) {
        for (int unit = 0; unit < 4; ++unit) {
            for (int bands = 4; bands <= 6; ++bands) {
                const QString name = QStringLiteral("%1 %2, %3 bands read back")
                                         .arg(QLatin1String(entry), kResistorUnits[unit])
                                         .arg(bands);
                QTest::newRow(qPrintable(name)) << entry << unit << bands << -1 << "" << 0;
            }
        }
    }
}

void CoreCodesTest::resistorBands()
{
    QFETCH(QString, entry);
    QFETCH(int, unit);
    QFETCH(int, bandCount);
    QFETCH(int, drawnBands);
    QFETCH(QString, digits);
    QFETCH(int, multiplier);
    for (const QChar mark : {QChar(u','), QChar(u'.')}) {
        const QString typed = QString(entry).replace(u',', mark);
        const Written written = WriteResistor(typed, mark, bandCount, unit);
        if (drawnBands == 0) {
            QCOMPARE(int(written.outcome), int(Refused));
            continue;
        }
        QCOMPARE(int(written.outcome), int(Drawn));
        const int digitBands = written.bandCount == 4 ? 2 : 3;
        if (drawnBands > 0) {
            QCOMPARE(written.bandCount, drawnBands);
            QCOMPARE(DigitText(written.marking, digitBands), digits);
            QCOMPARE(written.marking.multiplierCode, multiplier);
        }
        const ScaledValue read = ResistorValue(DigitText(written.marking, digitBands).toInt(),
                                               written.marking.multiplierCode, digitBands == 3);
        const double back = InBaseUnit(read.value, read.unit);
        QVERIFY2(Close(back, TypedValue(typed, mark, unit)), qPrintable(QString::number(back, 'g', 17)));
    }
}

void CoreCodesTest::inductorBands_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("digits");  // empty: only read back
    QTest::addColumn<int>("multiplier");
    QTest::newRow("47 uH: yellow violet black") << "47" << 0 << int(Drawn) << "47" << 0;
    QTest::newRow("4,7 mH: yellow violet red") << "4,7" << 1 << int(Drawn) << "47" << 2;
    QTest::newRow("0,5 uH: green black silver") << "0,5" << 0 << int(Drawn) << "50" << kSilverBand;
    QTest::newRow("220 uH: red red brown") << "220" << 0 << int(Drawn) << "22" << 1;
    QTest::newRow("5 H: green black green") << "5" << 2 << int(Drawn) << "50" << 5;
    QTest::newRow("05 uH: black green black") << "05" << 0 << int(Drawn) << "05" << 0;
    QTest::newRow("0 uH: black black gold") << "0" << 0 << int(Drawn) << "00" << kGoldBand;
    QTest::newRow("220 kH is out of range") << "220" << 3 << int(OutOfRange) << "" << 0;
    for (const char* refused : {"123", "1,", "12,"})
        QTest::newRow(qPrintable(QStringLiteral("%1 refused").arg(QLatin1String(refused))))
            << refused << 0 << int(Refused) << "" << 0;
    for (const char* entry : {"0", "1", "47", "0,5", "4,7", "220"}) {
        for (int unit = 0; unit < 4; ++unit) {
            if (QLatin1String(entry) == QLatin1String("220") && unit == 3)
                continue;
            const QString name =
                QStringLiteral("%1 %2 read back").arg(QLatin1String(entry), kInductorUnits[unit]);
            QTest::newRow(qPrintable(name)) << entry << unit << int(Drawn) << "" << 0;
        }
    }
}

void CoreCodesTest::inductorBands()
{
    QFETCH(QString, entry);
    QFETCH(int, unit);
    QFETCH(int, outcome);
    QFETCH(QString, digits);
    QFETCH(int, multiplier);
    for (const QChar mark : {QChar(u','), QChar(u'.')}) {
        const QString typed = QString(entry).replace(u',', mark);
        Marking marking;
        QCOMPARE(int(OutcomeOf(MarkInductor(Characters(typed), mark.unicode(), unit, marking))), outcome);
        if (outcome != Drawn)
            continue;
        if (!digits.isEmpty()) {
            QCOMPARE(DigitText(marking, 2), digits);
            QCOMPARE(marking.multiplierCode, multiplier);
        }
        const ScaledValue read = InductorValue(DigitText(marking, 2).toInt(), marking.multiplierCode);
        const double back = InBaseUnit(read.value, read.unit);
        QVERIFY2(Close(back, TypedValue(typed, mark, unit)), qPrintable(QString::number(back, 'g', 17)));
    }
}

QTEST_GUILESS_MAIN(CoreCodesTest)
#include "test_core_codes.moc"
