#include "support/layout_check.h"
#include "support/resistive_a_support.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <numbers>

using resistive_a::IsInput;
using resistive_a::IsRed;
using resistive_a::IsSolved;
using resistive_a::Shows;
using testing::Retype;

namespace {

const QList<resistive_a::UnitField> kFields{
    {"CDIn", "Ток нагрузки Iн", "CDCBIn", {"мкА", "мА", "А"}, 2, "Ампер"},
    {"CDUn", "Напряжение нагрузки Uн", "CDCBUn", {"мВ", "В", "кВ"}, 1, "Вольт"},
    {"CDUv", "Входное напряжение Uв", "CDCBUv", {"мВ", "В", "кВ"}, 1, "Вольт"},
    {"CDF", "Частота", "CDCBF", {"Гц", "кГц", "мГц", "гГц"}, 0, "Герц"},
    {"CDC", "Ёмкость С", "CDCBC", {"пФ", "нФ", "мкФ", "Ф"}, 2, "Микрофарад"},
};
const QStringList kEdits = resistive_a::EditNames(kFields);

constexpr double kTwoPi = 2 * std::numbers::pi;

// The load current through a capacitor whose voltage adds in quadrature to the load's.
double LoadCurrent(double un, double uv, double f, double c)
{
    return kTwoPi * f * c * std::sqrt(uv * uv - un * un);
}

// The voltage across the capacitor at a load current.
double CapacitorVoltage(double in, double f, double c)
{
    return in / (kTwoPi * f * c);
}

} // namespace

class QuenchingCapacitorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned();
    void missingOneIsSolved_data();
    void missingOneIsSolved();
    void loadNotBelowInputTurnsRed();
    void capacitorDroppingMoreThanTheInputIsReportedOnce();
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();
    void clearRestoresEverything();
    void misplacedSignIsReportedOnce();
    void bothDecimalSeparators_data();
    void bothDecimalSeparators();

private:
    QLineEdit* edit(const QString& name) const { return page->edit(name); }
    // Uн = 12 В, Uв = 220 В, F = 50 Гц, C = 1 мкФ: Iн is solved.
    void solveCurrent();
    std::unique_ptr<resistive_a::PageFixture> page;
};

void QuenchingCapacitorTest::initTestCase()
{
    page = std::make_unique<resistive_a::PageFixture>("N34");
    // As the page first opens, before any clearing.
    QCOMPARE(resistive_a::FieldFaults(*page, kFields), QStringList());
}

void QuenchingCapacitorTest::init()
{
    page->clear("CDButton");
    page->errors().clear();
}

void QuenchingCapacitorTest::cleanup()
{
    QCOMPARE(page->errors().messages(), QStringList());
}

void QuenchingCapacitorTest::solveCurrent()
{
    Retype(edit("CDUn"), "12");
    Retype(edit("CDUv"), "220");
    Retype(edit("CDF"), "50");
    Retype(edit("CDC"), "1");
}

void QuenchingCapacitorTest::controlsAsDesigned()
{
    const QWidget* sheet = page->sheet("TS18");
    QCOMPARE(testing::Find<QPushButton>(sheet, "CDButton")->text(), QString("Очистить"));
    QCOMPARE(testing::Find<QLabel>(sheet, "CDImage1")->property("picture").toString(), QString("CDImage1"));
    QCOMPARE(testing::LayoutFaults(sheet), QStringList());
}

void QuenchingCapacitorTest::missingOneIsSolved_data()
{
    QTest::addColumn<QStringList>("typed");  // Iн, Uн, Uв, F, C (мкФ); "0" is the one to solve
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");    // in the solved field's default unit

    const double x = CapacitorVoltage(0.069, 50, 1E-6);
    QTest::newRow("current") << QStringList{"0", "12", "220", "50", "1"} << "CDIn"
                             << LoadCurrent(12, 220, 50, 1E-6);
    QTest::newRow("load voltage") << QStringList{"0.069", "0", "220", "50", "1"} << "CDUn"
                                  << std::sqrt(220 * 220 - x * x);
    QTest::newRow("input voltage") << QStringList{"0.069", "12", "0", "50", "1"} << "CDUv"
                                   << std::sqrt(x * x + 12 * 12);
    QTest::newRow("frequency") << QStringList{"0.069", "12", "220", "0", "1"} << "CDF"
                               << 0.069 / (kTwoPi * 1E-6 * std::sqrt(220.0 * 220 - 12 * 12));
    QTest::newRow("capacitance") << QStringList{"0.06902", "12", "220", "50", "0"} << "CDC"
                                 << 0.06902 / (kTwoPi * 50 * std::sqrt(220.0 * 220 - 12 * 12)) / 1E-6;
}

void QuenchingCapacitorTest::missingOneIsSolved()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, solved);
    QFETCH(double, expected);

    for (int k = 0; k < kEdits.size(); ++k) {
        if (typed[k] != "0")
            Retype(edit(kEdits[k]), typed[k]);
    }
    for (const QString& name : kEdits)
        QCOMPARE(IsSolved(edit(name)), name == solved);
    QVERIFY(Shows(edit(solved), expected));
}

void QuenchingCapacitorTest::loadNotBelowInputTurnsRed()
{
    Retype(edit("CDUn"), "220");
    Retype(edit("CDUv"), "220");
    QVERIFY(IsRed(edit("CDUn")));
    Retype(edit("CDF"), "50");
    Retype(edit("CDC"), "1");
    QCOMPARE(edit("CDIn")->text(), QString("0"));
    QVERIFY(IsInput(edit("CDIn")));
    QVERIFY(IsRed(edit("CDUn")));

    // A lower load voltage clears the flag and the current is solved at once.
    resistive_a::Overtype(edit("CDUn"), "12");
    QVERIFY(IsInput(edit("CDUn")));
    QVERIFY(Shows(edit("CDIn"), LoadCurrent(12, 220, 50, 1E-6)));
}

void QuenchingCapacitorTest::capacitorDroppingMoreThanTheInputIsReportedOnce()
{
    // 1 А through 1 мкФ at 50 Гц drops about 3183 В, more than the 220 В input.
    Retype(edit("CDIn"), "1");
    Retype(edit("CDUv"), "220");
    Retype(edit("CDF"), "50");
    Retype(edit("CDC"), "1");
    QCOMPARE(page->errors().count(), 1);
    QCOMPARE(edit("CDUn")->text(), QString("0"));
    QVERIFY(IsInput(edit("CDUn")));
    page->errors().clear();

    // Nothing was solved: a current the input can carry solves the load voltage.
    resistive_a::Overtype(edit("CDIn"), "0.05");
    const double x = CapacitorVoltage(0.05, 50, 1E-6);
    QVERIFY(Shows(edit("CDUn"), std::sqrt(220 * 220 - x * x)));
    QVERIFY(IsSolved(edit("CDUn")));
}

void QuenchingCapacitorTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<double>("current");  // as shown

    QTest::newRow("current in мА") << "CDCBIn" << 1 << "Милиампер" << LoadCurrent(12, 220, 50, 1E-6) * 1E3;
    QTest::newRow("load in мВ") << "CDCBUn" << 0 << "Миливольт" << LoadCurrent(12E-3, 220, 50, 1E-6);
    QTest::newRow("input in кВ") << "CDCBUv" << 2 << "Келоволь" << LoadCurrent(12, 220E3, 50, 1E-6);
    QTest::newRow("frequency in кГц") << "CDCBF" << 1 << "Келогерц" << LoadCurrent(12, 220, 50E3, 1E-6);
    QTest::newRow("capacitance in нФ") << "CDCBC" << 1 << "Нанофарад" << LoadCurrent(12, 220, 50, 1E-9);
}

void QuenchingCapacitorTest::unitChangeOnSolvedPage()
{
    QFETCH(QString, combo);
    QFETCH(int, item);
    QFETCH(QString, hint);
    QFETCH(double, current);

    solveCurrent();
    QVERIFY(Shows(edit("CDIn"), LoadCurrent(12, 220, 50, 1E-6)));
    testing::Choose(page->combo(combo), item);
    QCOMPARE(page->combo(combo)->toolTip(), hint);
    QVERIFY(Shows(edit("CDIn"), current));
    QVERIFY(IsSolved(edit("CDIn")));
}

void QuenchingCapacitorTest::clearRestoresEverything()
{
    testing::Choose(page->combo("CDCBIn"), "мА");
    testing::Choose(page->combo("CDCBUn"), "мВ");
    testing::Choose(page->combo("CDCBUv"), "кВ");
    testing::Choose(page->combo("CDCBF"), "гГц");
    testing::Choose(page->combo("CDCBC"), "пФ");
    solveCurrent();
    QVERIFY(IsSolved(edit("CDIn")));

    page->clear("CDButton");
    QCOMPARE(resistive_a::FieldFaults(*page, kFields), QStringList());
}

void QuenchingCapacitorTest::misplacedSignIsReportedOnce()
{
    solveCurrent();
    const QString current = edit("CDIn")->text();
    resistive_a::TypeAt(edit("CDF"), 1, "-");
    QCOMPARE(edit("CDF")->text(), QString("5-0"));
    QCOMPARE(page->errors().count(), 1);
    QCOMPARE(edit("CDIn")->text(), current);
    QVERIFY(IsSolved(edit("CDIn")));
    page->errors().clear();
}

void QuenchingCapacitorTest::bothDecimalSeparators_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("point") << QChar('.') << "0,5" << "0.5";
    QTest::newRow("comma") << QChar(',') << "0.5" << "0,5";
}

void QuenchingCapacitorTest::bothDecimalSeparators()
{
    QFETCH(QChar, separator);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const testing::DecimalSeparatorScope scope(separator);
    Retype(edit("CDUn"), "12");
    Retype(edit("CDUv"), "220");
    Retype(edit("CDF"), "50");
    Retype(edit("CDC"), typed);
    QCOMPARE(edit("CDC")->text(), shown);
    QVERIFY(Shows(edit("CDIn"), LoadCurrent(12, 220, 50, 0.5E-6)));
    QVERIFY(edit("CDIn")->text().contains(separator));
}

QTEST_MAIN(QuenchingCapacitorTest)
#include "test_quenching_capacitor.moc"
