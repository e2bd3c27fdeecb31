#pragma once

#include "values/checked_math.h"

#include <array>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;

namespace controls {
struct RouteTables;
}

namespace pages {

// The controls of a single-section filter page, by role.
struct FilterControls {
    QLineEdit* c;
    QComboBox* cUnit;
    QLineEdit* lr;          // L in the LC mode, R in the RC mode
    QComboBox* lrUnit;
    QLineEdit* fc;
    QComboBox* fcUnit;
    QGroupBox* form;        // Г, Т, П
    QGroupBox* elements;    // LC, RC
    QLabel* section;        // picture of the chosen section
    QAbstractButton* clear;
};

// A form of section: the factors that turn the value typed for one of a pair
// of like elements into the value the formulas use, and its pictures.
struct SectionForm {
    double lrFactor;
    double cFactor;
    const char* lcPicture;
    const char* rcPicture;
};

// What tells the low-pass and the high-pass section apart.
struct FilterKind {
    values::Real lcConstant;           // k of the LC relation fc = 1 / (k·√(L·C))
    std::array<SectionForm, 3> forms;  // by the index of the form group
};

// One filter section sized from two of C, L or R, and Fc; the third is solved.
class FilterSection {
public:
    FilterSection(const FilterControls& controls, const FilterKind& kind);

    void registerRoutes(controls::RouteTables& routes);

    // Shows the first form's LC section again, whatever the groups show.
    void OnOpen();

    void Compute();
    void OnUnitChange(QObject* combo);
    void OnOptionChange(QObject* group);
    void Clear();

private:
    enum Field : unsigned char { None = 0, FieldC = 1, FieldLR = 2, FieldFc = 3 };

    bool lcMode() const;
    values::Real element(values::Real other, values::Real fc) const;
    values::Real cutOff(values::Real lr, values::Real c) const;
    void showElements(bool lc);

    const FilterControls ui;
    const FilterKind kind;

    double C = 0;
    double LR = 0;
    double Fc = 0;
    double cScale = 1e-12;
    double lrScale = 1e-6;
    double fcScale = 1e6;
    double cFactor = 1;
    double lrFactor = 1;
    Field SolvedField = None;
    bool resettingOptions = false;
};

} // namespace pages
