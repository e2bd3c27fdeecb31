#include "support/layout_check.h"
#include "support/unit_fields.h"

#include "values/number_text.h"

#include <QLabel>
#include <QPushButton>

using testing::IsInput;
using testing::IsRed;
using testing::IsSolved;
using testing::Shows;
using testing::Retype;

namespace {

const QList<testing::UnitField> kFields{
    {"RDUv", "Входное Uв (Вольт)", "RDCBUv", {"мВ", "В", "кВ"}, 1, "Вольт"},
    {"RDU", "Выходное Uн (Вольт)", "RDCBU", {"мВ", "В", "кВ"}, 1, "Вольт"},
    {"RDI", "Ток Iн (Ампер)", "RDCBI", {"мкА", "мА", "А"}, 2, "Ампер"},
    {"RDR", "Сопротивление Rд (Ом)", "RDCBR", {"Ом", "кОм", "мОм", "гОм"}, 0, "Ом"},
};
const QStringList kEdits = testing::EditNames(kFields);

} // namespace

class AddedResistorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned();
    void missingOneIsSolved_data();
    void missingOneIsSolved();
    void currentInMilliampsGivesTheSameResistor();
    void inputBelowOutputTurnsRed();
    void equalVoltagesGiveZeroResistor();
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();

private:
    QLineEdit* edit(const QString& name) const { return page->edit(name); }
    QString readOut() const { return testing::Find<QLabel>(page->sheet("TS17"), "RDLabel2")->text(); }
    std::unique_ptr<testing::PageFixture> page;
};

void AddedResistorTest::initTestCase()
{
    page = std::make_unique<testing::PageFixture>("N33");
    // As the page first opens, before any clearing.
    QCOMPARE(testing::FieldFaults(*page, kFields), QStringList());
}

void AddedResistorTest::init()
{
    page->clear("RDButton");
    page->errors().clear();
}

void AddedResistorTest::cleanup()
{
    QCOMPARE(page->errors().messages(), QStringList());
}

void AddedResistorTest::controlsAsDesigned()
{
    const QWidget* sheet = page->sheet("TS17");
    QCOMPARE(testing::Find<QLabel>(sheet, "RDLabel1")->text(), QString("Рассеемаемая мощность сопротивления Rд (Вт)"));
    QCOMPARE(readOut(), QString("W = "));
    QCOMPARE(testing::Find<QPushButton>(sheet, "RDButton")->text(), QString("Очистить"));
    QCOMPARE(testing::Find<QLabel>(sheet, "RDImage1")->property("picture").toString(), QString("RDImage1"));
    QCOMPARE(testing::LayoutFaults(sheet), QStringList());
}

void AddedResistorTest::missingOneIsSolved_data()
{
    QTest::addColumn<QStringList>("typed");  // Uв, Uн, Iн, Rд in typing order; "0" stays
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("reason");  // why the solved field has no value, or empty

    // 12 В in, 5 В out at 0.1 А across 70 Ом, which dissipate 0.7 Вт.
    QTest::newRow("resistor") << QStringList{"12", "5", "0.1", "0"} << "RDR" << 70.0 << "W = 0.7" << "";
    QTest::newRow("input voltage") << QStringList{"0", "5", "0.1", "70"} << "RDUv" << 12.0 << "W = 0.7" << "";
    QTest::newRow("output voltage") << QStringList{"12", "0", "0.1", "70"} << "RDU" << 5.0 << "W = 0.7" << "";
    QTest::newRow("current") << QStringList{"12", "5", "0", "70"} << "RDI" << 0.1 << "W = 0.7" << "";
    QTest::newRow("resistor at 2 A") << QStringList{"230", "12", "2", "0"} << "RDR" << (230 - 12) / 2.0 << "W = 436"
                                     << "";
    QTest::newRow("resistor beyond every double") << QStringList{"1e300", "5", "1e-300", "0"} << "RDR" << 0.0
                                                   << "W = " << "Нет решения: результат слишком велик";
}

void AddedResistorTest::missingOneIsSolved()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, solved);
    QFETCH(double, expected);
    QFETCH(QString, power);
    QFETCH(QString, reason);

    for (int k = 0; k < kEdits.size(); ++k) {
        if (typed[k].contains('e'))
            testing::Paste(edit(kEdits[k]), typed[k]);
        else if (typed[k] != "0")
            Retype(edit(kEdits[k]), typed[k]);
    }
    for (const QString& name : kEdits)
        QCOMPARE(IsSolved(edit(name)), name == solved && reason.isEmpty());
    QCOMPARE(IsRed(edit(solved)), !reason.isEmpty());
    QCOMPARE(testing::Reason(edit(solved)), reason);
    QVERIFY(Shows(edit(solved), expected));
    QCOMPARE(readOut(), power);
}

void AddedResistorTest::currentInMilliampsGivesTheSameResistor()
{
    testing::Choose(page->combo("RDCBI"), "мА");
    Retype(edit("RDUv"), "12");
    Retype(edit("RDU"), "5");
    Retype(edit("RDI"), "100");
    QVERIFY(Shows(edit("RDR"), 70));
    QCOMPARE(readOut(), QString("W = 0.7"));
}

void AddedResistorTest::inputBelowOutputTurnsRed()
{
    Retype(edit("RDU"), "5");
    Retype(edit("RDUv"), "3");
    QVERIFY(IsRed(edit("RDUv")));
    QCOMPARE(edit("RDUv")->toolTip(), QString("Uв должно быть не меньше Uн"));
    QVERIFY(!edit("RDUv")->isReadOnly());
    QCOMPARE(readOut(), QString("W = "));
    for (const QString name : {"RDU", "RDI", "RDR"})
        QVERIFY(IsInput(edit(name)));

    // Back to the window colour as soon as the input is above the output.
    Retype(edit("RDUv"), "12");
    QVERIFY(IsInput(edit("RDUv")));
    QCOMPARE(edit("RDUv")->toolTip(), QString());
    Retype(edit("RDI"), "0.1");
    QVERIFY(Shows(edit("RDR"), 70));

    // A solved page: the check stops the computation and keeps the result.
    testing::Choose(page->combo("RDCBU"), "кВ");
    QVERIFY(IsRed(edit("RDUv")));
    QVERIFY(Shows(edit("RDR"), 70));
    QCOMPARE(readOut(), QString("W = 0.7"));

    // A solved voltage is a result, not a typed one: the rule does not hold it back.
    page->clear("RDButton");
    Retype(edit("RDUv"), "12");
    Retype(edit("RDI"), "0.1");
    Retype(edit("RDR"), "70");
    QVERIFY(Shows(edit("RDU"), 5));
    testing::Overtype(edit("RDUv"), "4");
    QVERIFY(Shows(edit("RDU"), -3));
    QVERIFY(IsSolved(edit("RDU")));
    QVERIFY(IsInput(edit("RDUv")));
}

void AddedResistorTest::equalVoltagesGiveZeroResistor()
{
    Retype(edit("RDUv"), "5");
    Retype(edit("RDU"), "5");
    Retype(edit("RDI"), "0.1");
    QCOMPARE(edit("RDR")->text(), QString("0"));
    QVERIFY(IsSolved(edit("RDR")));
    QCOMPARE(readOut(), QString("W = 0"));
}

void AddedResistorTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("typed");  // Uв, Uн, Iн, Rд; "0" is the one to solve
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QList<int>>("items");   // chosen in turn
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");    // as shown at the end
    QTest::addColumn<double>("power");       // watts

    const QStringList resistor{"12", "5", "0.1", "0"};
    QTest::newRow("resistor in кОм") << QChar('.') << resistor << "RDCBR" << QList<int>{1} << "Келом" << "RDR" << 0.07
                                     << 0.7;
    QTest::newRow("input in кВ") << QChar('.') << resistor << "RDCBUv" << QList<int>{2} << "Келоволь" << "RDR"
                                 << (12000 - 5) / 0.1 << 0.01 * (12000 - 5) / 0.1;
    QTest::newRow("output in мВ") << QChar('.') << resistor << "RDCBU" << QList<int>{0} << "Миливольт" << "RDR"
                                  << (12 - 0.005) / 0.1 << 0.01 * (12 - 0.005) / 0.1;
    QTest::newRow("current in мА") << QChar('.') << resistor << "RDCBI" << QList<int>{1} << "Милиампер" << "RDR"
                                   << 7 / 1E-4 << 1E-8 * 7 / 1E-4;

    // A solved voltage is the same quantity in whichever unit it is shown.
    QTest::newRow("solved input in мВ") << QChar('.') << QStringList{"0", "5", "0.1", "70"} << "RDCBUv"
                                        << QList<int>{0} << "Миливольт" << "RDUv" << 12000.0 << 0.7;
    QTest::newRow("solved input in мВ and back, comma") << QChar(',') << QStringList{"0", "5", "0,1", "70"}
                                                        << "RDCBUv" << QList<int>{0, 1} << "Воль" << "RDUv" << 12.0
                                                        << 0.7;
    QTest::newRow("solved output in кВ") << QChar('.') << QStringList{"12", "0", "0.1", "70"} << "RDCBU"
                                         << QList<int>{2} << "Келоволь" << "RDU" << 0.005 << 0.7;
}

void AddedResistorTest::unitChangeOnSolvedPage()
{
    QFETCH(QChar, separator);
    QFETCH(QStringList, typed);
    QFETCH(QString, combo);
    QFETCH(QList<int>, items);
    QFETCH(QString, hint);
    QFETCH(QString, solved);
    QFETCH(double, expected);
    QFETCH(double, power);
    const testing::DecimalSeparatorScope scope(separator);

    for (int k = 0; k < kEdits.size(); ++k) {
        if (typed[k] != "0")
            Retype(edit(kEdits[k]), typed[k]);
    }
    for (const int item : items)
        testing::Choose(page->combo(combo), item);
    QCOMPARE(page->combo(combo)->toolTip(), hint);
    QVERIFY(Shows(edit(solved), expected));
    for (const QString& name : kEdits)
        QCOMPARE(IsSolved(edit(name)), name == solved);
    QVERIFY(readOut().startsWith("W = "));
    QVERIFY(testing::SameDigits(values::ParseNumber(readOut().mid(4)), power));
}

QTEST_MAIN(AddedResistorTest)
#include "test_added_resistor.moc"
