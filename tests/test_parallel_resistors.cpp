#include "support/layout_check.h"
#include "support/unit_fields.h"

#include <QLabel>
#include <QPushButton>

using testing::IsInput;
using testing::IsRed;
using testing::IsSolved;
using testing::Shows;
using testing::Retype;

namespace {

const QStringList kOhms{"Ом", "кОм", "мОм", "гОм"};
const QList<testing::UnitField> kFields{
    {"RRR1", "R1", "RRCBR1", kOhms, 0, "Ом"},
    {"RRR2", "R2", "RRCBR2", kOhms, 0, "Ом"},
    {"RRR12", "(R1*R2)/(R1+R2)", "RRCBR12", kOhms, 0, "Ом"},
};
const QStringList kEdits = testing::EditNames(kFields);
const QStringList kCombos = testing::ComboNames(kFields);

double Parallel(double r1, double r2)
{
    return 1 / (1 / r1 + 1 / r2);
}

} // namespace

class ParallelResistorsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned();
    void missingOneIsSolved_data();
    void missingOneIsSolved();
    void combinedNotBelowTheOtherComputesNothing_data();
    void combinedNotBelowTheOtherComputesNothing();
    void allZeroComputesNothing();
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();

private:
    QLineEdit* edit(const QString& name) const { return page->edit(name); }
    std::unique_ptr<testing::PageFixture> page;
};

void ParallelResistorsTest::initTestCase()
{
    page = std::make_unique<testing::PageFixture>("R1R21");
    // As the page first opens, before any clearing.
    QCOMPARE(testing::FieldFaults(*page, kFields), QStringList());
}

void ParallelResistorsTest::init()
{
    page->clear("RRButton");
    page->errors().clear();
}

void ParallelResistorsTest::cleanup()
{
    QCOMPARE(page->errors().messages(), QStringList());
}

void ParallelResistorsTest::controlsAsDesigned()
{
    const QWidget* sheet = page->sheet("TS16");
    QCOMPARE(testing::Find<QPushButton>(sheet, "RRButton")->text(), QString("Очистить"));
    QCOMPARE(testing::Find<QLabel>(sheet, "RRImage1")->property("picture").toString(), QString("RRImage1"));
    QCOMPARE(testing::LayoutFaults(sheet), QStringList());
}

void ParallelResistorsTest::missingOneIsSolved_data()
{
    QTest::addColumn<QStringList>("typed");   // R1, R2, combined; "0" stays
    QTest::addColumn<QStringList>("units");   // item of each combo
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");     // in the solved field's unit

    QTest::newRow("equal resistors") << QStringList{"100", "100", "0"} << QStringList{"Ом", "Ом", "Ом"} << "RRR12" << 50.0;
    QTest::newRow("unequal resistors") << QStringList{"300", "600", "0"} << QStringList{"Ом", "Ом", "Ом"} << "RRR12"
                                       << Parallel(300, 600);
    QTest::newRow("R1 from R2 in кОм") << QStringList{"0", "1", "500"} << QStringList{"Ом", "кОм", "Ом"} << "RRR1"
                                       << 1000.0;
    QTest::newRow("R2 from R1") << QStringList{"470", "0", "200"} << QStringList{"Ом", "Ом", "Ом"} << "RRR2"
                                << 1 / (1 / 200.0 - 1 / 470.0);
    QTest::newRow("combined in кОм from мОм") << QStringList{"1", "1", "0"} << QStringList{"мОм", "мОм", "кОм"}
                                              << "RRR12" << 500.0;
}

void ParallelResistorsTest::missingOneIsSolved()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, units);
    QFETCH(QString, solved);
    QFETCH(double, expected);

    for (int k = 0; k < kEdits.size(); ++k) {
        testing::Choose(page->combo(kCombos[k]), units[k]);
        if (typed[k] != "0")
            Retype(edit(kEdits[k]), typed[k]);
    }
    for (const QString& name : kEdits)
        QCOMPARE(IsSolved(edit(name)), name == solved);
    QVERIFY(Shows(edit(solved), expected));
}

void ParallelResistorsTest::combinedNotBelowTheOtherComputesNothing_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("r2");
    QTest::addColumn<QString>("combined");
    QTest::addColumn<QString>("reason");  // why R1 has no value, or empty when nothing is tried
    QTest::newRow("combined equal to R2") << QChar('.') << "100" << "100" << "";
    QTest::newRow("combined above R2") << QChar('.') << "100" << "150" << "";
    // R2 · Rp / (R2 − Rp) = 1E600 / 1E285.
    const QString tooLarge("Нет решения: результат слишком велик");
    QTest::newRow("R1 beyond every double, point") << QChar('.') << "1e300" << "9.99999999999999e299" << tooLarge;
    QTest::newRow("R1 beyond every double, comma") << QChar(',') << "1e300" << "9,99999999999999e299" << tooLarge;
}

void ParallelResistorsTest::combinedNotBelowTheOtherComputesNothing()
{
    QFETCH(QChar, separator);
    QFETCH(QString, r2);
    QFETCH(QString, combined);
    QFETCH(QString, reason);
    const testing::DecimalSeparatorScope scope(separator);
    // The combined value first, so that no digit of R2 ever exceeds it.
    for (const auto& [name, text] : {std::pair{"RRR12", combined}, std::pair{"RRR2", r2}}) {
        if (text.contains('e'))
            testing::Paste(edit(name), text);
        else
            Retype(edit(name), text);
    }
    QCOMPARE(edit("RRR1")->text(), QString("0"));
    QVERIFY(!edit("RRR1")->isReadOnly());
    QCOMPARE(IsRed(edit("RRR1")), !reason.isEmpty());
    QCOMPARE(edit("RRR1")->toolTip(), reason);
    for (const char* name : {"RRR2", "RRR12"})
        QVERIFY(IsInput(edit(name)));
}

void ParallelResistorsTest::allZeroComputesNothing()
{
    // Choosing a unit runs the computation with every field at 0.
    testing::Choose(page->combo("RRCBR1"), "кОм");
    QCOMPARE(page->combo("RRCBR1")->toolTip(), QString("Келом"));
    for (const QString& name : kEdits) {
        QCOMPARE(edit(name)->text(), QString("0"));
        QVERIFY(IsInput(edit(name)));
    }
}

void ParallelResistorsTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<double>("combined");  // as shown

    // R1 = 100 Ом and R2 = 300 Ом give 75 Ом.
    QTest::newRow("result in кОм") << "RRCBR12" << 1 << "Келом" << 0.075;
    QTest::newRow("result in гОм") << "RRCBR12" << 3 << "Гиком" << 7.5E-8;
    QTest::newRow("R1 in кОм") << "RRCBR1" << 1 << "Келом" << Parallel(100000, 300);
    QTest::newRow("R2 in мОм") << "RRCBR2" << 2 << "Мегом" << Parallel(100, 300E6);
}

void ParallelResistorsTest::unitChangeOnSolvedPage()
{
    QFETCH(QString, combo);
    QFETCH(int, item);
    QFETCH(QString, hint);
    QFETCH(double, combined);

    Retype(edit("RRR1"), "100");
    Retype(edit("RRR2"), "300");
    QCOMPARE(edit("RRR12")->text(), QString("75"));

    testing::Choose(page->combo(combo), item);
    QCOMPARE(page->combo(combo)->toolTip(), hint);
    QVERIFY(Shows(edit("RRR12"), combined));
    QVERIFY(IsSolved(edit("RRR12")));
    QCOMPARE(edit("RRR1")->text(), QString("100"));
    QCOMPARE(edit("RRR2")->text(), QString("300"));
}

QTEST_MAIN(ParallelResistorsTest)
#include "test_parallel_resistors.moc"
