#include "support/circuits_filter_checks.h"

#include <QTest>

using namespace testing;
using namespace testing::circuits;

namespace {

constexpr double Pi = 3.1415926535897932385;

const FilterModel LowPass{
    "N13", "FN", Pi,
    {1, 2, 1},  // the Т form has two series elements
    {1, 1, 2},  // the П form has two shunt capacitors
    {"PIC1", "PIC2", "PIC3"},
    {"PIC4", "PIC5", "PIC6"},
    "PIC1",
};

} // namespace

class LowPassTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsControls() { CheckFilterControls(LowPass); }
    void documentedValues_data();
    void documentedValues();
    void solves_data();
    void solves();
    void sectionPictures_data();
    void sectionPictures();
    void elementSwitchRecomputes() { CheckFilterElementSwitch(LowPass); }
    void unitChangeWhileUnsolvedOnlyScales() { CheckFilterUnitChangeUnsolved(LowPass); }
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();
    void typingZeroMovesTheSolution() { CheckFilterZeroMovesSolution(LowPass); }
    void oneInputComputesNothing() { CheckFilterNothingToSolve(LowPass); }
    void roundTrip_data();
    void roundTrip();
    void clearRestoresEverything() { CheckFilterClear(LowPass); }
    void openingShowsTheFirstSection() { CheckFilterReopen(LowPass); }
    void badInputIsReportedOnce_data();
    void badInputIsReportedOnce();
};

// Typed numbers in the page's default units unless a unit index is given.
void LowPassTest::documentedValues_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("lr");
    QTest::addColumn<QString>("fc");
    QTest::addColumn<int>("fcUnit");
    QTest::addColumn<double>("expected");
    QTest::newRow("Г LC: C from L 10 uH, Fc 1 MHz") << 0 << false << 'C' << "" << "10" << "1" << 2 << 10132.1;
    QTest::newRow("Т LC: L counted twice") << 1 << false << 'C' << "" << "10" << "1" << 2 << 5066.06;
    QTest::newRow("П LC: each of two capacitors") << 2 << false << 'C' << "" << "10" << "1" << 2 << 5066.06;
    QTest::newRow("Г LC: Fc from C 100 pF, L 10 uH") << 0 << false << 'F' << "100" << "10" << "" << 2 << 10.0658;
    QTest::newRow("Г RC: C from R 1000 Ohm, Fc 1 kHz") << 0 << true << 'C' << "" << "1000" << "1" << 1 << 159155.0;
    QTest::newRow("Г RC: Fc from C 100 pF, R 1000 Ohm") << 0 << true << 'F' << "100" << "1000" << "" << 2 << 1.59155;
    QTest::newRow("Г RC: R from C 100 pF, Fc 1 MHz") << 0 << true << 'L' << "100" << "" << "1" << 2 << 1591.55;
}

void LowPassTest::documentedValues()
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(QString, c);
    QFETCH(QString, lr);
    QFETCH(QString, fc);
    QFETCH(int, fcUnit);
    QFETCH(double, expected);
    const OpenedPage page(LowPass.menuItem);
    const FilterFields fields(page, LowPass.prefix);
    ChooseSection(fields, form, rc);
    if (fcUnit != 2)
        Choose(fields.fcUnit, fcUnit);
    TypeInputs(fields, solved, c, lr, fc);
    QLineEdit* result = fields.field(solved);
    QVERIFY2(RoundsTo(Shown(result), expected), qPrintable(result->text()));
    QVERIFY(IsSolved(result));
}

void LowPassTest::solves_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<QChar>("separator");
    const char* forms[] = {"Г", "Т", "П"};
    for (int form = 0; form < 3; ++form) {
        for (const bool rc : {false, true}) {
            for (const char solved : {'C', 'L', 'F'}) {
                for (const QChar separator : {QChar('.'), QChar(',')}) {
                    QTest::addRow("%s %s, %c solved, '%c'", forms[form], rc ? "RC" : "LC", solved,
                                  separator.toLatin1())
                        << form << rc << solved << separator;
                }
            }
        }
    }
}

void LowPassTest::solves()
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(QChar, separator);
    CheckFilterSolve(LowPass, form, rc, solved, separator);
}

void LowPassTest::sectionPictures_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    for (int form = 0; form < 3; ++form) {
        QTest::addRow("form %d LC", form) << form << false;
        QTest::addRow("form %d RC", form) << form << true;
    }
}

void LowPassTest::sectionPictures()
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    CheckFilterPictures(LowPass, form, rc);
}

void LowPassTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<char>("changed");
    QTest::addColumn<int>("index");
    for (const bool rc : {false, true}) {
        for (const char solved : {'C', 'L', 'F'}) {
            for (const char changed : {'C', 'L', 'F'}) {
                const int count = changed == 'L' && !rc ? 3 : 4;
                for (int index = 0; index < count; ++index) {
                    QTest::addRow("%s, %c solved, %c unit %d", rc ? "RC" : "LC", solved, changed, index)
                        << rc << solved << changed << index;
                }
            }
        }
    }
}

void LowPassTest::unitChangeOnSolvedPage()
{
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(char, changed);
    QFETCH(int, index);
    CheckFilterUnitChangeSolved(LowPass, rc, solved, changed, index);
}

void LowPassTest::roundTrip_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<char>("recovered");
    for (int form = 0; form < 3; ++form) {
        for (const bool rc : {false, true}) {
            for (const char solved : {'C', 'L', 'F'}) {
                for (const char recovered : {'C', 'L', 'F'}) {
                    if (recovered != solved) {
                        QTest::addRow("form %d %s: %c, then %c back", form, rc ? "RC" : "LC", solved, recovered)
                            << form << rc << solved << recovered;
                    }
                }
            }
        }
    }
}

void LowPassTest::roundTrip()
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(char, recovered);
    CheckFilterRoundTrip(LowPass, form, rc, solved, recovered);
}

void LowPassTest::badInputIsReportedOnce_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("text that does not convert") << "conversion";
    QTest::newRow("cut-off beyond the largest number") << "overflow";
}

void LowPassTest::badInputIsReportedOnce()
{
    QFETCH(QString, fault);
    CheckFilterBadInput(LowPass, fault);
}

QTEST_MAIN(LowPassTest)
#include "test_low_pass.moc"
