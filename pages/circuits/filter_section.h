#pragma once

#include "engineering/filter_sections.h"

#include <array>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

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

// What tells the low-pass and the high-pass section apart: its formulas and
// the pictures of its forms (Г, Т, П), each for the LC and the RC build.
struct FilterKind {
    engineering::FilterPass pass;
    std::array<std::array<const char*, 2>, 3> pictures;
};

// One filter section sized from two of C, L or R, and Fc; the third is solved.
class FilterSection {
public:
    FilterSection(const FilterControls& controls, const FilterKind& kind);

    void registerRoutes(controls::RouteTables& routes);

    // Shows the first form's LC section again, whatever the groups show.
    void OnOpen();

    void Compute();
    void Clear();

private:
    enum Field : unsigned char { None = 0, FieldC = 1, FieldLR = 2, FieldFc = 3 };
    enum class Option { Form, Elements };

    void OnUnitChange(Field field);
    void OnOptionChange(Option changed);

    bool lcMode() const;
    engineering::Real element(engineering::Real other, engineering::Real fc) const;
    engineering::Real cutOff(engineering::Real lr, engineering::Real c) const;
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
