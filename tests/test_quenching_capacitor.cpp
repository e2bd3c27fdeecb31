#include "support/layout_check.h"
#include "support/unit_fields.h"
#include "values/number_text.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <numbers>

using testing::IsInput;
using testing::IsRed;
using testing::IsSolved;
using testing::Shows;
using testing::Retype;

namespace {

const QList<testing::UnitField> kFields{
    {"CDIn", "Ток нагрузки Iн", "CDCBIn", {"мкА", "мА", "А"}, 2, "Ампер"},
    {"CDUn", "Напряжение нагрузки Uн", "CDCBUn", {"мВ", "В", "кВ"}, 1, "Вольт"},
    {"CDUv", "Входное напряжение Uв", "CDCBUv", {"мВ", "В", "кВ"}, 1, "Вольт"},
    {"CDF", "Частота", "CDCBF", {"Гц", "кГц", "мГц", "гГц"}, 0, "Герц"},
    {"CDC", "Ёмкость С", "CDCBC", {"пФ", "нФ", "мкФ", "Ф"}, 2, "Микрофарад"},
};
const QStringList kEdits = testing::EditNames(kFields);

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
    void capacitorDroppingMoreThanTheInputTurnsRed_data();
    void capacitorDroppingMoreThanTheInputTurnsRed();
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();

private:
    QLineEdit* edit(const QString& name) const { return page->edit(name); }
    std::unique_ptr<testing::PageFixture> page;
};

void QuenchingCapacitorTest::initTestCase()
{
    page = std::make_unique<testing::PageFixture>("N34");
    // As the page first opens, before any clearing.
    QCOMPARE(testing::FieldFaults(*page, kFields), QStringList());
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
    QCOMPARE(edit("CDUn")->toolTip(), QString("Uн должно быть меньше Uв"));
    Retype(edit("CDF"), "50");
    Retype(edit("CDC"), "1");
    QCOMPARE(edit("CDIn")->text(), QString("0"));
    QVERIFY(IsInput(edit("CDIn")));
    QVERIFY(IsRed(edit("CDUn")));

    // A lower load voltage clears the flag and the current is solved at once.
    testing::Overtype(edit("CDUn"), "12");
    QVERIFY(IsInput(edit("CDUn")));
    QCOMPARE(edit("CDUn")->toolTip(), QString());
    QVERIFY(Shows(edit("CDIn"), LoadCurrent(12, 220, 50, 1E-6)));

    // The rule is for typed voltages: an input below the last solved load
    // voltage recomputes it.
    page->clear("CDButton");
    Retype(edit("CDIn"), "0.01");
    Retype(edit("CDUv"), "230");
    Retype(edit("CDF"), "50");
    Retype(edit("CDC"), "1.4");
    QVERIFY(IsSolved(edit("CDUn")));
    testing::Overtype(edit("CDUv"), "100");
    const double x = CapacitorVoltage(0.01, 50, 1.4E-6);
    QVERIFY(Shows(edit("CDUn"), std::sqrt(100 * 100 - x * x)));
    QVERIFY(IsSolved(edit("CDUn")));
}

void QuenchingCapacitorTest::capacitorDroppingMoreThanTheInputTurnsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("capacitance");  // typed key by key, мкФ
    QTest::addColumn<bool>("solvedAtLast");

    // 1 А through 1 мкФ at 50 Гц drops about 3183 В, more than the 230 В input.
    QTest::newRow("1 А through 1 мкФ") << QChar('.') << "1" << "1" << false;
    // 0.1 А: until C reaches 1.385 мкФ the capacitor alone drops more than 230 В.
    QTest::newRow("C typed digit by digit, point") << QChar('.') << "0.1" << "1.38583" << true;
    QTest::newRow("C typed digit by digit, comma") << QChar(',') << "0,1" << "1,38583" << true;
}

void QuenchingCapacitorTest::capacitorDroppingMoreThanTheInputTurnsRed()
{
    QFETCH(QChar, separator);
    QFETCH(QString, current);
    QFETCH(QString, capacitance);
    QFETCH(bool, solvedAtLast);
    const testing::DecimalSeparatorScope scope(separator);
    const QString noRoot("Нет решения: под корнем получается отрицательное число");

    Retype(edit("CDIn"), current);
    Retype(edit("CDUv"), "230");
    Retype(edit("CDF"), "50");
    Retype(edit("CDC"), capacitance);
    // No message on the way (cleanup checks); red until a load voltage exists.
    QCOMPARE(IsRed(edit("CDUn")), !solvedAtLast);
    QCOMPARE(testing::Reason(edit("CDUn")), solvedAtLast ? QString() : noRoot);
    if (!solvedAtLast) {
        QCOMPARE(edit("CDUn")->text(), QString("0"));
        QVERIFY(!edit("CDUn")->isReadOnly());
        // Nothing was solved: a current the input can carry solves the load voltage.
        testing::Overtype(edit("CDIn"), "0" + QString(separator) + "05");
    }
    const double x = CapacitorVoltage(values::ParseNumber(edit("CDIn")->text()), 50,
                                      values::ParseNumber(capacitance) * 1E-6);
    QVERIFY(Shows(edit("CDUn"), std::sqrt(230 * 230 - x * x)));
    QVERIFY(IsSolved(edit("CDUn")));
    QCOMPARE(testing::Reason(edit("CDUn")), QString());

    // 1 А again: the solved field keeps its last value, red.
    const QString solved = edit("CDUn")->text();
    testing::Overtype(edit("CDIn"), "1");
    QVERIFY(IsRed(edit("CDUn")));
    QVERIFY(edit("CDUn")->isReadOnly());
    QCOMPARE(edit("CDUn")->text(), solved);
    QCOMPARE(edit("CDUn")->toolTip(), noRoot);
}

void QuenchingCapacitorTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("typed");  // Iн, Uн, Uв, F, C (мкФ); "0" is the one to solve
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QList<int>>("items");   // chosen in turn
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");   // as shown at the end

    const QStringList current{"0", "12", "220", "50", "1"};
    const double in = LoadCurrent(12, 220, 50, 1E-6);
    QTest::newRow("current in мА") << QChar('.') << current << "CDCBIn" << QList<int>{1} << "Милиампер" << "CDIn"
                                   << in * 1E3;
    QTest::newRow("load in мВ") << QChar('.') << current << "CDCBUn" << QList<int>{0} << "Миливольт" << "CDIn"
                                << LoadCurrent(12E-3, 220, 50, 1E-6);
    QTest::newRow("input in кВ") << QChar('.') << current << "CDCBUv" << QList<int>{2} << "Келоволь" << "CDIn"
                                 << LoadCurrent(12, 220E3, 50, 1E-6);
    QTest::newRow("frequency in кГц") << QChar('.') << current << "CDCBF" << QList<int>{1} << "Келогерц" << "CDIn"
                                      << LoadCurrent(12, 220, 50E3, 1E-6);
    QTest::newRow("capacitance in нФ") << QChar('.') << current << "CDCBC" << QList<int>{1} << "Нанофарад" << "CDIn"
                                       << LoadCurrent(12, 220, 50, 1E-9);

    // A solved voltage is the same quantity in whichever unit it is shown.
    const double x = CapacitorVoltage(0.1, 50, 1.4E-6);
    const double load = std::sqrt(230 * 230 - x * x);  // 34.72 В
    QTest::newRow("solved load in мВ and back, point")
        << QChar('.') << QStringList{"0.1", "0", "230", "50", "1.4"} << "CDCBUn" << QList<int>{0, 1} << "Воль"
        << "CDUn" << load;
    QTest::newRow("solved load in мВ and back, comma")
        << QChar(',') << QStringList{"0,1", "0", "230", "50", "1,4"} << "CDCBUn" << QList<int>{0, 1} << "Воль"
        << "CDUn" << load;
    QTest::newRow("solved input in мВ, кВ and back")
        << QChar('.') << QStringList{"0.1", "34.72", "0", "50", "1.4"} << "CDCBUv" << QList<int>{0, 2, 1} << "Воль"
        << "CDUv" << std::sqrt(x * x + 34.72 * 34.72);
}

void QuenchingCapacitorTest::unitChangeOnSolvedPage()
{
    QFETCH(QChar, separator);
    QFETCH(QStringList, typed);
    QFETCH(QString, combo);
    QFETCH(QList<int>, items);
    QFETCH(QString, hint);
    QFETCH(QString, solved);
    QFETCH(double, expected);
    const testing::DecimalSeparatorScope scope(separator);

    for (int k = 0; k < kEdits.size(); ++k) {
        if (typed[k] != "0")
            Retype(edit(kEdits[k]), typed[k]);
    }
    QVERIFY(IsSolved(edit(solved)));
    for (const int item : items)
        testing::Choose(page->combo(combo), item);
    QCOMPARE(page->combo(combo)->toolTip(), hint);
    QVERIFY(Shows(edit(solved), expected));
    QVERIFY(IsSolved(edit(solved)));
    for (const QString& name : kEdits)
        QCOMPARE(IsSolved(edit(name)), name == solved);
}

QTEST_MAIN(QuenchingCapacitorTest)
#include "test_quenching_capacitor.moc"
