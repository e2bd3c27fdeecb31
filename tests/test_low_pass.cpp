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
    void documentedValues() { CheckFilterDocumentedValue(LowPass); }
    void solves_data() { FilterSolveRows(); }
    void solves() { CheckFilterSolve(LowPass); }
    void sectionPictures_data() { FilterPictureRows(); }
    void sectionPictures() { CheckFilterPictures(LowPass); }
    void elementSwitchRecomputes() { CheckFilterElementSwitch(LowPass); }
    void unitChangeWhileUnsolvedOnlyScales() { CheckFilterUnitChangeUnsolved(LowPass); }
    void unitChangeOnSolvedPage_data() { FilterUnitChangeRows(); }
    void unitChangeOnSolvedPage() { CheckFilterUnitChangeSolved(LowPass); }
    void typingZeroMovesTheSolution() { CheckFilterZeroMovesSolution(LowPass); }
    void oneInputComputesNothing() { CheckFilterNothingToSolve(LowPass); }
    void roundTrip_data() { FilterRoundTripRows(); }
    void roundTrip() { CheckFilterRoundTrip(LowPass); }
    void clearRestoresEverything() { CheckFilterClear(LowPass); }
    void openingShowsTheFirstSection() { CheckFilterReopen(LowPass); }
    void badInputIsReportedOnce_data() { FilterBadInputRows(); }
    void badInputIsReportedOnce() { CheckFilterBadInput(LowPass); }
};

void LowPassTest::documentedValues_data()
{
    FilterDocumentedColumns();
    QTest::newRow("Г LC: C from L 10 uH, Fc 1 MHz") << 0 << false << 'C' << "" << "10" << "1" << 2 << 10132.1;
    QTest::newRow("Т LC: L counted twice") << 1 << false << 'C' << "" << "10" << "1" << 2 << 5066.06;
    QTest::newRow("П LC: each of two capacitors") << 2 << false << 'C' << "" << "10" << "1" << 2 << 5066.06;
    QTest::newRow("Г LC: Fc from C 100 pF, L 10 uH") << 0 << false << 'F' << "100" << "10" << "" << 2 << 10.0658;
    QTest::newRow("Г RC: C from R 1000 Ohm, Fc 1 kHz") << 0 << true << 'C' << "" << "1000" << "1" << 1 << 159155.0;
    QTest::newRow("Г RC: Fc from C 100 pF, R 1000 Ohm") << 0 << true << 'F' << "100" << "1000" << "" << 2 << 1.59155;
    QTest::newRow("Г RC: R from C 100 pF, Fc 1 MHz") << 0 << true << 'L' << "100" << "" << "1" << 2 << 1591.55;
}

QTEST_MAIN(LowPassTest)
#include "test_low_pass.moc"
