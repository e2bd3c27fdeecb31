#include "support/layout_check.h"
#include "support/unit_fields.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

using testing::IsInput;
using testing::IsRed;
using testing::IsSolved;
using testing::Shows;
using testing::Retype;

namespace {

const QList<testing::UnitField> kFields{
    {"OmV", "Напряжение V", "OmCBV", {"мВ", "В", "кВ"}, 1, "Вольт"},
    {"OmI", "Ток A", "OmCBI", {"мкА", "мА", "А"}, 2, "Ампер"},
    {"OmRn", "Сопротивление Rн", "OmCBRn", {"Ом", "кОм", "мОм", "гОм"}, 0, "Ом"},
    {"OmW", "Мощность W", "OmCBW", {"мВт", "Вт", "кВт"}, 1, "Ват"},
};
const QStringList kEdits = testing::EditNames(kFields);

struct Load {
    double v, i, r, w;
};

// The whole load from any two of its quantities, by way of V and I.
Load Complete(const QString& a, double x, const QString& b, double y)
{
    QHash<QString, double> known{{a, x}, {b, y}};
    double v = known.value("OmV");
    double i = known.value("OmI");
    const double r = known.value("OmRn");
    const double w = known.value("OmW");
    if (v == 0 && i == 0) {
        v = std::sqrt(w * r);
        i = v / r;
    } else if (v == 0) {
        v = r != 0 ? i * r : w / i;
    } else if (i == 0) {
        i = r != 0 ? v / r : w / v;
    }
    return {v, i, v / i, v * i};
}

double Quantity(const Load& load, const QString& edit)
{
    const int index = static_cast<int>(kEdits.indexOf(edit));
    return std::array{load.v, load.i, load.r, load.w}[static_cast<std::size_t>(index)];
}

} // namespace

class OhmsLawTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned();
    void twoGivenSolveTheOtherTwo_data();
    void twoGivenSolveTheOtherTwo();
    void powerAndCurrentGiveVoltageAndResistance();
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();
    void unitChosenBeforeSolvingIsUsed();
    void zeroedInputKeepsResults();
    void zeroedInputOfAnEarlierBlockSolvesThatBlock();
    void oneFieldOrNegativeInputComputesNothing_data();
    void oneFieldOrNegativeInputComputesNothing();
    void overflowTurnsRed_data();
    void overflowTurnsRed();

private:
    QLineEdit* edit(const QString& name) const { return page->edit(name); }
    std::unique_ptr<testing::PageFixture> page;
};

void OhmsLawTest::initTestCase()
{
    page = std::make_unique<testing::PageFixture>("N32");
    // As the page first opens, before any clearing.
    QCOMPARE(testing::FieldFaults(*page, kFields), QStringList());
    QCOMPARE(edit("OmV")->parentWidget()->objectName(), QString("TS15"));
}

void OhmsLawTest::init()
{
    page->clear("OmButton");
    page->errors().clear();
}

void OhmsLawTest::cleanup()
{
    QCOMPARE(page->errors().messages(), QStringList());
}

void OhmsLawTest::controlsAsDesigned()
{
    QCOMPARE(testing::Find<QPushButton>(page->sheet("TS15"), "OmButton")->text(), QString("Очистить"));
    QCOMPARE(testing::Find<QLabel>(page->sheet("TS15"), "OmImage1")->property("picture").toString(), QString("OmImage1"));
    QCOMPARE(testing::LayoutFaults(page->sheet("TS15")), QStringList());
}

void OhmsLawTest::twoGivenSolveTheOtherTwo_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    // A load of 7.5 V, 2.5 A, 3 Ом, 18.75 Вт; typed in either order.
    for (const QString& first : kEdits) {
        for (const QString& second : kEdits) {
            if (first != second)
                QTest::addRow("%s then %s", qPrintable(first), qPrintable(second)) << first << second;
        }
    }
}

void OhmsLawTest::twoGivenSolveTheOtherTwo()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    const Load load{7.5, 2.5, 3, 18.75};

    Retype(edit(first), QString::number(Quantity(load, first)));
    for (const QString& name : kEdits)
        QVERIFY2(IsInput(edit(name)), qPrintable(name));
    Retype(edit(second), QString::number(Quantity(load, second)));

    for (const QString& name : kEdits) {
        const bool given = name == first || name == second;
        QCOMPARE(IsSolved(edit(name)), !given);
        QCOMPARE(IsInput(edit(name)), given);
        QVERIFY(Shows(edit(name), Quantity(load, name)));
    }

    // The same pair is solved again from the changed input.
    testing::Overtype(edit(first), QString::number(Quantity(load, first) * 4));
    const Load changed = Complete(first, Quantity(load, first) * 4, second, Quantity(load, second));
    for (const QString& name : kEdits) {
        QCOMPARE(IsSolved(edit(name)), name != first && name != second);
        QVERIFY(Shows(edit(name), Quantity(changed, name)));
    }
}

void OhmsLawTest::powerAndCurrentGiveVoltageAndResistance()
{
    Retype(edit("OmW"), "100");
    Retype(edit("OmI"), "2");
    QCOMPARE(edit("OmV")->text(), QString("50"));
    QCOMPARE(edit("OmRn")->text(), QString("25"));
    QVERIFY(IsSolved(edit("OmV")));
    QVERIFY(IsSolved(edit("OmRn")));
}

void OhmsLawTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QStringList>("texts");  // V, I, Rн, W after the change

    // I = 2 A and Rн = 5 Ом solve V = 10 В and W = 20 Вт.
    QTest::newRow("power result in мВт") << "OmCBW" << 0 << "Миливат" << QStringList{"10", "2", "5", "20000"};
    QTest::newRow("power result in кВт") << "OmCBW" << 2 << "Келоват" << QStringList{"10", "2", "5", "0.02"};
    QTest::newRow("voltage result in мВ") << "OmCBV" << 0 << "Миливольт" << QStringList{"10000", "2", "5", "20"};
    QTest::newRow("voltage result in кВ") << "OmCBV" << 2 << "Келоволь" << QStringList{"0.01", "2", "5", "20"};
    QTest::newRow("current input in мА") << "OmCBI" << 1 << "Милиампер" << QStringList{"0.01", "2", "5", "2E-5"};
    QTest::newRow("current input in мкА") << "OmCBI" << 0 << "Микроампер" << QStringList{"1E-5", "2", "5", "2E-11"};
    QTest::newRow("resistance input in кОм") << "OmCBRn" << 1 << "Келом" << QStringList{"10000", "2", "5", "20000"};
    QTest::newRow("resistance input in мОм") << "OmCBRn" << 2 << "Мегом"
                                             << QStringList{"10000000", "2", "5", "20000000"};
}

void OhmsLawTest::unitChangeOnSolvedPage()
{
    QFETCH(QString, combo);
    QFETCH(int, item);
    QFETCH(QString, hint);
    QFETCH(QStringList, texts);

    Retype(edit("OmI"), "2");
    Retype(edit("OmRn"), "5");
    QCOMPARE(edit("OmV")->text(), QString("10"));
    QCOMPARE(edit("OmW")->text(), QString("20"));

    testing::Choose(page->combo(combo), item);
    QCOMPARE(page->combo(combo)->toolTip(), hint);
    for (int k = 0; k < kEdits.size(); ++k)
        QCOMPARE(edit(kEdits[k])->text(), texts[k]);
    QVERIFY(IsSolved(edit("OmV")));
    QVERIFY(IsSolved(edit("OmW")));

    // Twice the current, in whatever unit: twice the voltage, four times the power.
    Retype(edit("OmI"), "4");
    QVERIFY(Shows(edit("OmV"), 2 * texts[0].toDouble()));
    QVERIFY(Shows(edit("OmW"), 4 * texts[3].toDouble()));
}

void OhmsLawTest::unitChosenBeforeSolvingIsUsed()
{
    testing::Choose(page->combo("OmCBI"), "мА");
    QCOMPARE(edit("OmV")->text(), QString("0"));
    Retype(edit("OmI"), "2");
    Retype(edit("OmRn"), "5");
    QCOMPARE(edit("OmV")->text(), QString("0.01"));
    QCOMPARE(edit("OmW")->text(), QString("2E-5"));
}

void OhmsLawTest::zeroedInputKeepsResults()
{
    Retype(edit("OmI"), "2");
    Retype(edit("OmRn"), "5");
    Retype(edit("OmI"), "0");
    QCOMPARE(edit("OmI")->text(), QString("0"));
    QCOMPARE(edit("OmV")->text(), QString("10"));
    QCOMPARE(edit("OmW")->text(), QString("20"));
    QVERIFY(IsSolved(edit("OmV")));
    QVERIFY(IsSolved(edit("OmW")));
}

void OhmsLawTest::zeroedInputOfAnEarlierBlockSolvesThatBlock()
{
    // V and Rн give I and W; deleting V leaves it free, and voltage is the
    // first block tried, so V is solved back from I and Rн.
    Retype(edit("OmV"), "6");
    Retype(edit("OmRn"), "3");
    QCOMPARE(edit("OmI")->text(), QString("2"));
    edit("OmV")->setFocus();
    edit("OmV")->end(false);
    QTest::keyClick(edit("OmV"), Qt::Key_Backspace);
    QCOMPARE(edit("OmV")->text(), QString("6"));
    QVERIFY(IsSolved(edit("OmV")));
    QVERIFY(IsSolved(edit("OmW")));
    QVERIFY(IsSolved(edit("OmI")));
}

void OhmsLawTest::oneFieldOrNegativeInputComputesNothing_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::newRow("voltage alone") << "OmV" << "12" << QString() << QString();
    QTest::newRow("negative current") << "OmI" << "-1" << "OmRn" << "5";
    QTest::newRow("negative resistance") << "OmRn" << "-5" << "OmV" << "12";
    QTest::newRow("negative power") << "OmW" << "-5" << "OmI" << "2";
}

void OhmsLawTest::oneFieldOrNegativeInputComputesNothing()
{
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);

    if (firstText.startsWith('-'))
        testing::RetypeNegative(edit(first), firstText.mid(1));
    else
        Retype(edit(first), firstText);
    QCOMPARE(edit(first)->text(), firstText);
    if (!second.isEmpty())
        Retype(edit(second), secondText);

    for (const QString& name : kEdits) {
        QVERIFY2(IsInput(edit(name)), qPrintable(name));
        if (name != first && name != second)
            QCOMPARE(edit(name)->text(), QString("0"));
    }
}

void OhmsLawTest::overflowTurnsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::newRow("point") << QChar('.');
    QTest::newRow("comma") << QChar(',');
}

void OhmsLawTest::overflowTurnsRed()
{
    QFETCH(QChar, separator);
    const testing::DecimalSeparatorScope scope(separator);
    const QString tooLarge("Нет решения: результат слишком велик");

    testing::Paste(edit("OmRn"), "1e-200");
    Retype(edit("OmV"), QString("1") + separator + "5");
    QVERIFY(Shows(edit("OmI"), 1.5E200));
    const QString current = edit("OmI")->text();
    const QString power = edit("OmW")->text();
    QVERIFY(current.contains(separator));

    // 1E200 V across 1E-200 Ом drives a current far beyond what a field holds.
    testing::Paste(edit("OmV"), "1e200");
    for (const char* name : {"OmI", "OmW"}) {
        QVERIFY(IsRed(edit(name)));
        QVERIFY(edit(name)->isReadOnly());
        QCOMPARE(edit(name)->toolTip(), tooLarge);
    }
    QCOMPARE(edit("OmI")->text(), current);
    QCOMPARE(edit("OmW")->text(), power);

    testing::Paste(edit("OmV"), QString("2") + separator + "5");
    QVERIFY(Shows(edit("OmI"), 2.5E200));
    QVERIFY(Shows(edit("OmW"), 6.25E200));
    for (const char* name : {"OmI", "OmW"}) {
        QVERIFY(IsSolved(edit(name)));
        QCOMPARE(testing::Reason(edit(name)), QString());
    }
}

QTEST_MAIN(OhmsLawTest)
#include "test_ohms_law.moc"
