// What every computation page shares, one row per page: a number typed with
// either decimal separator is read and shown with the program's; text that
// is not a number is reported once and leaves the results alone; "Очистить"
// brings the page back to how it opened and forgets what was solved.

#include "support/page_script.h"

#include <memory>

using Steps = QStringList;

namespace {

// A page by its menu item, its sheet and the steps that bring it to its start.
struct Page {
    const char* menuItem;
    const char* sheet;
    QStringList reset;
};

const Page Oscillating{"N7", "TS1", {"click LCFButton"}};
const Page BandPass{"N15", "TS5", {"item FPRG1 0", "click FPButton"}};
const Page SingleLayer{"N18", "TS7", {"click L1Button"}};
const Page Multilayer{"N19", "TS8", {"uncheck L2CB1"}};
const Page Wire{"N25", "TS10", {"click L4Button"}};
const Page Ferrite{"N26", "TS11", {"click LTorButton"}};
const Page Mains{"N27", "TS12", {"click TrButton"}};
const Page OhmsLaw{"N32", "TS15", {"click OmButton"}};
const Page Parallel{"R1R21", "TS16", {"click RRButton"}};
const Page Added{"N33", "TS17", {"click RDButton"}};
const Page Quenching{"N34", "TS18", {"click CDButton"}};
const Page StarDelta{"N24", "TS21", {"click RabcButton"}};
const Page Divider{"N38", "TS22", {"click R1R2EUIButton"}};
const Page Reactance{"LC1", "TS23", {"click RLCFLButton", "click RLCFCButton"}};
const Page Ammeter{"N39", "TS24", {"click RshButton1"}};
const Page Voltmeter{"N40", "TS25", {"click RoButton1"}};
const Page Extended{"N8", "TS26", {"click TS26Button1", "click TS26Button2", "click TS26Button3", "uncheck TS26ChB1"}};
const Page StandardValues{"NESeries", "TSESeries", {"click ESButton"}};
const Page Designer{"NFilterDesign", "TSFilterDesign", {"click FDButton"}};

void Columns()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("reset");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("steps");
}

void Row(const char* name, const Page& page, QChar separator, const Steps& steps)
{
    QTest::newRow(name) << QString::fromLatin1(page.menuItem) << QString::fromLatin1(page.sheet) << page.reset
                        << separator << steps;
}

void Row(const char* name, const Page& page, const Steps& steps)
{
    Row(name, page, QChar(u'.'), steps);
}

} // namespace

class EveryPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void bothSeparators_data();
    void bothSeparators() { play(); }
    void badNumberReportedOnce_data();
    void badNumberReportedOnce() { play(); }
    void clearRestores_data();
    void clearRestores() { play(); }

private:
    void play();

    std::unique_ptr<testing::PageFixture> window_;
};

void EveryPageTest::initTestCase()
{
    window_ = std::make_unique<testing::PageFixture>(QStringLiteral("N7"));
}

// Opens the row's page, brings it to its start, and plays the steps under
// the row's separator.
void EveryPageTest::play()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, sheet);
    QFETCH(QStringList, reset);
    QFETCH(QChar, separator);
    QFETCH(QStringList, steps);
    const testing::DecimalSeparatorScope scope(separator);
    window_->open(menuItem);
    const QString unsettled = testing::RunSteps(*window_, sheet, reset);
    QVERIFY2(unsettled.isEmpty(), qPrintable(unsettled));
    const QString failure = testing::RunSteps(*window_, sheet, steps);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void EveryPageTest::bothSeparators_data()
{
    Columns();
    const QChar point(u'.');
    const QChar comma(u',');
    for (const auto& [name, separator, typed, shown, voltage, power] : {
             std::tuple{"ohm's law: point typed as point", point, "2.5", "2.5", "7.5", "18.75"},
             std::tuple{"ohm's law: comma typed where point is used", point, "2,5", "2.5", "7.5", "18.75"},
             std::tuple{"ohm's law: comma typed as comma", comma, "2,5", "2,5", "7,5", "18,75"},
             std::tuple{"ohm's law: point typed where comma is used", comma, "2.5", "2,5", "7,5", "18,75"}})
        Row(name, OhmsLaw, separator,
            {QString("type OmI ") + typed, "type OmRn 3", QString("text OmI ") + shown, QString("text OmV ") + voltage,
             QString("text OmW ") + power});
    Row("single-layer coil: point", SingleLayer, point,
        {"type LW1 10", "type LDk1 10", "type LDp1 0,5", "text LDp1 0.5", "type LJ1 5", "contains LL1 .",
         "digits LL1 12 1.1215666327568667", "text LLabel1 0.45 < {0.47619047619047616} < 2.5"});
    Row("multilayer coil: point", Multilayer, point,
        {"click L2CB1", "type L2Dn 20", "type L2Dv 0,5", "text L2Dv 0.5", "type L2J 10", "type L2W 100",
         "contains L2L .", "digits L2L 12 81.9672131147541"});
    Row("wire: point", Wire, point,
        {"type L4J 100", "type L4D 0,5", "text L4D 0.5", "contains L4L .", "digits L4L 12 0.11369223455335854",
         "overtype L4J 0", "near L4J 100 1.0001e-5"});
    Row("ferrite ring: point", Ferrite, point,
        {"type LTorW 10", "type LTorM 2000", "type LTorDn 20", "type LTorDv 10", "type LTorH 2,5", "text LTorH 2.5",
         "formatted LTorL", "contains LTorL .", "digits LTorL 12 66.66666666666667"});
    Row("mains transformer: point", Mains, point,
        {"type TrL 2,5", "text TrL 2.5", "type TrT 2", "type TrU2 12", "type TrI2 1.5", "text TrLabel6 2200",
         "text TrLabel9 {0.7745966692414834} мм", "contains TrLabel9 0.77", "text TrLabel10 18 Ват"});
    Row("single-layer coil: comma", SingleLayer, comma,
        {"type LW1 10", "type LDk1 10", "type LDp1 0.5", "text LDp1 0,5", "type LJ1 5", "contains LL1 ,",
         "digits LL1 12 1.1215666327568667", "text LLabel1 0.45 < {0.47619047619047616} < 2.5",
         "contains LLabel1 0.45 < 0,47"});
    Row("multilayer coil: comma", Multilayer, comma,
        {"click L2CB1", "type L2Dn 20", "type L2Dv 0.5", "text L2Dv 0,5", "type L2J 10", "type L2W 100",
         "contains L2L ,", "digits L2L 12 81.9672131147541"});
    Row("wire: comma", Wire, comma,
        {"type L4J 100", "type L4D 0.5", "text L4D 0,5", "contains L4L ,", "digits L4L 12 0.11369223455335854",
         "overtype L4J 0", "near L4J 100 1.0001e-5"});
    Row("ferrite ring: comma", Ferrite, comma,
        {"type LTorW 10", "type LTorM 2000", "type LTorDn 20", "type LTorDv 10", "type LTorH 2.5",
         "text LTorH 2,5", "formatted LTorL", "contains LTorL ,", "digits LTorL 12 66.66666666666667"});
    Row("mains transformer: comma", Mains, comma,
        {"type TrL 2.5", "text TrL 2,5", "type TrT 2", "type TrU2 12", "type TrI2 1,5", "text TrLabel6 2200",
         "text TrLabel9 {0.7745966692414834} мм", "contains TrLabel9 0,77", "text TrLabel10 18 Ват"});
    // Read-outs beside the pages' own fields: the figure in the result colour,
    // read-only, and a flat 0 again after "Очистить".
    const Steps coil{"type LW1 10", "type LDk1 10", "type LDp1 0.5", "type LJ1 5", "type L1QFreq 14"};
    const Steps ring{"type LTorW 10", "type LTorM 2000", "type LTorDn 20", "type LTorDv 10", "type LTorH 5",
                     "type LTorCatalogAL 1386.3", "type LTorWantedL 100", "type LTorMeasuredL 138.63"};
    const Steps dropper{"click CDBridge", "type CDUn 12", "type CDUv 220", "type CDF 50", "type CDC 1"};
    for (const auto& [page, typed, readOut, value, clear] : {
             std::tuple{&SingleLayer, coil, "L1Nagaoka", "1.1179408147516792", "L1Button"},
             std::tuple{&SingleLayer, coil, "L1Rosa", "1.0636274552587206", "L1Button"},
             std::tuple{&SingleLayer, coil, "L1SelfC", "0.5511305307544707", "L1Button"},
             std::tuple{&SingleLayer, coil, "L1SRF", "207.87302067678775", "L1Button"},
             std::tuple{&SingleLayer, coil, "L1WireLength", "329.90512048467843", "L1Button"},
             std::tuple{&SingleLayer, coil, "L1WireR", "0.02896884451115249", "L1Button"},
             std::tuple{&SingleLayer, coil, "L1Q", "440.23013360079767", "L1Button"},
             std::tuple{&Ferrite, ring, "LTorExactL", "138.62943611198907", "LTorButton"},
             std::tuple{&Ferrite, ring, "LTorAL", "1386.2943611198905", "LTorButton"},
             std::tuple{&Ferrite, ring, "LTorCatalogW", "8.4932007294593", "LTorButton"},
             std::tuple{&Ferrite, ring, "LTorMeasuredM", "2000.0081351843698", "LTorButton"},
             std::tuple{&Quenching, dropper, "CDIn", "0.05982539674441618", "CDButton"},
             std::tuple{&Quenching, dropper, "CDRating", "342.239682094289", "CDButton"}}) {
        for (const QChar separator : {point, comma}) {
            const QString name = QStringLiteral("read-out %1: %2").arg(readOut, separator);
            const QString r = QString::fromLatin1(readOut);
            Row(name.toUtf8().constData(), *page, separator,
                typed + Steps{"digits " + r + " 10 " + value, "contains " + r + " " + separator, "colour " + r + " yellow",
                              "readonly " + r, QStringLiteral("click ") + clear, "text " + r + " 0",
                              "colour " + r + " window", r == "CDIn" ? "editable CDIn" : "readonly " + r});
        }
    }
    Row("parallel: point", Parallel, point, {"type RRR1 1,5", "type RRR2 1,5", "text RRR12 0.75"});
    Row("parallel: comma", Parallel, comma, {"type RRR1 1.5", "type RRR2 1.5", "text RRR12 0,75"});
    Row("added resistor: point", Added, point,
        {"type RDUv 12", "type RDU 5", "type RDI 0,1", "text RDR 70", "text RDLabel2 W = 0.7"});
    Row("added resistor: comma", Added, comma,
        {"type RDUv 12", "type RDU 5", "type RDI 0.1", "text RDR 70", "text RDLabel2 W = 0,7"});
    Row("quenching capacitor: point", Quenching, point,
        {"type CDUn 12", "type CDUv 220", "type CDF 50", "type CDC 0,5", "text CDC 0.5", "shows CDIn 0.03450607301544788",
         "contains CDIn ."});
    Row("quenching capacitor: comma", Quenching, comma,
        {"type CDUn 12", "type CDUv 220", "type CDF 50", "type CDC 0.5", "text CDC 0,5", "shows CDIn 0.03450607301544788",
         "contains CDIn ,"});
    Row("star-delta: point", StarDelta, point,
        {"type RabcRab 7,5", "type RabcRbc 7,5", "type RabcRca 7,5", "text RabcRa 2.5", "text RabcRb 2.5",
         "text RabcRc 2.5"});
    Row("star-delta: comma", StarDelta, comma,
        {"type RabcRab 7.5", "type RabcRbc 7.5", "type RabcRca 7.5", "text RabcRa 2,5", "text RabcRb 2,5",
         "text RabcRc 2,5"});
    for (const auto& [name, separator, typed, output, current] : {
             std::tuple{"divider: point", point, "2.5", "1.25", "0.00125"},
             std::tuple{"divider: comma", comma, "2,5", "1,25", "0,00125"},
             std::tuple{"divider: comma typed as point", comma, "2.5", "1,25", "0,00125"}})
        Row(name, Divider, separator,
            {"item R1R2EUIRG1 2", "type R1R2EUIR1 1000", "type R1R2EUIR2 1000", QString("type R1R2EUIE ") + typed,
             QString("text R1R2EUIU ") + output, QString("text R1R2EUIL7 ") + current});
    for (const auto& [name, separator, typed, shown] : {
             std::tuple{"reactance: point", point, "0.5", "0.318309886183791"},
             std::tuple{"reactance: comma", comma, "0,5", "0,318309886183791"},
             std::tuple{"reactance: point typed where comma is the separator", comma, "0.5", "0,318309886183791"}})
        Row(name, Reactance, separator,
            {"type RLCFCC 1", QString("type RLCFCF ") + typed, QString("text RLCFCRxc ") + shown});
    for (const auto& [name, separator, typed, meter, source, power] : {
             std::tuple{"ammeter: point", point, "2.5", "0.1", "2.6", "2.5"},
             std::tuple{"ammeter: comma", comma, "2,5", "0,1", "2,6", "2,5"}})
        Row(name, Ammeter, separator,
            {"type RshRa 100", "choose RshIaCB мА", "type RshIa 1", "type RshI 1", QString("type RshU ") + typed,
             QString("text RshUa ") + meter, QString("text RshE ") + source, QString("text RshLabel7 ") + power});
    for (const auto& [name, separator, range, meter, power, drop] : {
             std::tuple{"voltmeter: point", point, "2.6", "0.1", "0.00025", "2.5"},
             std::tuple{"voltmeter: comma", comma, "2,6", "0,1", "0,00025", "2,5"}})
        Row(name, Voltmeter, separator,
            {"type RoRu 1000", "choose RoIuCB мкА", "type RoIu 100", QString("type RoE ") + range,
             QString("text RoUu ") + meter, "text RoR 25000", QString("text RoLabel2 ") + power,
             QString("text RoLabel4 ") + drop});
    for (const auto& [name, separator, typed, shown] : {
             std::tuple{"extended circuit: point", point, "2.5", "2.5"},
             std::tuple{"extended circuit: comma", comma, "2,5", "2,5"},
             std::tuple{"extended circuit: point typed where comma is the separator", comma, "2.5", "2,5"},
             std::tuple{"extended circuit: comma typed where point is the separator", point, "2,5", "2.5"}}) {
        // The frequency reaches the wave group as typed; the reading in the
        // tooltip takes the same separator.
        const QString sep = separator;
        Row(name, Extended, separator,
            {"type TS26L 10", QString("type TS26F ") + typed, QString("text TS26F ") + shown,
             "contains TS26C " + sep, "digits TS26C 12 405.2847345693511", QString("text TS26EditF ") + shown,
             "shows TS26EditJ 120", "tip TS26C ≈ 405" + sep + "3 пФ"});
    }
    for (const auto& [name, separator, typed] : {std::tuple{"extended coil: point", point, "0.5"},
                                                 std::tuple{"extended coil: comma", comma, "0,5"},
                                                 std::tuple{"extended coil: point where comma is the separator", comma, "0.5"}}) {
        const QString sep = separator;
        Row(name, Extended, separator,
            {"type TS26W 25", "type TS26Dk 6", QString("type TS26Dp ") + typed, "type TS26J 20",
             "text TS26Dp 0" + sep + "5", "contains TS26Ll " + sep, "digits TS26Ll 12 1.1485972161809481",
             "contains TS26Label1 < 3" + sep + "07"});
    }
    Row("standard values: point", StandardValues, point,
        {"type ESValue 70", "contains ESTable E12 | 68 Ом | 82 Ом | 68 Ом | −2.86 %",
         "contains ESTable E96 | 69.8 Ом | 71.5 Ом | 69.8 Ом | −0.29 %", "choose ESUnit пФ", "type ESValue 2533,03",
         "text ESValue 2533.03", "contains ESTable E24 | 2.4 нФ | 2.7 нФ | 2.4 нФ | −5.25 %",
         "contains ESTable E96 | 2.49 нФ | 2.55 нФ | 2.55 нФ | +0.67 %"});
    Row("standard values: comma", StandardValues, comma,
        {"type ESValue 70", "contains ESTable E12 | 68 Ом | 82 Ом | 68 Ом | −2,86 %",
         "contains ESTable E96 | 69,8 Ом | 71,5 Ом | 69,8 Ом | −0,29 %", "choose ESUnit пФ", "type ESValue 2533.03",
         "text ESValue 2533,03", "contains ESTable E24 | 2,4 нФ | 2,7 нФ | 2,4 нФ | −5,25 %",
         "contains ESTable E96 | 2,49 нФ | 2,55 нФ | 2,55 нФ | +0,67 %"});
    // The designer: the parts listed, and the losses plotted from them (frequencies in МГц).
    Row("filter designer: Butterworth 5 П 30 MHz, point", Designer, point,
        {"cell FDElements 0 0 C1", "cell FDElements 0 1 к земле", "cell FDElements 0 2 65.58 пФ",
         "cell FDElements 1 2 0.4292 мкГн", "cell FDElements 2 2 212.2 пФ", "cell FDElements 4 2 65.58 пФ",
         "curve FDPlot 0 29.999 30.001 3.005 3.015", "curve FDPlot 0 59.6 60.4 29.7 30.5",
         "copied FDElements L2\tв линии\t0.4292 мкГн\t0.4292 мкГн", "saved FDPlot png", "saved FDPlot svg",
         "choose FDSeries E24", "cell FDElements 0 3 68 пФ", "curve FDPlot 1 29.999 30.001 2 4.5"});
    Row("filter designer: Chebyshev 0.1 dB 5 П 30 MHz, comma", Designer, comma,
        {"choose FDResponse Чебышев", "type FDRipple 0.1", "text FDRipple 0,1", "cell FDElements 0 2 121,7 пФ",
         "cell FDElements 1 2 0,3637 мкГн", "cell FDElements 2 2 209,6 пФ", "curve FDPlot 0 0 30.001 0 0.1001"});
    Row("filter designer: band-pass Butterworth 3, 3.5 to 3.8 MHz, comma", Designer, comma,
        {"choose FDKind Полосовой", "spin FDOrder 3", "type FDF1 3,5", "type FDF2 3,8", "rows FDElements 6",
         "cell FDElements 0 1 к земле ∥ C1", "cell FDElements 3 1 в линии + L2",
         "curve FDPlot 0 3.4999 3.5001 2.96 3.06", "curve FDPlot 0 3.7999 3.8001 2.96 3.06"});
}

void EveryPageTest::badNumberReportedOnce_data()
{
    Columns();
    Row("wire", Wire,
        {"type L4J 100", "type L4D 12", "remember L4L", "insert L4J 1 -", "text L4J 1-00", "errors 1 1-00",
         "same L4L", "solved L4L"});
    Row("ferrite ring", Ferrite,
        {"type LTorW 10", "type LTorM 2000", "type LTorDn 20", "type LTorDv 10", "type LTorH 5", "remember LTorL",
         "insert LTorM 1 -", "text LTorM 2-000", "errors 1 2-000", "same LTorL", "solved LTorL"});
    Row("ohm's law", OhmsLaw,
        {"type OmI 25", "type OmRn 2", "text OmV 50", "insert OmI 1 -", "text OmI 2-5", "errors 1 2-5", "text OmV 50",
         "text OmW 1250", "solved OmV", "solved OmW"});
    Row("parallel", Parallel,
        {"type RRR1 12", "type RRR2 12", "text RRR12 6", "insert RRR2 1 +", "text RRR2 1+2", "errors 1", "text RRR12 6",
         "solved RRR12"});
    Row("added resistor", Added,
        {"type RDUv 12", "type RDU 5", "type RDI 0.1", "insert RDUv 1 -", "text RDUv 1-2", "errors 1", "shows RDR 70",
         "text RDLabel2 W = 0.7"});
    Row("quenching capacitor", Quenching,
        {"type CDUn 12", "type CDUv 220", "type CDF 50", "type CDC 1", "remember CDIn", "insert CDF 1 -", "text CDF 5-0",
         "errors 1", "same CDIn", "solved CDIn"});
    Row("star-delta", StarDelta,
        {"type RabcRab 30", "type RabcRbc 30", "type RabcRca 30", "insert RabcRbc 1 -", "text RabcRbc 3-0", "errors 1",
         "text RabcRa 10", "solved RabcRa", "text RabcRb 10", "solved RabcRb", "text RabcRc 10", "solved RabcRc"});
    Row("divider", Divider,
        {"item R1R2EUIRG1 2", "type R1R2EUIR1 1000", "type R1R2EUIR2 1000", "type R1R2EUIE 10", "remember R1R2EUIL1",
         "insert R1R2EUIR1 1 -", "text R1R2EUIR1 1-000", "errors 1 1-000", "text R1R2EUIU 5", "solved R1R2EUIU",
         "same R1R2EUIL1"});
    Row("reactance", Reactance,
        {"type RLCFLL 12", "type RLCFLF 1", "remember RLCFLRxl", "insert RLCFLL 1 -", "text RLCFLL 1-2",
         "errors 1 Индуктивность катушки L: «1-2» — не число", "same RLCFLRxl", "solved RLCFLRxl"});
    Row("ammeter", Ammeter,
        {"type RshRa 100", "choose RshIaCB мА", "type RshIa 1", "type RshI 1", "remember RshR", "insert RshRa 1 -",
         "text RshRa 1-00", "errors 1", "text RshUa 0.1", "same RshR"});
    Row("voltmeter", Voltmeter,
        {"type RoRu 1000", "choose RoIuCB мкА", "type RoIu 100", "type RoE 10", "insert RoRu 1 -", "text RoRu 1-000",
         "errors 1", "text RoUu 0.1", "text RoR 99000", "text RoLabel4 9.9"});
    // Text the filter lets through but that is no number, as a paste leaves it.
    Row("single-layer coil: pasted", SingleLayer,
        {"type LW1 10", "type LDk1 10", "type LDp1 0.5", "type LJ1 5", "remember LL1", "set LJ1 1-2",
         "errors 1 1-2", "same LL1", "text LJ1 1-2"});
    Row("multilayer coil: pasted, then cleared and the mode switched over it", Multilayer,
        {"click L2RB1", "type L2Dn 20", "type L2Dv 10", "type L2J 10", "type L2W 100", "remember L2L",
         "set L2Dn 1e5e3", "errors 1", "same L2L", "click L2Button", "errors 0", "text L2Dn 0", "set L2Dv 1e5e3",
         "errors 1", "click L2RB2", "text L2Dv 0", "errors 0"});
    Row("wire: pasted", Wire, {"type L4J 100", "type L4D 1", "remember L4L", "set L4D +-5", "errors 1", "same L4L"});
    Row("ferrite ring: pasted", Ferrite,
        {"type LTorW 10", "type LTorM 2000", "type LTorDn 20", "type LTorDv 10", "type LTorH 5", "remember LTorL",
         "set LTorH 5e1e2", "errors 1", "same LTorL"});
    Row("mains transformer: pasted, then cleared over it", Mains,
        {"type TrL 2", "type TrT 2", "type TrU2 12", "type TrI2 1", "remember TrLabel6", "remember TrLabel7",
         "remember TrLabel8", "remember TrLabel9", "remember TrLabel10", "set TrI2 1-2", "errors 1",
         "same TrLabel6", "same TrLabel7", "same TrLabel8", "same TrLabel9", "same TrLabel10", "click TrButton",
         "errors 0", "text TrI2 0"});
    const QString overflow = QStringLiteral("Нет решения: результат слишком велик");
    for (const auto& [name, separator, sep] : {std::tuple{"band-pass, point", QChar(u'.'), "."},
                                               std::tuple{"band-pass, comma", QChar(u','), ","}}) {
        const QStringList solved{"type FPL1 1.5", "type FPFc1 2", "type FPL2 10", "type FPFc2 1", "remember FPC1",
                                 "font FPLabel3 normal"};
        // Text that is no number is reported once; valid numbers without an
        // answer turn the solved field red instead, and nothing is reported.
        Row(name, BandPass, separator,
            solved + QStringList{"insert FPL1 1 -", QString("text FPL1 1-") + sep + "5", "errors 1", "same FPC1",
                                 "solved FPC1", "reason FPC1 ", "solved FPC2", "input FPL1", "font FPLabel3 normal"});
        Row(qPrintable(QString(name) + ": cut-off beyond the largest number"), BandPass, separator,
            solved + QStringList{"set FPFc1 1e-300", "errors 0", "same FPC1", "red FPC1", "reason FPC1 " + overflow,
                                 "solved FPC2", "input FPL1", "font FPLabel3 normal", "type FPFc1 2.5",
                                 "solved FPC1", "reason FPC1 "});
    }
    for (const auto& [name, separator] : {std::tuple{"oscillating circuit, point", QChar(u'.')},
                                          std::tuple{"oscillating circuit, comma", QChar(u',')}}) {
        const QString label(name);
        Row(qPrintable(label + ": text that does not convert"), Oscillating, separator,
            {"type LCFC 100", "type LCFL 10", "solved LCFF", "remember LCFF", "insert LCFL 1 -", "text LCFL 1-0",
             "errors 1", "same LCFF", "readonly LCFF", "colour LCFF yellow", "reason LCFF ", "input LCFL",
             "type LCFL 10", "solved LCFF", "reason LCFF "});
        Row(qPrintable(label + ": negative L under the root"), Oscillating, separator,
            {"type LCFC 100", "type LCFL 10", "remember LCFF", "negate LCFL", "text LCFL -10", "errors 0",
             "same LCFF", "readonly LCFF", "red LCFF",
             "reason LCFF Нет решения: под корнем получается отрицательное число", "input LCFL", "type LCFL 10",
             "solved LCFF", "reason LCFF "});
        // C solved negative is no fault by itself; a zero F then divides by zero.
        Row(qPrintable(label + ": zero F with C solved and L negative"), Oscillating, separator,
            {"type LCFF 1.5", "type LCFL 10", "solved LCFC", "negate LCFL", "remember LCFC", "overtype LCFF 0",
             "errors 0", "same LCFC", "readonly LCFC", "red LCFC",
             "reason LCFC Нет решения: получается деление на ноль", "input LCFL", "type LCFF 2", "solved LCFC",
             "reason LCFC "});
    }
    Row("extended circuit", Extended,
        {"type TS26L 12", "insert TS26L 1 -", "text TS26L 1-2", "errors 1", "type TS26L 10", "type TS26C 100",
         "digits TS26F 5 5.03292", "errors 0"});
    Row("standard values", StandardValues,
        {"type ESValue 70", "remember ESTable", "insert ESValue 1 -", "text ESValue 7-0", "errors 1 7-0",
         "same ESTable"});
    Row("filter designer: refused inputs turn red and the last design stays", Designer,
        {"overtype FDImpedance 0", "red FDImpedance", "hint FDImpedance Сопротивление должно быть больше нуля",
         "cell FDElements 0 2 65.58 пФ", "type FDImpedance 50", "insert FDImpedance 0 -", "text FDImpedance -50", "red FDImpedance", "type FDImpedance 50",
         "colour FDImpedance window", "choose FDKind Режекторный", "type FDF2 20", "red FDF2",
         "type FDF2 40", "colour FDF2 window", "choose FDResponse Чебышев", "type FDRipple 0", "red FDRipple",
         "type FDRipple 0.5", "spin FDOrder 4", "red FDOrder", "spin FDOrder 5", "insert FDF1 1 -", "errors 1 «3-0»", "type FDF1 30",
         "rows FDElements 10", "choose FDKind НЧ", "type FDRipple 0.1"});
}

void EveryPageTest::clearRestores_data()
{
    Columns();
    Row("oscillating circuit: fields and units, then a fresh solve", Oscillating,
        {"type LCFC 100", "type LCFL 10", "type LCFL 0", "choose LCFCBC 2", "choose LCFCBL 1", "choose LCFCBF 0",
         "click LCFButton", "text LCFC 0", "input LCFC", "text LCFL 0", "input LCFL", "text LCFF 0", "input LCFF",
         "text LCFCBC пФ", "text LCFCBL мкГн", "text LCFCBF мГц", "hint LCFCBC Пикофарад", "hint LCFCBL Микрогенри",
         "hint LCFCBF Мегагерц", "start", "type LCFF 1", "type LCFL 1", "rounds LCFC 25330.3"});
    Row("single-layer coil: fields, box and read-outs, then a fresh solve", SingleLayer,
        {"type LW1 10", "type LDk1 10", "type LDp1 0.5", "type LJ1 4", "click LCB1", "type LDp1 0.1",
         "readonly LL1", "click L1Button", "unchecked LCB1", "text LLabel1 0.45 < ?? < 2.5",
         "font LLabel1 normal", "font LLabel2 normal", "text LW1 0", "editable LW1", "colour LW1 window",
         "text LDk1 0", "editable LDk1", "colour LDk1 window", "text LDp1 0", "editable LDp1",
         "colour LDp1 window", "text LJ1 0", "editable LJ1", "colour LJ1 window", "text LL1 0", "editable LL1",
         "colour LL1 window", "start", "type LDk1 10", "type LDp1 0.5", "type LJ1 5",
         "type LL1 {1.1215666327568667}", "digits LW1 10 10"});
    Row("single-layer coil: no Q at or above the coil's own resonance", SingleLayer,
        {"type LW1 10", "type LDk1 10", "type LDp1 0.5", "type LJ1 5", "type L1QFreq 300", "red L1Q",
         "hint L1Q Частота не ниже собственного резонанса: катушка уже не индуктивность", "overtype L1QFreq 14",
         "colour L1Q yellow", "click L1Button", "start"});
    Row("multilayer coil: the mode stays, then solves again", Multilayer,
        {"click L2RB2", "type L2Dn 20", "type L2Dv 10", "type L2J 10", "type L2W 97.297", "click L2Button",
         "checked L2RB2", "caption L2W Индуктивность L (мкГн)", "caption L2L Колличество витков W (штук)",
         "text L2W 0", "text L2Dn 0", "text L2Dv 0", "text L2J 0", "text L2L 0", "colour L2L yellow", "start",
         "type L2Dn 20", "type L2Dv 10", "type L2J 10", "type L2W 97.297", "digits L2L 4 100"});
    Row("wire: fields, and the diameter is solved next", Wire,
        {"type L4J 100", "type L4D 1", "click L4Button", "text L4J 0", "editable L4J", "colour L4J window",
         "text L4D 0", "editable L4D", "colour L4D window", "text L4L 0", "editable L4L", "colour L4L window",
         "start", "type L4J 100", "type L4L 0.0998293", "digits L4D 5 1"});
    Row("ferrite ring: fields and the red diameter", Ferrite,
        {"type LTorW 10", "type LTorM 2000", "type LTorDv 10", "type LTorH 5", "type LTorDn 5",
         "colour LTorDn red", "type LTorDn 20", "click LTorButton", "text LTorW 0", "editable LTorW",
         "colour LTorW window", "text LTorM 0", "editable LTorM", "colour LTorM window", "text LTorDn 0",
         "editable LTorDn", "colour LTorDn window", "text LTorDv 0", "editable LTorDv", "colour LTorDv window",
         "text LTorH 0", "editable LTorH", "colour LTorH window", "text LTorL 0", "editable LTorL",
         "colour LTorL window", "start"});
    Row("mains transformer: defaults and answers", Mains,
        {"type TrL 2", "type TrT 2", "type TrU2 12", "type TrI2 1", "type TrU1 127", "click TrButton",
         "text TrU1 220", "text TrL 0", "text TrT 0", "text TrU2 0", "text TrI2 0", "text TrLabel6 ??",
         "text TrLabel7 ??", "text TrLabel8 ??", "text TrLabel9 ??", "text TrLabel10 ??",
         "text TrLabel11 Трансформатор вадержит такую нагружку", "font TrLabel11 notred", "hint TrLabel11 ",
         "start"});
    Row("ohm's law: units and fields, then a fresh solve", OhmsLaw,
        {"choose OmCBV мВ", "choose OmCBI мА", "choose OmCBRn кОм", "choose OmCBW кВт", "type OmI 2", "type OmRn 5",
         "solved OmV", "click OmButton", "start", "type OmV 12", "type OmRn 4", "text OmI 3", "text OmW 36",
         "input OmV"});
    Row("parallel: units and fields, then R1 is free to be solved", Parallel,
        {"choose RRCBR1 кОм", "choose RRCBR2 кОм", "choose RRCBR12 кОм", "type RRR1 100", "type RRR2 100",
         "text RRR12 50", "click RRButton", "start", "type RRR2 100", "type RRR12 50", "text RRR1 100", "solved RRR1",
         "input RRR12"});
    Row("added resistor: units, fields and the power read-out", Added,
        {"choose RDCBUv кВ", "choose RDCBU мВ", "choose RDCBI мкА", "choose RDCBR гОм", "type RDUv 12", "type RDU 5",
         "type RDI 0.1", "solved RDR", "click RDButton", "start", "text RDLabel2 W = "});
    Row("quenching capacitor: units and fields", Quenching,
        {"choose CDCBIn мА", "choose CDCBUn мВ", "choose CDCBUv кВ", "choose CDCBF гГц", "choose CDCBC пФ",
         "type CDUn 12", "type CDUv 220", "type CDF 50", "type CDC 1", "solved CDIn", "click CDButton", "start"});
    // Behind a bridge the zener may stand above Uв, not above its peak; 20 mA at 12 V need 0.334 мкФ.
    Row("quenching capacitor: the bridge box, its voltage rule and a capacitance", Quenching,
        {"click CDBridge", "type CDUv 220", "type CDUn 300", "input CDUn", "overtype CDUn 312", "red CDUn",
         "overtype CDUn 12", "input CDUn", "choose CDCBIn мА", "type CDIn 20", "type CDF 50",
         "shows CDC 0.3343061824636659", "solved CDC", "click CDButton", "unchecked CDBridge", "start"});
    Row("star-delta: units and fields, then the direction is free", StarDelta,
        {"choose RabcRabCB кОм", "choose RabcRbcCB кОм", "choose RabcRcaCB кОм", "choose RabcRaCB кОм",
         "choose RabcRbCB кОм", "choose RabcRcCB кОм", "type RabcRa 10", "type RabcRb 10", "type RabcRc 10",
         "solved RabcRab", "click RabcButton", "start", "type RabcRab 30", "type RabcRbc 30", "type RabcRca 30",
         "shows RabcRa 10", "solved RabcRa"});
    Row("divider: the first mode comes back", Divider,
        {"item R1R2EUIRG1 1", "type R1R2EUIR1 1000", "type R1R2EUIR2 1000", "type R1R2EUIE 10", "type R1R2EUIU 4",
         "disabled R1R2EUIRG1", "text R1R2EUIRn 2000", "click R1R2EUIButton", "start", "enabled R1R2EUIRG1",
         "readonly R1R2EUIRn", "editable R1R2EUII", "text R1R2EUIRn 0", "text R1R2EUIL1 ??", "text R1R2EUIL2 ??", "text R1R2EUIL3 ??",
         "text R1R2EUIL4 ??", "text R1R2EUIL5 ??", "text R1R2EUIL6 ??", "text R1R2EUIL7 ??"});
    Row("ammeter: meter, units and read-outs, and the cleared meter no longer feeds the shunt", Ammeter,
        {"type RshRa 100", "choose RshIaCB мА", "type RshIa 1", "choose RshUCB мВ", "type RshI 1", "type RshU 5000",
         "text RshE 5.1", "click RshButton1", "start", "text RshLabel6 ??", "text RshLabel7 ??", "index RshIaCB 2",
         "index RshUCB 1", "type RshI 1", "text RshR 0", "input RshR"});
    Row("voltmeter: meter, units and read-outs, and both solved fields are forgotten", Voltmeter,
        {"type RoRu 1000", "choose RoIuCB мкА", "type RoIu 100", "choose RoECB мВ", "type RoE 500", "text RoR 4000",
         "click RoButton1", "start", "index RoIuCB 2", "hint RoIuCB Ампер", "index RoECB 1", "hint RoECB Вольт",
         "text RoLabel2 ??", "text RoLabel4 ??", "type RoUu 0.2", "type RoIu 0.001", "shows RoRu 200"});
    Row("band-pass: the type stays, with its pictures and condition", BandPass,
        {"item FPRG1 1", "type FPL1 10", "type FPFc1 2", "type FPL2 10", "type FPFc2 1", "font FPLabel3 red",
         "click FPButton", "text FPLabel3 Fc1  <  Fc2", "font FPLabel3 normal", "picture FPImage1 PIC15",
         "picture FPImage2 PIC16", "text FPC1 0", "input FPC1"});
    Row("extended circuit: its own fields and units; the wave and the coil keep theirs", Extended,
        {"choose TS26CCB нФ", "type TS26C 0.1", "type TS26L 10", "type TS26W 12", "remember TS26EditT",
         "click TS26Button1", "text TS26C 0", "input TS26C", "text TS26L 0", "input TS26L", "text TS26F 0",
         "input TS26F", "text TS26CCB пФ", "text TS26LCB мкГн", "text TS26FCB мГц", "same TS26EditT",
         "colour TS26EditT yellow", "text TS26Ll 10", "text TS26W 12", "choose TS26CCB нФ", "text TS26CCB нФ",
         "type TS26C 100", "type TS26L 10", "colour TS26F yellow"});
    Row("extended wave: units and fields; the circuit keeps the frequency it was handed", Extended,
        {"choose TS26CBT мс", "choose TS26CBJ км", "choose TS26CBJ4 см", "type TS26EditF 3", "colour TS26EditT yellow",
         "click TS26Button2", "text TS26CBF мГц", "text TS26CBT мкс", "text TS26CBJ м", "text TS26CBJ4 м",
         "text TS26EditF 0", "input TS26EditF", "text TS26EditT 0", "input TS26EditT", "text TS26EditJ 0",
         "input TS26EditJ", "text TS26EditJ4 0", "input TS26EditJ4", "text TS26F 3", "type TS26EditT 1",
         "colour TS26EditF yellow"});
    Row("extended coil: fields, unit and labels; the winding mode stays", Extended,
        {"choose TS26LlCB Гн", "type TS26W 10", "type TS26Dk 10", "type TS26Dp 1", "type TS26J 40",
         "font TS26Label1 red", "click TS26ChB1", "click TS26Button3", "text TS26W 0", "input TS26W",
         "text TS26Dk 0", "input TS26Dk", "text TS26Dp 0", "input TS26Dp", "text TS26J 0", "text TS26Ll 0",
         "input TS26Ll", "text TS26LlCB мкГн", "text TS26Label1 0.45 < ?? < 2.5", "font TS26Label1 normal",
         "font TS26Label2 normal", "checked TS26ChB1", "disabled TS26J", "type TS26Ll 1", "type TS26Dk 10",
         "type TS26Dp 1", "colour TS26W yellow"});
    Row("standard values: E24 pairs, the red negative value, then the unit and tables", StandardValues,
        {"choose ESUnit кОм", "type ESValue 99", "contains ESPairs последовательно | 56 кОм и 43 кОм | 99 кОм | 0 %",
         "contains ESPairs параллельно | 180 кОм и 220 кОм | 99 кОм | 0 %", "insert ESValue 0 -", "red ESValue",
         "text ESPairs  |  |  | ", "contains ESTable E3 |  | ", "click ESButton", "start", "hint ESUnit Ом",
         "colour ESValue window", "contains ESTable E24 |  | "});
}

QTEST_MAIN(EveryPageTest)
#include "test_every_page.moc"
