#include "support/circuits_filter_checks.h"

#include <QTest>

using namespace testing;
using namespace testing::circuits;

namespace {

constexpr double FourPi = 12.566370614359172954;

const FilterModel HighPass{
    "N14", "FV", FourPi,
    {1.0, 0.5, 1.0},  // the Т form takes half the typed L or R
    {1.0, 1.0, 0.5},  // the П form takes half the typed C
    {"PIC7", "PIC9", "PIC8"},
    {"PIC10", "PIC12", "PIC11"},
    "PIC7",
};

} // namespace

class HighPassTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsControls() { CheckFilterControls(HighPass); }
    void documentedValues_data();
    void documentedValues();
    void solves_data();
    void solves();
    void sectionPictures_data();
    void sectionPictures();
    void elementSwitchRecomputes() { CheckFilterElementSwitch(HighPass); }
    void unitChangeWhileUnsolvedOnlyScales() { CheckFilterUnitChangeUnsolved(HighPass); }
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();
    void typingZeroMovesTheSolution() { CheckFilterZeroMovesSolution(HighPass); }
    void oneInputComputesNothing() { CheckFilterNothingToSolve(HighPass); }
    void roundTrip_data();
    void roundTrip();
    void clearRestoresEverything() { CheckFilterClear(HighPass); }
    void openingShowsTheFirstSection() { CheckFilterReopen(HighPass); }
    void badInputIsReportedOnce_data();
    void badInputIsReportedOnce();
};

// Typed numbers in the page's default units unless a unit index is given.
void HighPassTest::documentedValues_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("lr");
    QTest::addColumn<QString>("fc");
    QTest::addColumn<int>("fcUnit");
    QTest::addColumn<double>("expected");
    QTest::newRow("Г LC: C from L 10 uH, Fc 1 MHz") << 0 << false << 'C' << "" << "10" << "1" << 2 << 633.257;
    QTest::newRow("Т LC: the L factor one half") << 1 << false << 'C' << "" << "10" << "1" << 2 << 1266.51;
    QTest::newRow("П LC: the C factor one half") << 2 << false << 'C' << "" << "10" << "1" << 2 << 1266.51;
    QTest::newRow("Г LC: Fc from C 100 pF, L 10 uH") << 0 << false << 'F' << "100" << "10" << "" << 2 << 2.51646;
    // The RC relation is the low-pass one: 1 / (2π·R·C).
    QTest::newRow("Г RC: C from R 1000 Ohm, Fc 1 kHz") << 0 << true << 'C' << "" << "1000" << "1" << 1 << 159155.0;
    QTest::newRow("Г RC: Fc from C 100 pF, R 1000 Ohm") << 0 << true << 'F' << "100" << "1000" << "" << 2 << 1.59155;
    QTest::newRow("Г RC: R from C 100 pF, Fc 1 MHz") << 0 << true << 'L' << "100" << "" << "1" << 2 << 1591.55;
}

void HighPassTest::documentedValues()
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(QString, c);
    QFETCH(QString, lr);
    QFETCH(QString, fc);
    QFETCH(int, fcUnit);
    QFETCH(double, expected);
    const OpenedPage page(HighPass.menuItem);
    const FilterFields fields(page, HighPass.prefix);
    ChooseSection(fields, form, rc);
    if (fcUnit != 2)
        Choose(fields.fcUnit, fcUnit);
    TypeInputs(fields, solved, c, lr, fc);
    QLineEdit* result = fields.field(solved);
    QVERIFY2(RoundsTo(Shown(result), expected), qPrintable(result->text()));
    QVERIFY(IsSolved(result));
}

void HighPassTest::solves_data()
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

void HighPassTest::solves()
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(QChar, separator);
    CheckFilterSolve(HighPass, form, rc, solved, separator);
}

void HighPassTest::sectionPictures_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    for (int form = 0; form < 3; ++form) {
        QTest::addRow("form %d LC", form) << form << false;
        QTest::addRow("form %d RC", form) << form << true;
    }
}

void HighPassTest::sectionPictures()
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    CheckFilterPictures(HighPass, form, rc);
}

void HighPassTest::unitChangeOnSolvedPage_data()
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

void HighPassTest::unitChangeOnSolvedPage()
{
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(char, changed);
    QFETCH(int, index);
    CheckFilterUnitChangeSolved(HighPass, rc, solved, changed, index);
}

void HighPassTest::roundTrip_data()
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

void HighPassTest::roundTrip()
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(char, recovered);
    CheckFilterRoundTrip(HighPass, form, rc, solved, recovered);
}

void HighPassTest::badInputIsReportedOnce_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("text that does not convert") << "conversion";
    QTest::newRow("cut-off beyond the largest number") << "overflow";
}

void HighPassTest::badInputIsReportedOnce()
{
    QFETCH(QString, fault);
    CheckFilterBadInput(HighPass, fault);
}

QTEST_MAIN(HighPassTest)
#include "test_high_pass.moc"
