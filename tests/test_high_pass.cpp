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
    void documentedValues() { CheckFilterDocumentedValue(HighPass); }
    void solves_data() { FilterSolveRows(); }
    void solves() { CheckFilterSolve(HighPass); }
    void sectionPictures_data() { FilterPictureRows(); }
    void sectionPictures() { CheckFilterPictures(HighPass); }
    void elementSwitchRecomputes() { CheckFilterElementSwitch(HighPass); }
    void unitChangeWhileUnsolvedOnlyScales() { CheckFilterUnitChangeUnsolved(HighPass); }
    void unitChangeOnSolvedPage_data() { FilterUnitChangeRows(); }
    void unitChangeOnSolvedPage() { CheckFilterUnitChangeSolved(HighPass); }
    void typingZeroMovesTheSolution() { CheckFilterZeroMovesSolution(HighPass); }
    void oneInputComputesNothing() { CheckFilterNothingToSolve(HighPass); }
    void roundTrip_data() { FilterRoundTripRows(); }
    void roundTrip() { CheckFilterRoundTrip(HighPass); }
    void clearRestoresEverything() { CheckFilterClear(HighPass); }
    void openingShowsTheFirstSection() { CheckFilterReopen(HighPass); }
    void badInputIsReportedOnce_data() { FilterBadInputRows(); }
    void badInputIsReportedOnce() { CheckFilterBadInput(HighPass); }
};

void HighPassTest::documentedValues_data()
{
    FilterDocumentedColumns();
    QTest::newRow("Г LC: C from L 10 uH, Fc 1 MHz") << 0 << false << 'C' << "" << "10" << "1" << 2 << 633.257;
    QTest::newRow("Т LC: the L factor one half") << 1 << false << 'C' << "" << "10" << "1" << 2 << 1266.51;
    QTest::newRow("П LC: the C factor one half") << 2 << false << 'C' << "" << "10" << "1" << 2 << 1266.51;
    QTest::newRow("Г LC: Fc from C 100 pF, L 10 uH") << 0 << false << 'F' << "100" << "10" << "" << 2 << 2.51646;
    // The RC relation is the low-pass one: 1 / (2π·R·C).
    QTest::newRow("Г RC: C from R 1000 Ohm, Fc 1 kHz") << 0 << true << 'C' << "" << "1000" << "1" << 1 << 159155.0;
    QTest::newRow("Г RC: Fc from C 100 pF, R 1000 Ohm") << 0 << true << 'F' << "100" << "1000" << "" << 2 << 1.59155;
    QTest::newRow("Г RC: R from C 100 pF, Fc 1 MHz") << 0 << true << 'L' << "100" << "" << "1" << 2 << 1591.55;
}

QTEST_MAIN(HighPassTest)
#include "test_high_pass.moc"
