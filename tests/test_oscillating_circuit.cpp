#include "support/page_fixture.h"

#include "values/field.h"
#include "values/number_text.h"

#include <QTest>

#include <array>
#include <cmath>

using namespace testing;

namespace {

constexpr double TwoPi = 6.283185307179586477;
constexpr std::array<double, 4> CapacitanceUnits{1e-12, 1e-9, 1e-6, 1};
constexpr std::array<double, 3> InductanceUnits{1e-6, 1e-3, 1};
constexpr std::array<double, 4> FrequencyUnits{1, 1e3, 1e6, 1e9};

double Resonance(double c, double l) { return 1 / (TwoPi * std::sqrt(l * c)); }
// The element that resonates with `other` at f (C from L, or L from C).
double Partner(double other, double f) { return 1 / (TwoPi * f * TwoPi * f * other); }

struct Circuit {
    QLineEdit* c;
    QLineEdit* l;
    QLineEdit* f;
    QComboBox* cUnit;
    QComboBox* lUnit;
    QComboBox* fUnit;

    explicit Circuit(const PageFixture& page)
        : c(page.edit("LCFC")), l(page.edit("LCFL")), f(page.edit("LCFF")),
          cUnit(page.combo("LCFCBC")), lUnit(page.combo("LCFCBL")), fUnit(page.combo("LCFCBF"))
    {
    }
    QLineEdit* field(char which) const { return which == 'C' ? c : which == 'L' ? l : f; }
};

} // namespace

class OscillatingCircuitTest : public QObject {
    Q_OBJECT

private slots:
    void init() { page = std::make_unique<PageFixture>(QStringLiteral("N7")); }
    void cleanup() { page.reset(); }

    void showsItsControls();
    void solvesTheThirdField_data();
    void solvesTheThirdField();
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();
    void documentedUnitSequence();
    void incompleteOrOverfullInputComputesNothing_data();
    void incompleteOrOverfullInputComputesNothing();
    void typingZeroMovesTheSolution();
    void roundTrip_data();
    void roundTrip();

private:
    std::unique_ptr<PageFixture> page;
};

void OscillatingCircuitTest::showsItsControls()
{
    const Circuit circuit(*page);
    QCOMPARE(Caption(circuit.c), QStringLiteral("Ёмкость С"));
    QCOMPARE(Caption(circuit.l), QStringLiteral("Индуктивность L"));
    QCOMPARE(Caption(circuit.f), QStringLiteral("Частота F"));
    QCOMPARE(Items(circuit.cUnit), (QStringList{"пФ", "нФ", "мкФ", "Ф"}));
    QCOMPARE(Items(circuit.lUnit), (QStringList{"мкГн", "мГн", "Гн"}));
    QCOMPARE(Items(circuit.fUnit), (QStringList{"Гц", "кГц", "мГц", "гГц"}));
    QCOMPARE(circuit.fUnit->currentIndex(), 2);
    // The hints stored with the form, misspelling included, until a unit is read.
    QCOMPARE(circuit.cUnit->toolTip(), QStringLiteral("Пикофорад"));
    QCOMPARE(circuit.lUnit->toolTip(), QStringLiteral("Микрогенри"));
    QCOMPARE(circuit.fUnit->toolTip(), QStringLiteral("Мегагерц"));
    QCOMPARE(Picture(page->label("LCFImage1")), QStringLiteral("LCFImage1"));
    QVERIFY(!page->label("LCFImage1")->pixmap().isNull());
    for (QLineEdit* edit : {circuit.c, circuit.l, circuit.f}) {
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QVERIFY(IsInput(edit));
    }
    Retype(circuit.c, "1");
    QCOMPARE(circuit.cUnit->toolTip(), QStringLiteral("Пикофарад"));
}

void OscillatingCircuitTest::solvesTheThirdField_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<char>("solved");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<double>("expected");  // in the default unit of the solved field

    const double c = 100e-12, l = 10e-6, f = 1e6;
    for (const QChar separator : {QChar('.'), QChar(',')}) {
        const char* sep = separator == '.' ? "point" : "comma";
        QTest::addRow("F from C 100 pF and L 10 uH, %s", sep) << separator << 'F' << "100" << "10" << Resonance(c, l) / 1e6;
        QTest::addRow("C from F 1 MHz and L 1 uH, %s", sep) << separator << 'C' << "1" << "1" << Partner(1e-6, f) / 1e-12;
        QTest::addRow("L from C 100 pF and F 1 MHz, %s", sep)
            << separator << 'L' << "100" << "1" << Partner(c, f) / 1e-6;
        QTest::addRow("F from fractional C 4.7 and L 2.2, %s", sep)
            << separator << 'F' << "4.7" << "2.2" << Resonance(4.7e-12, 2.2e-6) / 1e6;
        QTest::addRow("C from fractional F 0.5 and L 12.5, %s", sep)
            << separator << 'C' << "12.5" << "0.5" << Partner(12.5e-6, 0.5e6) / 1e-12;
    }
}

void OscillatingCircuitTest::solvesTheThirdField()
{
    QFETCH(QChar, separator);
    QFETCH(char, solved);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, expected);
    const DecimalSeparatorScope scope(separator);
    const Circuit circuit(*page);

    // The inputs are the two other fields in C, L, F order.
    QList<QLineEdit*> inputs;
    for (const char which : {'C', 'L', 'F'}) {
        if (which != solved)
            inputs << circuit.field(which);
    }
    Retype(inputs[0], Localised(first));
    Retype(inputs[1], Localised(second));

    QLineEdit* result = circuit.field(solved);
    QVERIFY2(SameDigits(Shown(result), expected), qPrintable(result->text()));
    QVERIFY(IsSolved(result));
    QVERIFY(!result->text().contains(separator == '.' ? ',' : '.'));
    QCOMPARE(inputs[0]->text(), Localised(first));
    QVERIFY(IsInput(inputs[0]));
    QVERIFY(IsInput(inputs[1]));
}

void OscillatingCircuitTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<char>("solved");
    QTest::addColumn<char>("changed");
    QTest::addColumn<int>("index");
    for (const char solved : {'C', 'L', 'F'}) {
        for (const char changed : {'C', 'L', 'F'}) {
            const int count = changed == 'L' ? 3 : 4;
            for (int index = 0; index < count; ++index)
                QTest::addRow("%c solved, %c unit %d", solved, changed, index) << solved << changed << index;
        }
    }
}

// Typed: C 100 pF, L 10 uH, F 5 MHz; one of them is left to be solved, then
// one combo changes. An input's typed number is re-read in the new unit; the
// solved field is recomputed and shown in its own unit.
void OscillatingCircuitTest::unitChangeOnSolvedPage()
{
    QFETCH(char, solved);
    QFETCH(char, changed);
    QFETCH(int, index);
    const Circuit circuit(*page);
    const QString typed[] = {"100", "10", "5"};
    const char names[] = {'C', 'L', 'F'};
    for (int i = 0; i < 3; ++i) {
        if (names[i] != solved)
            Retype(circuit.field(names[i]), typed[i]);
    }
    QComboBox* combo = changed == 'C' ? circuit.cUnit : changed == 'L' ? circuit.lUnit : circuit.fUnit;
    Choose(combo, index);

    const double cFactor = changed == 'C' ? CapacitanceUnits[index] : 1e-12;
    const double lFactor = changed == 'L' ? InductanceUnits[index] : 1e-6;
    const double fFactor = changed == 'F' ? FrequencyUnits[index] : 1e6;
    const double c = 100 * cFactor, l = 10 * lFactor, f = 5 * fFactor;
    double expected = 0;
    switch (solved) {
    case 'C': expected = Partner(l, f) / cFactor; break;
    case 'L': expected = Partner(c, f) / lFactor; break;
    default: expected = Resonance(c, l) / fFactor; break;
    }
    QLineEdit* result = circuit.field(solved);
    QVERIFY2(SameDigits(Shown(result), expected), qPrintable(result->text()));
    QVERIFY(IsSolved(result));
    QCOMPARE(combo->currentIndex(), index);
}

void OscillatingCircuitTest::documentedUnitSequence()
{
    const Circuit circuit(*page);
    Retype(circuit.c, "100");
    Retype(circuit.l, "10");
    QVERIFY(RoundsTo(Shown(circuit.f), 5.03292));
    Choose(circuit.fUnit, "кГц");
    QVERIFY(RoundsTo(Shown(circuit.f), 5032.92));
    QCOMPARE(circuit.fUnit->toolTip(), QStringLiteral("Келогерц"));
    Choose(circuit.cUnit, "нФ");
    QVERIFY(RoundsTo(Shown(circuit.f), 159.155));
    QCOMPARE(circuit.c->text(), QStringLiteral("100"));
    QCOMPARE(circuit.cUnit->toolTip(), QStringLiteral("Нанофарад"));
}

void OscillatingCircuitTest::incompleteOrOverfullInputComputesNothing_data()
{
    QTest::addColumn<bool>("allThree");
    QTest::newRow("only C typed") << false;
    QTest::newRow("all three typed before anything was solved") << true;
}

void OscillatingCircuitTest::incompleteOrOverfullInputComputesNothing()
{
    QFETCH(bool, allThree);
    const Circuit circuit(*page);
    Retype(circuit.c, "100");
    if (allThree) {
        // A negative C keeps the page from solving while the others are typed.
        Negate(circuit.c);
        Retype(circuit.f, "5");
        Retype(circuit.l, "10");
        circuit.c->home(false);
        QTest::keyClick(circuit.c, Qt::Key_Delete);
        QCOMPARE(circuit.c->text(), QStringLiteral("100"));
    }
    QCOMPARE(circuit.l->text(), QLatin1String(allThree ? "10" : "0"));
    QCOMPARE(circuit.f->text(), QLatin1String(allThree ? "5" : "0"));
    for (QLineEdit* edit : {circuit.c, circuit.l, circuit.f})
        QVERIFY(IsInput(edit));
}

void OscillatingCircuitTest::typingZeroMovesTheSolution()
{
    const Circuit circuit(*page);
    Retype(circuit.c, "100");
    Retype(circuit.l, "10");
    QVERIFY(IsSolved(circuit.f));
    Overtype(circuit.l, "0");
    // L comes back from C and the stored F.
    QVERIFY2(SameDigits(Shown(circuit.l), 10, 12), qPrintable(circuit.l->text()));
    QVERIFY(IsSolved(circuit.l));
    QVERIFY(IsSolved(circuit.f));
    QVERIFY(IsInput(circuit.c));
    // Both solved fields now follow C.
    Overtype(circuit.c, "400");
    QVERIFY(SameDigits(Shown(circuit.l), Partner(400e-12, Resonance(100e-12, 10e-6)) / 1e-6));
}

void OscillatingCircuitTest::roundTrip_data()
{
    QTest::addColumn<char>("solved");
    QTest::addColumn<char>("recovered");
    for (const char solved : {'C', 'L', 'F'}) {
        for (const char recovered : {'C', 'L', 'F'}) {
            if (recovered != solved)
                QTest::addRow("solve %c, then %c back from it", solved, recovered) << solved << recovered;
        }
    }
}

void OscillatingCircuitTest::roundTrip()
{
    QFETCH(char, solved);
    QFETCH(char, recovered);
    const DecimalSeparatorScope scope(',');
    const Circuit circuit(*page);
    const QMap<char, QString> typed{{'C', "47"}, {'L', "3,3"}, {'F', "7"}};
    for (const char which : {'C', 'L', 'F'}) {
        if (which != solved)
            Retype(circuit.field(which), typed[which]);
    }
    QVERIFY(IsSolved(circuit.field(solved)));
    const QString result = circuit.field(solved)->text();

    page->button("LCFButton")->click();
    for (const char which : {'C', 'L', 'F'}) {
        if (which == solved)
            Retype(circuit.field(which), result);
        else if (which != recovered)
            Retype(circuit.field(which), typed[which]);
    }
    QLineEdit* back = circuit.field(recovered);
    QVERIFY(IsSolved(back));
    QVERIFY2(SameDigits(Shown(back), values::ParseNumber(typed[recovered]), 12), qPrintable(back->text()));
}



QTEST_MAIN(OscillatingCircuitTest)
#include "test_oscillating_circuit.moc"
