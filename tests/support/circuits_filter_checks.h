#pragma once

#include "support/page_fixture.h"

#include <array>

namespace testing::circuits {

// What a single-section filter page must do, written out on its own so that
// the checks below do not lean on the page's code.
struct FilterModel {
    QString menuItem;
    QString prefix;                    // "FN", "FV"
    double k;                          // fc = 1 / (k·√(L·C)) in the LC mode
    std::array<double, 3> lrFactor;    // by form: Г, Т, П
    std::array<double, 3> cFactor;
    std::array<QString, 3> lcPictures;
    std::array<QString, 3> rcPictures;
    QString firstPicture;              // shown at every opening

    // The number shown for the solved field ('C', 'L' for L or R, 'F'), from
    // the typed values in base units, in a unit of the given factor.
    double shown(int form, bool rc, char solved, double c, double lr, double fc, double unit) const;
};

// The page's controls by role.
struct FilterFields {
    FilterFields(const PageFixture& page, const QString& prefix);
    QLineEdit* field(char which) const;
    QComboBox* unit(char which) const;

    QLineEdit* c;
    QLineEdit* lr;
    QLineEdit* fc;
    QComboBox* cUnit;
    QComboBox* lrUnit;
    QComboBox* fcUnit;
    QGroupBox* form;
    QGroupBox* elements;
    QLabel* curve;
    QLabel* section;
    QPushButton* clear;
};

inline const QStringList CapacitanceItems{"пФ", "нФ", "мкФ", "Ф"};
inline const QStringList InductanceItems{"мкГн", "мГн", "Гн"};
inline const QStringList ResistanceItems{"Ом", "кОм", "мОм", "гОм"};
inline const QStringList FrequencyItems{"Гц", "кГц", "мГц", "гГц"};
double UnitFactor(char which, bool rc, int index);

// Sets the form and the elements by clicking the radio items.
void ChooseSection(const FilterFields& fields, int form, bool rc);

// Types C, L or R, and Fc (numbers with "."), leaving the solved one at 0.
void TypeInputs(const FilterFields& fields, char solved, const QString& c, const QString& lr, const QString& fc);

// Checks shared by both filter pages. Those with a rows function are
// data-driven: call the rows function in the test's _data() and the check,
// which fetches the current row, in the test itself.
void CheckFilterControls(const FilterModel& model);
// Rows of quoted results: form, rc, solved, typed c, lr, fc, fcUnit index, expected.
void FilterDocumentedColumns();
void CheckFilterDocumentedValue(const FilterModel& model);
void FilterSolveRows();
void CheckFilterSolve(const FilterModel& model);
void FilterPictureRows();
void CheckFilterPictures(const FilterModel& model);
void CheckFilterElementSwitch(const FilterModel& model);
void CheckFilterUnitChangeUnsolved(const FilterModel& model);
void FilterUnitChangeRows();
void CheckFilterUnitChangeSolved(const FilterModel& model);
void CheckFilterZeroMovesSolution(const FilterModel& model);
void CheckFilterNothingToSolve(const FilterModel& model);
void FilterRoundTripRows();
void CheckFilterRoundTrip(const FilterModel& model);
void CheckFilterClear(const FilterModel& model);
void CheckFilterReopen(const FilterModel& model);
void FilterBadInputRows();
void CheckFilterBadInput(const FilterModel& model);

} // namespace testing::circuits
